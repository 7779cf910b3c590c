// Reading "Over20.txt": the lines of one Total Trumps value and the deal numbers they name.
#include <gtest/gtest.h>

#include "Over20Reader.h"
#include "TestLibrary.h"

namespace lott {
namespace {

const char* const kEnglish =
    "This file records the deal numbers for Total Trumps longer than 20.\r\n"
    " Each line consists of \r\n"
    " Total Trumps, Total Tricks, deal No, (HCP1,HCP2).\r\n"
    "Review them with another software Boardlook.\r\n"
    "------------------------------\r\n"
    " 21, 22 #3456 ( 19, 21)\r\n"
    " 22, 21 #12 ( 20, 20)\r\n"
    " 21, 20 #717102 ( 25, 15)\r\n"
    " 26, 26 #9 ( 10, 30)\r\n"
    " 21, 26 #77 ( 18, 22)\r\n";

TEST(Over20Reader, SelectsTheLinesOfOneTotalTrumpsValueInFileOrder) {
    EXPECT_EQ(Over20Reader::Select(kEnglish, 21),
              (std::vector<std::string>{" 21, 22 #3456 ( 19, 21)", " 21, 20 #717102 ( 25, 15)",
                                        " 21, 26 #77 ( 18, 22)"}));
    // Only the leading number counts: 26 in the second field does not select a line.
    EXPECT_EQ(Over20Reader::Select(kEnglish, 26),
              (std::vector<std::string>{" 26, 26 #9 ( 10, 30)"}));
    EXPECT_TRUE(Over20Reader::Select(kEnglish, 24).empty());
    EXPECT_TRUE(Over20Reader::Select(kEnglish, 0).empty());  // header lines are never listed
}

TEST(Over20Reader, ReadsLfAndCrLfAndTheJapaneseHeader) {
    std::string lf = kEnglish;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    EXPECT_EQ(Over20Reader::Select(lf, 22), (std::vector<std::string>{" 22, 21 #12 ( 20, 20)"}));
    const std::string japanese =
        "このファイルは，合計トリック数が 21 以上のディールをピックアップします。\r\n"
        "各行は，合計切り札枚数，合計トリック数，ディール番号 (HCP1, HCP2)\r\n"
        " から成ります。\r\n"
        " Boardlook を使うと，これらのディールの内容を見ることができます。\r\n"
        "------------------------------\r\n"
        " 21, 22 #3456 ( 19, 21)";  // a last line without its line end
    EXPECT_EQ(Over20Reader::Select(japanese, 21),
              (std::vector<std::string>{" 21, 22 #3456 ( 19, 21)"}));
}

TEST(Over20Reader, OnlyANumberAtTheVeryStartSelectsALine) {
    EXPECT_EQ(Over20Reader::LeadingNumber(" 21, 22 #1"), 21);
    EXPECT_EQ(Over20Reader::LeadingNumber("21"), 21);
    EXPECT_EQ(Over20Reader::LeadingNumber("x21, 22 #1"), std::nullopt);
    EXPECT_EQ(Over20Reader::LeadingNumber(" 2 1, 22 #1"), 2);  // blanks end the number
    EXPECT_EQ(Over20Reader::LeadingNumber("21.5, 22 #1"), std::nullopt);
    EXPECT_EQ(Over20Reader::LeadingNumber("2e1, 22 #1"), std::nullopt);
    EXPECT_EQ(Over20Reader::LeadingNumber("------"), std::nullopt);
    EXPECT_EQ(Over20Reader::LeadingNumber("-21, 22 #1"), std::nullopt);
    EXPECT_EQ(Over20Reader::LeadingNumber(""), std::nullopt);
    EXPECT_EQ(Over20Reader::LeadingNumber("99999999999999999999"), std::nullopt);
}

TEST(Over20Reader, ADataLineNeedsDigitsRightAfterItsFirstHash) {
    EXPECT_EQ(Over20Reader::DealNumber(" 21, 22 #3456 ( 19, 21)"), 3456);
    EXPECT_EQ(Over20Reader::DealNumber(" 21, 22 #3456 #99"), 3456);
    EXPECT_EQ(Over20Reader::DealNumber(" 21, 22 3456"), std::nullopt);
    EXPECT_EQ(Over20Reader::DealNumber(" 21, 22 # 3456"), std::nullopt);
    EXPECT_EQ(Over20Reader::DealNumber(" 21, 22 #"), std::nullopt);
    EXPECT_EQ(Over20Reader::DealNumber(" 21, 22 #99999999999"), std::nullopt);
    const char* text =
        " 21, 22 #3456 ( 19, 21)\r\n"
        " 21, 22 no number\r\n"
        " 21, 22 #\r\n"
        " 21, 22 #0 ( 1, 1)\r\n";
    // Lines without a deal number are skipped; a number outside the library is left to the
    // window, which shows nothing for it.
    EXPECT_EQ(Over20Reader::Select(text, 21),
              (std::vector<std::string>{" 21, 22 #3456 ( 19, 21)", " 21, 22 #0 ( 1, 1)"}));
}

TEST(Over20Reader, LinesLongerThanAnyTheAnalyzerWritesAreSkipped) {
    const std::string listed = " 21, 22 #5 ( 19, 21)";
    const auto padded = [&](std::size_t length) {
        return listed + std::string(length - listed.size(), 'x');
    };
    // Each line with its line end, and whether it is offered.
    const std::pair<std::string, bool> cases[] = {
        {padded(Over20Reader::kMaxLine) + "\r\n", true},
        {padded(Over20Reader::kMaxLine) + "\n", true},
        {padded(Over20Reader::kMaxLine + 1) + "\r\n", false},
        {padded(Over20Reader::kMaxLine + 1) + "\n", false},
        {padded(3 << 20) + "\r\n", false},
        {listed + "\r\n", true},
        {padded(Over20Reader::kMaxLine + 1), false}};  // the last line, without its end
    std::string text;
    std::vector<std::string> expected;
    for (const auto& [line, offered] : cases) {
        text += line;
        if (offered) expected.push_back(line.substr(0, line.find_first_of("\r\n")));
    }
    EXPECT_EQ(Over20Reader::Select(text, 21), expected);
    test::TempFolder dir;
    test::WriteFile(dir / Over20Reader::kFileName, text);
    EXPECT_EQ(Over20Reader::ReadFile(dir / Over20Reader::kFileName, 21), expected);
}

TEST(Over20Reader, ReadsAFileAndAnswersAMissingOneWithNoLines) {
    test::TempFolder dir;
    test::WriteFile(dir / Over20Reader::kFileName, kEnglish);
    EXPECT_EQ(Over20Reader::ReadFile(dir / Over20Reader::kFileName, 22).size(), 1u);
    EXPECT_TRUE(Over20Reader::ReadFile(dir / "absent.txt", 21).empty());
    EXPECT_TRUE(Over20Reader::ReadFile(dir.path(), 21).empty());  // a folder, not a file
}

}  // namespace
}  // namespace lott
