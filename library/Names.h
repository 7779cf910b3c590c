// The fixed name and value tables of seats, strains and cards.
#pragma once

#include <array>
#include <string_view>

#include "Indices.h"

namespace lott {

struct Rgb {
    int r, g, b;
    constexpr bool operator==(const Rgb&) const = default;
};

// Seat names carry a blank on each side; entry 4 + p names pair p.
inline constexpr std::array<std::string_view, 6> SeatName{" W ", " N ", " E ", " S ", "W-E", "N-S"};

inline constexpr StrainIndexed<std::string_view> StrainName{
    {"NoTrump", "Spades", "Hearts", "Diamonds", "Clubs"}};
inline constexpr StrainIndexed<std::string_view> StrainLetter{{"NT", "S", "H", "D", "C"}};
inline constexpr StrainIndexed<Rgb> StrainColour{
    {Rgb{240, 112, 0}, Rgb{0, 0, 0}, Rgb{255, 0, 0}, Rgb{255, 0, 255}, Rgb{0, 0, 255}}};

// Card rank 0..12 = ace down to two.
inline constexpr std::array<char, 13> CardName{'A', 'K', 'Q', 'J', 'T', '9', '8',
                                               '7', '6', '5', '4', '3', '2'};
inline constexpr std::array<float, 13> CardPoints{4, 3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Rank of a card letter, or -1 when the letter names no card.
namespace detail {
constexpr std::array<signed char, 256> MakeCardRanks() {
    std::array<signed char, 256> t{};
    t.fill(-1);
    for (int r = 0; r < 13; ++r)
        t[static_cast<unsigned char>(CardName[static_cast<std::size_t>(r)])] =
            static_cast<signed char>(r);
    return t;
}
inline constexpr std::array<signed char, 256> kCardRank = MakeCardRanks();
}  // namespace detail

constexpr int CardRank(char letter) {
    return detail::kCardRank[static_cast<unsigned char>(letter)];
}

}  // namespace lott
