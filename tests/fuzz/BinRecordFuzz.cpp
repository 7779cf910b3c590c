// One binary library record (26 bytes): decoding, the same deal written back in both forms, and
// both contract passes with the cache record they make.
#include <array>
#include <cstring>

#include "DealCodec.h"
#include "FuzzCheck.h"

using namespace lott;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<std::uint8_t, kBinRecLen> rec{};
    std::memcpy(rec.data(), data, size < rec.size() ? size : rec.size());

    Deal d;
    d.DecodeBinDeal(rec.data());
    fuzz::CheckDecodedDeal(d);
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int strain = -1; strain <= 3; ++strain) {
        const std::uint8_t* w = rec.data() + 16 + 2 * (strain + 1);
        const int nibbles[4] = {w[0] >> 4, w[0] & 15, w[1] >> 4, w[1] & 15};
        for (int i = 0; i < 4; ++i) FUZZ_CHECK(d.TrickHex[strain][i] == kHex[nibbles[i]]);
    }
    d.CountLengths();
    d.DecodeTricks();
    for (int seat = 0; seat < 4; ++seat)
        for (int strain = -1; strain <= 3; ++strain)
            FUZZ_CHECK(d.Tricks[seat][strain] >= -2 && d.Tricks[seat][strain] <= 15);

    // Written back, the record is the same but for the six unused bits above the two of each
    // suit's first byte.
    const DealRecord r = DealRecord::FromDeal(d);
    std::array<std::uint8_t, kBinRecLen> again{};
    FUZZ_CHECK(EncodeBinDeal(r, again));
    for (std::size_t i = 0; i < rec.size(); ++i) {
        const std::uint8_t mask = i < 16 && i % 4 == 0 ? 0x03 : 0xFF;
        FUZZ_CHECK((rec[i] & mask) == again[i]);
    }
    // The ASCII form of a deal that gives every seat 13 cards reads as the same deal.
    std::array<char, kAscRecLen> asc{};
    bool thirteenEach = true;
    for (int seat = 0; seat < 4; ++seat)
        thirteenEach = thirteenEach && fuzz::CardCount(d, seat) == 13;
    FUZZ_CHECK(EncodeAscDeal(r, asc) == thirteenEach);
    if (thirteenEach) {
        Deal a;
        FUZZ_CHECK(a.DecodeAscDeal(asc.data()) == RecordStatus::Ok);
        FUZZ_CHECK(a.Hand == d.Hand);
        FUZZ_CHECK(a.HCP == d.HCP);
        for (int strain = -1; strain <= 3; ++strain)
            FUZZ_CHECK(a.TrickHex[strain] == d.TrickHex[strain]);
    }

    DealAnalysis analysis(d);
    fuzz::CheckedPasses(analysis);
    return 0;
}
