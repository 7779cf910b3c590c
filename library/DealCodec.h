// Writes deals into the two library record forms: the inverse of the decoders of Deal.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Deal.h"

namespace lott {

// What a library record holds: the four hands and, per strain, the four trick digits
// (declarers East, North, West, South; each digit the tricks North-South take).
struct DealRecord {
    std::array<std::array<Holding, 4>, 4> hands{};  // [seat][suit], highest card first
    StrainIndexed<std::array<std::uint8_t, 4>> nsTricks{};

    // Owner seat of every card [suit][rank], or -1 when the hands do not hold it exactly once.
    bool OwnerTable(std::array<std::array<int, 13>, 4>& owner) const;
    // Builds a record from a decoded deal (hands and trick digits).
    static DealRecord FromDeal(const Deal& d);
    // Hands written as "AKQ.JT9.8765.432" per seat, West first.
    static DealRecord FromText(const std::array<std::string_view, 4>& hands);
};

// Both return false when the hands are not a deal of 52 distinct cards (the binary form can only
// say who holds each card) or a digit exceeds 15; the ASCII form also wants 13 cards a seat.
bool EncodeBinDeal(const DealRecord& rec, std::array<std::uint8_t, kBinRecLen>& out);
bool EncodeAscDeal(const DealRecord& rec, std::array<char, kAscRecLen>& out);

}  // namespace lott
