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
        ASSERT_TRUE(list.FoutOver20(21, 22, deals[run], {19, 21}, error));
        ASSERT_TRUE(list.CloseOver20(error)) << error;
    }
    EXPECT_EQ(test::ReadFile(dir / "Over20.txt"),
              ListOf(Over20Header(0), {" 21, 22 #303 ( 19, 21)"}));
    EXPECT_EQ(test::ReadFile(dir / "Over20.bak"),
              ListOf(Over20Header(1), {" 21, 22 #202 ( 19, 21)"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(Over20List, TheOldListStaysUntilCommittedAndAnAbandonedListLeavesIt) {
    test::TempFolder dir;
    test::WriteFile(dir / "Over20.txt", "old list");
    test::WriteFile(dir / "Over20.bak", "older list");
    std::string error;
    {
        Over20List list(dir.path());
        ASSERT_TRUE(list.OpenOver20(0, error));
        ASSERT_TRUE(list.FoutOver20(22, 21, 40, {10, 30}, error));
        ASSERT_TRUE(list.Finish(error));
        EXPECT_EQ(test::ReadFile(dir / "Over20.txt"), "old list");  // viewer still sees it
        // Dropped without a commit, as a failed run drops it.
    }
    EXPECT_EQ(test::ReadFile(dir / "Over20.txt"), "old list");
    EXPECT_EQ(test::ReadFile(dir / "Over20.bak"), "older list");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);

    // A folder of the list's name is the user's: neither backed up nor replaced.
    fs::remove(dir / "Over20.txt");
    fs::create_directory(dir / "Over20.txt");
    Over20List list(dir.path());
    ASSERT_TRUE(list.OpenOver20(0, error));
    EXPECT_FALSE(list.CloseOver20(error));
    EXPECT_TRUE(fs::is_directory(dir / "Over20.txt"));
    EXPECT_EQ(test::ReadFile(dir / "Over20.bak"), "older list");

    // The folder is gone (its place taken by a file).
    test::WriteFile(dir / "gone", "x");
    Over20List gone(dir / "gone");
    EXPECT_FALSE(gone.OpenOver20(0, error));
}

TEST(DoubleNT, LinesReplaceTheListWhole) {
    test::TempFolder dir;
    std::string error;
    test::WriteFile(dir / "DoubleNT.txt", "an earlier run's list\r\n");
    ASSERT_TRUE(WriteDoubleNT(dir.path(), DoubleNTLine(1234) + "\r\n" + DoubleNTLine(77) + "\r\n",
                              error));
    EXPECT_EQ(test::ReadFile(dir / "DoubleNT.txt"), "# 1234  double NT\r\n# 77  double NT\r\n");
    fs::remove(dir / "DoubleNT.txt");
    fs::create_directory(dir / "DoubleNT.txt");
    EXPECT_FALSE(WriteDoubleNT(dir.path(), "", error));
}

}  // namespace
}  // namespace lott
