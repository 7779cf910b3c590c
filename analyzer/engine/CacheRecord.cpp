#include "CacheRecord.h"

#include "Rounding.h"

namespace lott::CacheRecord {

namespace {
// Which code bytes a scan writes: a notrump shape 1..3 with the top bit, or three event counts
// of 0..2.
constexpr std::array<bool, 256> MakeCodeTable() {
    std::array<bool, 256> ok{};
    for (unsigned c = 0; c < 256; ++c) {
        if (c & 0x80u)
            ok[c] = (c & 0x7Cu) == 0 && (c & 3u) != 0;
        else
            ok[c] = ((c >> 4) & 7u) <= 2 && ((c >> 2) & 3u) <= 2 && (c & 3u) <= 2;
    }
    return ok;
}
constexpr std::array<bool, 256> kCodeOk = MakeCodeTable();
}  // namespace

std::uint8_t PackTotals(std::int32_t tricks, std::int32_t trumps) {
    return static_cast<std::uint8_t>(Trunc(tricks) * 16 + Trunc(trumps));
}

std::uint8_t PackCode(std::int32_t ntCount, Shortness ntShape, const EventCounts& events) {
    if (ntCount != 0) return static_cast<std::uint8_t>(ShortnessFlag(ntShape) + 128);
    return static_cast<std::uint8_t>(events[1] * 16 + events[2] * 4 + events[3]);
}

ScanCacheRec Pack(const DealPasses& p) {
    return {p.hcpBands,      p.first.totals,   p.byLength.totals,
            p.byLength.code, p.byScore.totals, p.byScore.code};
}

bool Plausible(const std::uint8_t* rec) {
    // HCP bands: only bits 0 and 1, and 17..23 lies inside 15..25.
    return rec[0] <= 3 && rec[0] != 2 && kCodeOk[rec[3]] && kCodeOk[rec[5]];
}

}  // namespace lott::CacheRecord
