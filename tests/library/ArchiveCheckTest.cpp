// The refusal to run from an unpacked archive or a temporary folder.
#include <gtest/gtest.h>

#include "ArchiveCheck.h"

namespace lott {
namespace {

TEST(ChkZip, ZipAnywhereInThePathInAnyCase) {
    for (auto rule : {ArchiveRule::ZipOnly, ArchiveRule::ZipOrTmp}) {
        EXPECT_TRUE(ChkZip("/home/u/Downloads/Boardlook3.zip/bin", rule));
        EXPECT_TRUE(ChkZip("/home/u/ZIPPED/bin", rule));
        EXPECT_TRUE(ChkZip("C:/Temp/unZip/x", rule));
        EXPECT_FALSE(ChkZip("/home/u/bridge/bin", rule));
        EXPECT_FALSE(ChkZip("", rule));
    }
}

TEST(ChkZip, TmpCountsOnlyForTheAnalyzer) {
    EXPECT_TRUE(ChkZip("/data/tmpdata/bin", ArchiveRule::ZipOrTmp));
    EXPECT_TRUE(ChkZip("/TMP/x", ArchiveRule::ZipOrTmp));
    EXPECT_FALSE(ChkZip("/data/tmpdata/bin", ArchiveRule::ZipOnly));
}

TEST(ChkZip, AFlagForcesTheRefusal) {
    EXPECT_TRUE(ChkZip("/home/u/bridge", ArchiveRule::ZipOnly, 1));
    EXPECT_TRUE(ChkZip("/home/u/bridge", ArchiveRule::ZipOrTmp, -1));
}

}  // namespace
}  // namespace lott
