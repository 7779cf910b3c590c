// Hand-built deals for the engine tests: hands as text, tricks per declaring seat and strain.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Deal.h"
#include "DealCodec.h"
#include "TestLibrary.h"

namespace lott::test {

// Tricks taken by each declarer in one strain: West, North, East, South.
struct SeatTricks {
    int w, n, e, s;
};

// The four hex digits of a strain (declarers East, North, West, South; tricks of North-South).
inline std::string Digits(SeatTricks t) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[13 - t.e], kHex[t.n], kHex[13 - t.w], kHex[t.s]};
}

// A record from hands (West, North, East, South) and tricks per strain NT, S, H, D, C.
inline DealRecord BuildRecord(const std::array<std::string_view, 4>& hands,
                              const std::array<SeatTricks, 5>& tricks) {
    std::array<std::string, 5> d;
    for (int i = 0; i < 5; ++i) d[i] = Digits(tricks[i]);
    return MakeRecord(hands, {d[0], d[1], d[2], d[3], d[4]});
}

// Decodes a record into deal as a scan would read it.
inline void LoadRecord(const DealRecord& r, Deal& deal) {
    std::array<std::uint8_t, kBinRecLen> bin{};
    if (!EncodeBinDeal(r, bin)) throw std::runtime_error("not a deal");
    deal.DecodeBinDeal(bin.data());
}

// A balanced deal: W-E longest spades (7, ties diamonds), N-S hearts (7, ties clubs); W 19 HCP,
// N 11, E 10, S 0; no pair has a singleton or void.
inline constexpr std::array<std::string_view, 4> kBalanced = {
    "AKQJ.AKQ.432.432", "T987.JT9.AKQ.JT9", "654.876.JT98.AKQ", "32.5432.765.8765"};

// Every strain: each seat takes t tricks as declarer.
inline SeatTricks All(int t) {
    return {t, t, t, t};
}
// Pair tricks: W-E seats take we, N-S seats take ns.
inline SeatTricks Pairs(int we, int ns) {
    return {we, ns, we, ns};
}

}  // namespace lott::test
