// One deal's six bytes in the scan cache, packed, checked and unpacked here and nowhere else:
// byte 0 the HCP bands; bytes 1, 2 and 4 the totals of the first, by-Length and by-Score passes
// (Total Tricks - 10 in the high four bits, Total Trumps - 10 in the low, each clamped to 0..15);
// bytes 3 and 5 the by-Length and by-Score codes (bit 7 and the notrump shortness 1..3, or the
// three event counts as bits 4..6, 2..3 and 0..1).
#pragma once

#include <array>
#include <cstdint>

#include "DealAnalysis.h"

namespace lott {

using ScanCacheRec = std::array<std::uint8_t, 6>;

namespace CacheRecord {

std::uint8_t PackTotals(std::int32_t tricks, std::int32_t trumps);
// The code of a pass: its notrump shortness class when a side plays notrump, else its events.
std::uint8_t PackCode(std::int32_t ntCount, Shortness ntShape, const EventCounts& events);
ScanCacheRec Pack(const DealPasses& p);

// Whether a record could have been written by a scan.
bool Plausible(const std::uint8_t* rec);

enum class Pass { First, ByLength, ByScore };

// A pass as a replay counts it: totals of 10..25; shape 0 for a suit-suit pass, else the
// notrump shortness (1 none, 2 singleton, 3 void), whose one flag the events then hold.
struct Counted {
    std::int32_t tricks = 0;
    std::int32_t trumps = 0;
    int shape = 0;
    EventCounts events{};
};

inline std::uint8_t HcpBands(const std::uint8_t* rec) {
    return rec[0];
}

inline Counted Unpack(const std::uint8_t* rec, Pass pass) {
    Counted c;
    const std::uint8_t totals = pass == Pass::First      ? rec[1]
                                : pass == Pass::ByLength ? rec[2]
                                                         : rec[4];
    c.tricks = (totals >> 4) + 10;
    c.trumps = (totals & 15) + 10;
    if (pass == Pass::First) return c;  // the first pass is counted without events
    const std::uint8_t code = pass == Pass::ByLength ? rec[3] : rec[5];
    if ((code & 0x80u) == 0) {
        c.events[1] = (code >> 4) & 7;
        c.events[2] = (code >> 2) & 3;
        c.events[3] = code & 3;
    } else {
        c.shape = code & 3;
        c.events[c.shape] = 1;
    }
    return c;
}

}  // namespace CacheRecord
}  // namespace lott
