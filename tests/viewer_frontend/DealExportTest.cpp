// The HTML and text pages of a deal, line by line, and writing them into their folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "DealExport.h"
#include "TestLibrary.h"
#include "ViewerDeals.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

// Hands as West, North, East, South texts "S.H.D.C".
DealExport::Page PageOf(std::int32_t no, ContractRec we, ContractRec ns,
                        std::array<const char*, 4> hands = test::kHands) {
    DealExport::Page p;
    p.dealNo = no;
    p.Contract = {we, ns};
    DealRecord r = DealRecord::FromText({std::string_view(hands[0]), hands[1], hands[2], hands[3]});
    p.Hand = r.hands;
    return p;
}

ContractRec C(int strain, int tricks, int trumps) {
    ContractRec c;
    c.Strain = strain;
    c.Tricks = tricks;
    c.Trumps = trumps;
    return c;
}

TEST(DealExportText, SuitAgainstSuit) {
    // N-S 9 tricks in spades with 9 trumps, W-E 8 in hearts with 9 trumps.
    auto lines = DealExport::FoutText(PageOf(1234, C(1, 8, 9), C(0, 9, 9)));
    const std::vector<std::string> expected = {
        "Board #1234",
        " N-S  9 tricks in Spades   ( 9)",
        " E-W  8 tricks in Hearts   ( 9)",
        "     17 Total tricks.      (18)",
        "              S AKQJ5",
        "              H 32",
        "              D AKQ",
        "              C 432",
        " S 64         ---N----  S 32",
        " H AKQJT     |      E | H 9876",
        " D JT9       | W      | D 876",
        " C AKQ        ----S---  C JT98",
        "              S T987",
        "              H 54",
        "              D 5432",
        "              C 765",
    };
    EXPECT_EQ(lines, expected);
}

TEST(DealExportText, NotrumpPairHasNoTrumpCountAndThePredictionIsTrumpsPlusSeven) {
    auto lines = DealExport::FoutText(PageOf(2, C(-1, 9, 4), C(0, 10, 9)));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[1], " N-S 10 tricks in Spades   ( 9)");
    EXPECT_EQ(lines[2], " E-W  9 tricks in NoTrump  ");  // the blanks stay, nothing after
    EXPECT_EQ(lines[3], "     19 Total tricks.      (16)");
}

TEST(DealExportText, VoidsAndALongWestSuit) {
    // West holds eleven spades; North is void in spades.
    const std::array<const char*, 4> hands = {"AKQJT987654.2.2.", ".AKQJT9876.A.A2",
                                              "32.543.KQJT9.KQJ", ".8..T98765432"};
    // The layout does not look at whether the cards make a deal.
    auto lines = DealExport::FoutText(PageOf(5, C(0, 11, 13), C(1, 10, 9), hands));
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[4], "              S ");               // a void: nothing after
    EXPECT_EQ(lines[8], " S AKQJT987654 ---N----  S 32");  // the long suit widens its line
    EXPECT_EQ(lines[9], " H 2         |      E | H 543");
    EXPECT_EQ(lines[11], " C            ----S---  C KQJ");  // West's void: ten blanks
    EXPECT_EQ(lines[12], "              S ");
}

TEST(DealExportHtml, SuitAgainstSuitLineByLine) {
    auto lines = DealExport::FoutHtml(PageOf(1234, C(1, 8, 9), C(0, 9, 9)));
    const std::vector<std::string> head = {
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\"",
        "\"http://www.w3.org/TR/html4/strict.dtd\">",
        "<html>",
        "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=UTF-8\">",
        "<style type=\"text/css\">",
        "body.bdy{background-color:#ffe8e8;",
        "font-family:'Times New Roman'}",
        "td{white-space:nowrap}",
        "td.lft{text-align:left}",
        "td.rit{text-align:right}",
        "td.cds{text-align:left;font-family:'Courier New';font-size:120%}",
        "span.rd{color:red}",
        "span.spd{font-family:'Symbol';color:black;font-size:125%}",
        "span.hrt{font-family:'Symbol';color:red;font-size:125%}",
        "span.dmd{font-family:'Symbol';color:fuchsia;font-size:125%}",
        "span.clb{font-family:'Symbol';color:blue;font-size:125%}",
        "table.hand{float:left;width:45%;line-height:1.8ex}",
        "div.ctr{text-align:center}",
        "</style>",
        "</head>",
        "<body class=bdy>",
        "Board &#35;1234",
        "<table style=\"line-height:90%\">",
        "<tr><td>&nbsp;N-S&nbsp;<td>&nbsp;9 tricks in Spades",
        "<td>(&nbsp;9)",
        "<tr><td>&nbsp;W-E&nbsp;<td>&nbsp;8 tricks in Hearts",
        "<td>(&nbsp;9)",
        "<tr><td colspan=2 align=center>17 Total Tricks.",
        "<td>(18)",
        "</table>",
        " <br>",
        "<!-- Hand -->",
        "<table border=0 class=hand>",
    };
    ASSERT_GT(lines.size(), head.size());
    for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << i;

    const std::string sp = "<td><span class=spd>&#9824;</span>";
    const std::string he = "<td><span class=hrt>&#9829;</span>";
    const std::string di = "<td><span class=dmd>&#9830;</span>";
    const std::string cl = "<td><span class=clb>&#9827;</span>";
    const std::vector<std::string> hand = {
        // North
        "<tr>",
        " <td>",
        " <td class=rit>North&nbsp;&nbsp;",
        " " + sp,
        " <td class=cds>AKQJ5",
        "<tr>",
        " <td>",
        " <td>",
        " " + he,
        " <td class=cds>32",
        "<tr>",
        " <td>",
        " <td>",
        " " + di,
        " <td class=cds>AKQ",
        "<tr>",
        " <td colspan=2>West",
        " " + cl,
        " <td class=cds>432",
        " <td colspan=2>East",
        // West and East
        "<tr>",
        " " + sp,
        " <td class=cds>64",
        " <td>",
        " <td>",
        " " + sp,
        " <td class=cds>32",
        "<tr>",
        " " + he,
        " <td class=cds>AKQJT",
        " <td>",
        "  <td>",
        "  " + he,
        "  <td class=cds>9876",
        " <tr>",
        "  " + di,
        "  <td class=cds>JT9",
        "  <td>",
        "  <td>",
        "  " + di,
        "  <td class=cds>876",
        " <tr>",
        "  " + cl,
        "  <td class=cds>AKQ",
        "  <td>",
        "  <td>",
        "  " + cl,
        "  <td class=cds>JT98",
        // South
        " <tr>",
        "  <td>",
        "  <td>",
        "  " + sp,
        "  <td class=cds>T987",
        " <tr>",
        "  <td>",
        "  <td>",
        "  " + he,
        "  <td class=cds>54",
        " <tr>",
        "  <td>",
        "  <td>",
        "  " + di,
        "  <td class=cds>5432",
        " <tr>",
        "  <td>",
        "  <td>",
        "  " + cl,
        "  <td class=cds>765",
        " <tr>",
        "  <td>",
        "  <td>",
        "  <td colspan=4>South",
        " </table>",
        "</body>",
        "</html>",
    };
    ASSERT_EQ(lines.size(), head.size() + hand.size());
    for (std::size_t i = 0; i < hand.size(); ++i)
        EXPECT_EQ(lines[head.size() + i], hand[i]) << head.size() + i;
    for (const auto& l : lines)
        for (unsigned char c : l) ASSERT_LT(c, 128) << l;  // ASCII only
}

TEST(DealExportHtml, NotrumpPairAndTenOrMoreTricks) {
    auto lines = DealExport::FoutHtml(PageOf(77, C(1, 3, 9), C(-1, 10, 9)));
    auto at = std::find(lines.begin(), lines.end(), "<table style=\"line-height:90%\">");
    ASSERT_NE(at, lines.end());
    std::vector<std::string> table(at + 1, at + 7);
    const std::vector<std::string> expected = {
        "<tr><td>&nbsp;N-S&nbsp;<td>10 tricks in NoTrump",
        "<tr><td>&nbsp;W-E&nbsp;<td>&nbsp;3 tricks in Hearts",
        "<td>(&nbsp;9)",
        "<tr><td colspan=2 align=center>13 Total Tricks.",
        "<td>(16)",
        "</table>",
    };
    EXPECT_EQ(table, expected);
}

TEST(DealExportWrite, CreatesTheFolderReplacesTheFileAndEndsLinesWithCrLf) {
    test::TempFolder dir;
    auto page = PageOf(12, C(1, 8, 9), C(0, 9, 9));
    auto r = DealExport::Write(dir.path(), DealExport::Kind::Text, page);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.file, dir.path() / "TextFiles" / "No12.Txt");
    std::string first = test::ReadFile(r.file);
    EXPECT_EQ(first.substr(0, 13), "Board #12\r\n N");
    EXPECT_EQ(first.substr(first.size() - 21), "              C 765\r\n");

    page.Contract[1].Tricks = 10;  // the same deal again: one file, the newer content
    r = DealExport::Write(dir.path(), DealExport::Kind::Text, page);
    ASSERT_TRUE(r.ok);
    std::string second = test::ReadFile(r.file);
    EXPECT_NE(second.find(" N-S 10 tricks"), std::string::npos);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(dir.path() / "TextFiles"), fs::directory_iterator{}),
        1);

    r = DealExport::Write(dir.path(), DealExport::Kind::Html, page);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "HtmlFiles" / "No12.Html"));
    std::string html = test::ReadFile(r.file);
    std::size_t lf = 0, crlf = 0;
    for (std::size_t i = 0; i < html.size(); ++i)
        if (html[i] == '\n') {
            ++lf;
            if (i > 0 && html[i - 1] == '\r') ++crlf;
        }
    EXPECT_EQ(lf, crlf);
    EXPECT_EQ(lf, DealExport::FoutHtml(page).size());
}

TEST(DealExportWrite, FailuresAreReportedNotSwallowed) {
    test::TempFolder dir;
    auto page = PageOf(3, C(1, 8, 9), C(0, 9, 9));
    // A file where the folder should be.
    test::WriteFile(dir.path() / "HtmlFiles", "x");
    auto r = DealExport::Write(dir.path(), DealExport::Kind::Html, page);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("HtmlFiles"), std::string::npos);
    EXPECT_EQ(test::ReadFile(dir.path() / "HtmlFiles"), "x");  // the user's file is untouched
    // A folder where the file should be.
    fs::create_directories(dir.path() / "TextFiles" / "No3.Txt");
    r = DealExport::Write(dir.path(), DealExport::Kind::Text, page);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("No3.Txt"), std::string::npos);
    // A program folder that does not exist: the folder cannot be made.
    r = DealExport::Write(dir.path() / "missing" / "deeper", DealExport::Kind::Text, page);
    EXPECT_FALSE(r.ok);
}

}  // namespace
}  // namespace lott
