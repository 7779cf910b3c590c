// The bundled sample library is what its command made: the deals of seed 717102 in both forms.
#include <gtest/gtest.h>

#include "DealGenerator.h"
#include "LibraryFile.h"

namespace lott {
namespace {

TEST(SampleLibrary, HoldsTheSeedsDealsInBothForms) {
    const std::filesystem::path dir = TRICKSCAN_SAMPLE_DIR;
    LibraryFile bin, asc;
    ASSERT_TRUE(bin.Open(dir / "Library.bin", LibMode::Binary));
    ASSERT_TRUE(asc.Open(dir / "Library.asc", LibMode::Ascii));
    EXPECT_GE(bin.DealCount(), 10000);
    EXPECT_EQ(bin.DealCount(), asc.DealCount());
    EXPECT_EQ(bin.LibFileLen() % kBinRecLen, 0);
    DealGenerator gen(717102);
    Deal b, a;
    for (std::int32_t n = 1; n <= bin.DealCount(); ++n) {
        DealRecord expected = gen.Next();
        ASSERT_EQ(bin.ReadDeal(n, b), ReadStatus::Ok);
        ASSERT_EQ(asc.ReadDeal(n, a), ReadStatus::Ok) << n;
        ASSERT_EQ(b.Hand, expected.hands) << "deal " << n;
        ASSERT_EQ(a.Hand, expected.hands) << "deal " << n;
        ASSERT_EQ(a.TrickHex.v, b.TrickHex.v) << "deal " << n;
    }
}

}  // namespace
}  // namespace lott
