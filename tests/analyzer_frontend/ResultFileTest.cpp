// Result-file layout and the edge cases of writing and reading it: blanks for zero, optional
// fields, failed writes that keep the old file, and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "Headers.h"
#include "ResultFile.h"
#include "TestLibrary.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
using test::Clicked;
using test::CrLfLines;

const std::array<std::string, 3> kHead{" one", " two", " three"};
const std::string kBlank(7, ' ');

std::string Field(const std::string& line, std::size_t pos) {
    return line.substr(pos - 1, 7);
}

TEST(ResultFileLayout, OstrevanHoldsTheSuitBlockAloneStandardAddsTheNotrumpBlock) {
    // Rows 10..25 and their total, then for Standard rows 11..22 and theirs; every row 119 wide.
    for (const auto& [preset, count] : {std::pair{0, 20u}, std::pair{1, 33u}}) {
        const auto lines = CrLfLines(ResultFileText(CountingTables{}, Clicked({preset}), kHead));
        ASSERT_EQ(lines.size(), count);
        EXPECT_EQ(lines[0], " one");
        EXPECT_EQ(lines[2], " three");
        for (std::size_t i = 3; i < count; ++i) EXPECT_EQ(lines[i].size(), 119u) << i;
        EXPECT_EQ(Field(lines[18], 1), "     25");
        // An empty table: deals always written, deviations blank, averages 0.00.
        EXPECT_EQ(lines[3], "     10      0" + std::string(13 * 7, ' ') + "   0.00   0.00");
        EXPECT_EQ(lines[19], kBlank + "      0" + std::string(13 * 7, ' ') + "   0.00   0.00");
        if (preset == 1) {
            EXPECT_EQ(Field(lines[20], 1), "     11");
            EXPECT_EQ(Field(lines[31], 1), "     22");
            EXPECT_EQ(Field(lines[32], 1), kBlank);
        }
    }
}

TEST(ResultFileLayout, FieldsCountsAndAverages) {
    CountingTables t;
    t.DevTable(0, 17, 30) = 12345678;
    t.DevTable(0, 17, -6) = 2.5f;    // halves go up
    t.DevTable(0, 17, 0) = 0.4999f;  // rounds to 0: blanks
    t.DevTable(0, 17, 5) = 1e8f;     // "100000000": its last 7 digits
    t.DevTable(0, 17, 6) = -0.5f;    // rounds to 0: blanks
    t.DevTable(0, 17, 1) = -1.5f;
    t.DevTable(0, 17, 7) = 99;  // outside -6..6: not stored
    t.DevTable(0, 17, 29) = 99;
    t.DevMean(0, 17) = -0.5f;
    t.DevAbsMean(0, 17) = 0.0f;
    t.DevTable(0, 30, 30) = 4;
    t.DevTable(0, 30, -1) = 0.2f;
    t.DevTable(0, 30, 2) = 3.5f;
    t.DevMean(0, 30) = 12345.678f;
    t.DevAbsMean(0, 30) = 0.125f;
    const auto lines = CrLfLines(ResultFileText(t, Clicked({0}), kHead));
    const std::string& row = lines[3 + 17 - 10];
    EXPECT_EQ(Field(row, 1), "     17");
    EXPECT_EQ(Field(row, 8), "2345678");
    EXPECT_EQ(Field(row, 15), "      3");
    EXPECT_EQ(Field(row, 15 + 7 * 6), kBlank);
    EXPECT_EQ(Field(row, 15 + 7 * 7), "     -1");  // floor(-1.5 + 0.5)
    EXPECT_EQ(Field(row, 15 + 7 * 11), "0000000");
    EXPECT_EQ(Field(row, 15 + 7 * 12), kBlank);
    EXPECT_EQ(Field(row, 106), "  -0.50");
    EXPECT_EQ(Field(row, 113), "   0.00");
    const std::string& total = lines[19];
    EXPECT_EQ(total, kBlank + "      4" + std::string(5 * 7, ' ') + kBlank +
                         std::string(2 * 7, ' ') + "      4" + std::string(4 * 7, ' ') +
                         "2345.68   0.13");
}

TEST(Fout, ReplacesAnEarlierResultAndLeavesNoPartFile) {
    test::TempFolder dir;
    Settings s = Clicked({0});
    CountingTables t;
    test::WriteFile(dir / "40OstLen.dat", "old result");
    std::string error;
    ASSERT_TRUE(Fout(dir.path(), s.ResultName, t, s, kHead, error)) << error;
    EXPECT_EQ(test::ReadFile(dir / "40OstLen.dat"), ResultFileText(t, s, kHead));
    // No part file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
    // A missing data folder is made.
    ASSERT_TRUE(Fout(dir / "DataFiles", s.ResultName, t, s, kHead, error)) << error;
    EXPECT_TRUE(fs::exists(dir / "DataFiles" / "40OstLen.dat"));
}

TEST(Fout, AFailedWriteReportsAndKeepsTheOldFile) {
    test::TempFolder dir;
    Settings s = Clicked({0});
    CountingTables t;
    std::string error;

    // The data folder's place is taken by a file.
    test::WriteFile(dir / "DataFiles", "not a folder");
    EXPECT_FALSE(Fout(dir / "DataFiles", s.ResultName, t, s, kHead, error));
    EXPECT_FALSE(error.empty());

    // A folder where the result should be: not replaced, reported, no part file left.
    fs::create_directory(dir / "(none)40ScoCo.dat");
    test::WriteFile(dir / "(none)40ScoCo.dat" / "keep", "x");
    Settings st = Clicked({1});
    error.clear();
    EXPECT_FALSE(Fout(dir.path(), st.ResultName, t, st, kHead, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::exists(dir / "(none)40ScoCo.dat" / "keep"));
    // No part file is left: the file "DataFiles" and the folder are all there is.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 2);
}

TEST(Fin, MissingFileGivesEmptyTables) {
    test::TempFolder dir;
    CountingTables t;
    t.DevTable(0, 17, 0) = 3;
    t.EventRate(-1, 2) = 1;
    std::array<std::string, 3> head{"a", "b", "c"};
    FinResult r = Fin(dir.path(), "nothing", t, Clicked({1}), head);
    EXPECT_FALSE(r.found);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(t.DevTable(0, 17, 0), 0.0f);
    EXPECT_EQ(t.EventRate(-1, 2), 0.0f);
    EXPECT_EQ(head, (std::array<std::string, 3>{}));
    fs::create_directory(dir / "folder.dat");
    EXPECT_FALSE(Fin(dir.path(), "folder", t, Clicked({1}), head).found);
}

TEST(Fin, ShortFilesAreReadAsFarAsTheyGo) {
    Settings s = Clicked({1, 14});
    CountingTables t;
    for (int L = 10; L <= 25; ++L) t.DevTable(0, L, 30) = float(L);
    const std::string full = ResultFileText(t, s, kHead);
    std::array<std::string, 3> head;
    CountingTables back;

    FinResult r = FinText(full.substr(0, full.find("\r\n") + 2), back, s, head);
    EXPECT_TRUE(r.found);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.lines, 1);
    EXPECT_EQ(head[0], " one");
    EXPECT_EQ(head[1], "");

    // Three header lines and five rows, the last cut in its middle and without a line end.
    std::size_t pos = 0;
    for (int i = 0; i < 7; ++i) pos = full.find("\r\n", pos) + 2;
    r = FinText(full.substr(0, pos + 14), back, s, head);
    EXPECT_EQ(r.lines, 8);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(back.DevTable(0, 13, 30), 13.0f);
    EXPECT_EQ(back.DevTable(0, 14, 30), 14.0f);  // the cut line still holds the deals field
    EXPECT_EQ(back.DevTable(0, 15, 30), 0.0f);

    // Rows cut before their optional fields, or inside them.
    CountingTables ev;
    for (int e = 1; e <= 3; ++e) ev.EventTable(0, 10, e) = 7;
    const std::string evFile = ResultFileText(ev, s, kHead);
    const std::string row = evFile.substr(evFile.find("\r\n     10") + 2, 140);
    ASSERT_EQ(row.substr(119), "      7      7      7");
    const std::string text = " a\r\n b\r\n c\r\n" + row.substr(0, 119) + "\r\n" +
                             row.substr(0, 123) + "\r\n" + row.substr(0, 126);
    FinText(text, back, s, head);
    EXPECT_EQ(back.EventTable(0, 10, 1), 0.0f);  // the line ends before the field
    EXPECT_EQ(back.EventTable(0, 11, 1), 0.0f);  // "    " holds no digit
    EXPECT_EQ(back.EventTable(0, 12, 1), 7.0f);  // the whole first field
    EXPECT_EQ(back.EventTable(0, 12, 2), 0.0f);  // starts beyond the end: reading stops
}

TEST(Fin, DamagedAndEditedFiles) {
    Settings s = Clicked({1, 12});
    std::array<std::string, 3> head;
    CountingTables back;

    // LF and CR line ends, letters in fields, a huge line, a row with its length edited.
    std::string text = "h1\nh2\rh3\r\n";
    text += "     10    abc    12x" + std::string(84, ' ') + "  -0.50zzzzzzz\n";
    text += std::string(200000, '9') + "\n";
    text += "    999      5\r\n";
    text += std::string("\0\xff\x01", 3) + "\r\n";
    FinResult r = FinText(text, back, s, head);
    EXPECT_EQ(head, (std::array<std::string, 3>{"h1", "h2", "h3"}));
    EXPECT_EQ(r.lines, 7);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(back.DevTable(0, 10, 30), 0.0f);   // "    abc"
    EXPECT_EQ(back.DevTable(0, 10, -6), 12.0f);  // "    12x": the digits before the letter
    EXPECT_EQ(back.DevMean(0, 10), -0.5f);
    EXPECT_EQ(back.DevAbsMean(0, 10), 0.0f);
    EXPECT_EQ(back.DevTable(0, 11, 30), 9999999.0f);
    EXPECT_EQ(back.DevTable(0, 12, 30), 5.0f);  // rows go by their place, not their length text
    EXPECT_EQ(back.DevTable(0, 13, 30), 0.0f);

    // An empty file, and one of empty lines only.
    EXPECT_EQ(FinText("", back, s, head).lines, 0);
    r = FinText(std::string(5000, '\n'), back, s, head);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.lines, 33);
    EXPECT_EQ(back.DevTable(0, 30, 30), 0.0f);
}

TEST(Fin, LineEndsAnywhereInALongFile) {
    // A CR LF split by the reader's 8192-byte blocks is still one line end, and a line far longer
    // than any field reach is cut without losing the lines after it.
    Settings s = Clicked({0});
    std::array<std::string, 3> head;
    CountingTables back;
    for (std::size_t first : {8190u, 8191u, 8192u, 100000u}) {
        const std::string text = std::string(first, 'h') + "\r\nsecond\rthird\n     10     42\r\n";
        const FinResult r = FinText(text, back, s, head);
        EXPECT_EQ(r.lines, 4) << first;
        EXPECT_EQ(head[0].size(), std::min<std::size_t>(first, 65536)) << first;
        EXPECT_EQ(head[1], "second");
        EXPECT_EQ(head[2], "third");
        EXPECT_EQ(back.DevTable(0, 10, 30), 42.0f) << first;
    }
}

TEST(FieldValue, ReadsNumbersLikeTheOriginalReader) {
    const float max = std::numeric_limits<float>::max();
    const std::pair<const char*, float> cases[] = {
        {"   1234", 1234.0f}, {"  -0.50", -0.5f}, {"   0.13", 0.13f}, {"       ", 0.0f},
        {"", 0.0f},           {"abc", 0.0f},      {"12abc", 12.0f},   {" 1 2 ", 12.0f},
        {"-", 0.0f},          {".", 0.0f},        {"5.", 5.0f},       {".5", 0.5f},
        {"+7", 7.0f},         {"1e3", 1000.0f},   {"1D2", 100.0f},    {"2e", 2.0f},
        {"1e45", max},        {"1e999", 0.0f},    {"1.2.3", 1.2f}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(FieldValue(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace lott
