// The analyzer's help pages and comments: every topic in both languages, the fixed sentences
// verbatim, nothing for unknown topics, and labels that a frame can show.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "AnalyzerHelpTexts.h"

namespace lott {
namespace {

constexpr int kEnglish = 0;
constexpr int kJapanese = 1;

// Display width of a UTF-8 line (East Asian characters take two columns), or -1 when the
// bytes are not valid UTF-8.
int DisplayWidth(std::string_view s) {
    int width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80         ? 1
                        : (c >> 5) == 6  ? 2
                        : (c >> 4) == 14 ? 3
                        : (c >> 3) == 30 ? 4
                                         : 0;
        if (n == 0 || i + n > s.size()) return -1;
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d >> 6) != 2) return -1;
            cp = (cp << 6) | (d & 0x3F);
        }
        width += cp >= 0x1100 ? 2 : 1;
        i += n;
    }
    return width;
}

bool HasNonAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

TEST(AnalyzerInfoPages, EveryTopicHasItsCaptionInBothLanguages) {
    struct Case {
        int topic;
        std::string_view english, japanese;
    };
    const Case cases[] = {
        {0, "main menu", "main menu"},
        {2, "Range in HCP", "  HCP の範囲を指定する "},
        {3, "Tables and Figures", "グラフと表"},
        {4, "Corrections ( Suit vs Suit )", "補 正 (Suit Vs Suit)"},
        {5, "Corrections ( Notrump vs Suit )", "補 正 (Notrump Vs Suit)"},
        {6, "Limit Difference in Contract Levels", "コントラクトの代の差を制限する"},
    };
    EXPECT_EQ(AnalyzerHelpCaption, "Trickscan Help");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        const InfoPage* en = AnalyzerInfoPage(c.topic, kEnglish);
        const InfoPage* ja = AnalyzerInfoPage(c.topic, kJapanese);
        ASSERT_NE(en, nullptr);
        ASSERT_NE(ja, nullptr);
        EXPECT_EQ(en->caption, c.english);
        EXPECT_EQ(ja->caption, c.japanese);
        ASSERT_GE(en->lines.size(), 8u);
        ASSERT_GE(ja->lines.size(), 8u);
        // The Japanese window must not show the English text by mistake.
        EXPECT_FALSE(HasNonAscii(en->lines.front()));
        EXPECT_TRUE(HasNonAscii(ja->lines.front()));
    }
}

TEST(AnalyzerInfoPages, QuotedSentencesStandVerbatimAsWholeLines) {
    struct Case {
        int topic, language;
        std::string_view line;
    };
    const Case cases[] = {
        {4, kEnglish,
         "The corrections, after being summed up in a deal,  are rounded off toward zero in the "
         "end."},
        {5, kEnglish, "Three formulas are available.  Choose one."},
        {5, kEnglish, "(1) Total tricks = Total trumps + 7."},
        {5, kEnglish, "(2) Total tricks = Total trumps + 8, 7, 6."},
        {5, kEnglish, "(3) Total tricks = Total trumps + 9, 8, 7. "},
        {5, kJapanese, "(1) 合計トリック数 = 切り札の枚数 + 7."},
        {4, kJapanese, "以下の３種類の補正を組み合わせることができます。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line));
        const InfoPage* page = AnalyzerInfoPage(c.topic, c.language);
        ASSERT_NE(page, nullptr);
        int found = 0;
        for (const std::string& line : page->lines) found += line == c.line ? 1 : 0;
        EXPECT_EQ(found, 1);
    }
}

TEST(AnalyzerInfoPages, UnknownTopicsAndLanguagesHaveNoPageAndNoComment) {
    for (int language : {kEnglish, kJapanese}) {
        // Topic 1 ("In Detail") opens a web page; comments run from 1 to 9.
        for (int topic : {-1, 1, 7, 1000}) EXPECT_EQ(AnalyzerInfoPage(topic, language), nullptr);
        for (int topic : {-1, 0, 10}) EXPECT_EQ(CommentText(topic, language), "");
    }
    for (int language : {-1, 2}) {
        EXPECT_EQ(AnalyzerInfoPage(4, language), nullptr);
        EXPECT_EQ(CommentText(1, language), "");
    }
}

TEST(AnalyzerInfoPages, LinesAreSingleLineUtf8LabelsThatFitTheFrame) {
    // One frame width for every page: 90 columns hold the longest fixed sentence.
    constexpr int kFrameColumns = 90;
    for (int language : {kEnglish, kJapanese})
        for (int topic : {0, 2, 3, 4, 5, 6}) {
            const InfoPage* page = AnalyzerInfoPage(topic, language);
            ASSERT_NE(page, nullptr);
            for (const std::string& line : page->lines) {
                SCOPED_TRACE(line);
                EXPECT_EQ(line.find_first_of("\r\n\t"), std::string::npos);
                const int width = DisplayWidth(line);
                EXPECT_GE(width, 0) << "not UTF-8";
                EXPECT_LE(width, kFrameColumns);
            }
        }
}

TEST(AnalyzerComments, EveryTopicExistsInBothLanguagesOnItsSubject) {
    // A word that only the right topic's text holds, in both languages: catches a shifted table.
    const std::string_view subject[10] = {"",       "Ostrevan", "[NT]",    "21", "Over20.txt",
                                          "Quenby", "73",       "(9,8,7)", "+9", "+8"};
    for (int topic = 1; topic <= 9; ++topic) {
        SCOPED_TRACE(topic);
        const std::string en = CommentText(topic, kEnglish);
        const std::string ja = CommentText(topic, kJapanese);
        ASSERT_FALSE(en.empty());
        ASSERT_FALSE(ja.empty());
        EXPECT_NE(en, ja);
        EXPECT_GE(DisplayWidth(en), 0);
        EXPECT_GE(DisplayWidth(ja), 0);
        EXPECT_TRUE(HasNonAscii(ja.substr(0, ja.find('\n'))));
        EXPECT_NE(en.find(subject[topic]), std::string::npos);
        EXPECT_NE(ja.find(subject[topic]), std::string::npos);
        // A title, then paragraphs separated by an empty line; no stray line end at either side.
        EXPECT_NE(en.find("\n\n"), std::string::npos);
        EXPECT_NE(en.front(), '\n');
        EXPECT_NE(en.back(), '\n');
        EXPECT_NE(ja.back(), '\n');
    }
    for (int language : {kEnglish, kJapanese})
        EXPECT_NE(CommentText(4, language).find("Boardlook"), std::string::npos);
    // Only the two formulas of Dorvald name him; the Quenby comment stays on Quenby.
    EXPECT_EQ(CommentText(5, kEnglish).find("Dorvald"), std::string::npos);
}

}  // namespace
}  // namespace lott
