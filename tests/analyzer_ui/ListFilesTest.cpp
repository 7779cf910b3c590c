// "Over20.txt" and "DoubleNT.txt": their lines, the backup over several runs, stopped runs and
// lists that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "ListFiles.h"
#include "ResultHousekeeping.h"
#include "TestLibrary.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

TEST(Over20Lines, HeadersInBothLanguagesAndTheSeparator) {
    EXPECT_EQ(test::CrLfLines(Over20Header(0)),
              (std::vector<std::string>{
                  "This file records the deal numbers for Total Trumps longer than 20.",
                  " Each line consists of ", " Total Trumps, Total Tricks, deal No, (HCP1,HCP2).",
                  "Review them with another software Boardlook.", std::string(30, '-')}));
    EXPECT_EQ(
        test::CrLfLines(Over20Header(1)),
        (std::vector<std::string>{
            "このファイルは，合計トリック数が 21 以上のディールをピックアップします。",
            "各行は，合計切り札枚数，合計トリック数，ディール番号 (HCP1, HCP2)", " から成ります。",
            " Boardlook を使うと，これらのディールの内容を見ることができます。",
            "------------------------------"}));
}

TEST(Over20Lines, DataLinesKeepTheirWidthsBeforeTheNumber) {
    EXPECT_EQ(Over20Line(21, 22, 3456, {19, 21}), " 21, 22 #3456 ( 19, 21)");
    EXPECT_EQ(Over20Line(23, 20, 7, {5, 35}), " 23, 20 #7 (  5, 35)");
    EXPECT_EQ(Over20Line(21, 21, 717102, {20, 20}), " 21, 21 #717102 ( 20, 20)");
    EXPECT_EQ(DoubleNTLine(1234), "# 1234  double NT");
    EXPECT_EQ(DoubleNTLine(5), "# 5  double NT");
}

std::string ListOf(const std::string& header, std::initializer_list<std::string> lines) {
    std::string s = header;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

TEST(Over20List, ThreeRunsKeepTheLastTwoLists) {
    test::TempFolder dir;
    std::string error;
    const int deals[] = {101, 202, 303};
    for (int run = 0; run < 3; ++run) {
        Over20List list(dir.path());
        ASSERT_TRUE(list.OpenOver20(run == 1 ? 1 : 0, error)) << error;
        list.FoutOver20(21, 22, deals[run], {19, 21});
        ASSERT_TRUE(list.CloseOver20(error)) << error;
    }
    EXPECT_EQ(test::ReadFile(dir / "Over20.txt"),
              ListOf(Over20Header(0), {" 21, 22 #303 ( 19, 21)"}));
    EXPECT_EQ(test::ReadFile(dir / "Over20.bak"),
              ListOf(Over20Header(1), {" 21, 22 #202 ( 19, 21)"}));
    EXPECT_FALSE(fs::exists(dir / "Over20.txt.part"));
}

TEST(Over20List, TheOldListStaysUntilTheRunEndsAndAStoppedRunLeavesItsList) {
    test::TempFolder dir;
    test::WriteFile(dir / "Over20.txt", "old list");
    std::string error;
    {
        Over20List list(dir.path());
        ASSERT_TRUE(list.OpenOver20(0, error));
        list.FoutOver20(22, 21, 40, {10, 30});
        EXPECT_EQ(test::ReadFile(dir / "Over20.txt"), "old list");  // viewer still sees it
        list.FoutOver20(24, 25, 390, {12, 28});
        // The run is stopped here: leaving the scope ends the list like the end of a run.
    }
    EXPECT_EQ(test::ReadFile(dir / "Over20.txt"),
              ListOf(Over20Header(0), {" 22, 21 #40 ( 10, 30)", " 24, 25 #390 ( 12, 28)"}));
    EXPECT_EQ(test::ReadFile(dir / "Over20.bak"), "old list");
    EXPECT_FALSE(fs::exists(dir / "Over20.txt.part"));
}

TEST(Over20List, AListThatCannotBeWrittenLeavesTheOldOneInPlace) {
    test::TempFolder dir;
    test::WriteFile(dir / "Over20.txt", "old list");
    test::WriteFile(dir / "Over20.bak", "older list");
    std::string error;
    {
        fs::create_directory(dir / "Over20.txt.part");
        Over20List list(dir.path());
        EXPECT_FALSE(list.OpenOver20(0, error));
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(list.IsOpen());
        list.FoutOver20(21, 21, 1, {20, 20});  // ignored, no crash
        error.clear();
        EXPECT_TRUE(list.CloseOver20(error));  // nothing was opened
        fs::remove(dir / "Over20.txt.part");
    }
    EXPECT_EQ(test::ReadFile(dir / "Over20.txt"), "old list");
    EXPECT_EQ(test::ReadFile(dir / "Over20.bak"), "older list");

    if (fs::exists("/dev/full")) {
        // Writes that fail (a full device): reported at the end, the old lists stay.
        fs::create_symlink("/dev/full", dir / "Over20.txt.part");
        Over20List list(dir.path());
        ASSERT_TRUE(list.OpenOver20(0, error));
        for (int i = 0; i < 2000; ++i) list.FoutOver20(21, 21, i, {20, 20});
        error.clear();
        EXPECT_FALSE(list.CloseOver20(error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(test::ReadFile(dir / "Over20.txt"), "old list");
        EXPECT_EQ(test::ReadFile(dir / "Over20.bak"), "older list");
        EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "Over20.txt.part")));
    }

    // The folder is gone (its place taken by a file).
    test::WriteFile(dir / "gone", "x");
    Over20List list(dir / "gone");
    EXPECT_FALSE(list.OpenOver20(0, error));
}

TEST(DoubleNT, AppendsLinesAndStartUpDeletesThem) {
    test::TempFolder dir;
    std::string error;
    ASSERT_TRUE(AppendDoubleNT(dir.path(), 1234, error));
    ASSERT_TRUE(AppendDoubleNT(dir.path(), 77, error));
    EXPECT_EQ(test::ReadFile(dir / "DoubleNT.txt"), "# 1234  double NT\r\n# 77  double NT\r\n");
    ASSERT_TRUE(fBackUp(dir.path(), "DoubleNT.txt", error));
    EXPECT_FALSE(fs::exists(dir / "DoubleNT.txt"));
    fs::create_directory(dir / "DoubleNT.txt");
    EXPECT_FALSE(AppendDoubleNT(dir.path(), 1, error));
}

}  // namespace
}  // namespace lott
