// One ASCII library record (89 bytes): a damaged record leaves the deal erased; a sound one reads
// as the same deal from its binary form, and both contract passes make an acceptable cache record.
#include <array>
#include <cstring>

#include "DealCodec.h"
#include "FuzzCheck.h"

using namespace lott;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<char, kAscRecLen> rec;
    rec.fill(' ');
    std::memcpy(rec.data(), data, size < rec.size() ? size : rec.size());

    Deal d;
    // Left over from an earlier deal: a damaged record must not keep any of it.
    d.Hand[0][0].assign("AKQ");
    d.HCP[0] = 9;
    if (d.DecodeAscDeal(rec.data()) == RecordStatus::Damaged) {
        for (const auto& seat : d.Hand)
            for (const auto& h : seat) FUZZ_CHECK(h.empty());
        for (float p : d.HCP) FUZZ_CHECK(p == 0);
        for (const auto& t : d.TrickHex.v)
            for (char c : t) FUZZ_CHECK(c == '\0');
        return 0;
    }
    fuzz::CheckDecodedDeal(d);
    for (int seat = 0; seat < 4; ++seat) FUZZ_CHECK(fuzz::CardCount(d, seat) == 13);
    for (int strain = -1; strain <= 3; ++strain)
        for (int i = 0; i < 4; ++i)
            FUZZ_CHECK(d.TrickHex[strain][i] ==
                       rec[static_cast<std::size_t>(68 + 4 * (strain + 1) + i)]);
    d.CountLengths();
    d.DecodeTricks();

    // The binary form of the deal decodes to the same hands, points and tricks.
    std::array<std::uint8_t, kBinRecLen> bin{};
    FUZZ_CHECK(EncodeBinDeal(DealRecord::FromDeal(d), bin));
    Deal b;
    b.DecodeBinDeal(bin.data());
    b.CountLengths();
    b.DecodeTricks();
    FUZZ_CHECK(b.Hand == d.Hand);
    FUZZ_CHECK(b.HCP == d.HCP);
    for (int seat = 0; seat < 4; ++seat)
        for (int strain = -1; strain <= 3; ++strain)
            FUZZ_CHECK(b.Tricks[seat][strain] == d.Tricks[seat][strain]);

    DealAnalysis analysis(d), other(b);
    const DealPasses p = fuzz::CheckedPasses(analysis), q = fuzz::CheckedPasses(other);
    FUZZ_CHECK(p.byScore.code == q.byScore.code && p.byLength.code == q.byLength.code);
    FUZZ_CHECK(p.byScore.totals == q.byScore.totals && p.first.totals == q.first.totals);
    return 0;
}
