// The three header lines of the table window and the result files.
#include <gtest/gtest.h>

#include <regex>

#include "Headers.h"
#include "UiTestSupport.h"

namespace lott {
namespace {

using test::Clicked;
const std::string kWhen = "2024-05-06 07:08:09";

TEST(PrepareHeaders, TheExample) {
    auto h = PrepareHeaders(Clicked({1, 42, 14}), kWhen);
    EXPECT_EQ(h[0],
              " Select Trumps by Score. Forbid Artificial Declarer.  HCP range 0 ==> 40. Limit "
              "level difference to within 2.");
    EXPECT_EQ(h[1], " Options: (D2)( Add ONE for double fit) ");
    EXPECT_EQ(h[2], " Quenby Formula for NT (+7). " + kWhen);
}

TEST(PrepareHeaders, FirstLineNamesTrumpsDeclarerRangeAndLevels) {
    auto h = PrepareHeaders(Clicked({0, 6, 41}), kWhen);
    EXPECT_EQ(h[0],
              " Select Trumps by Length. Allow Artificial Declarer.  HCP range 17 ==> 23. Limit "
              "level difference to within 1.");
    h = PrepareHeaders(Clicked({1, 2, 7, 43}), kWhen);
    EXPECT_EQ(h[0],
              " Select Trumps by Length. Forbid Artificial Declarer.  HCP range 15 ==> 25. "
              "Doesn't care levels.");
    // Before any preset: neither trump mode nor Forbid is selected.
    Settings none;
    none.DefaultSetting(false);
    h = PrepareHeaders(none, kWhen);
    EXPECT_EQ(h[0], " Select Trumps by Length. Allow Artificial Declarer.  HCP range 0 ==> 40.");
    EXPECT_EQ(h[1], " Options: (none)");
}

TEST(PrepareHeaders, OptionsLine) {
    EXPECT_EQ(PrepareHeaders(Clicked({1}), kWhen)[1], " Options: (none)");
    EXPECT_EQ(PrepareHeaders(Clicked({0}), kWhen)[1], " Options: (none)");
    // Under Ostrevan a code left from Standard shows nothing at all.
    EXPECT_EQ(PrepareHeaders(Clicked({1, 14, 0}), kWhen)[1], " Options: ");
    EXPECT_EQ(PrepareHeaders(Clicked({1, 15, 17, 20}), kWhen)[1],
              " Options: (ETC)( Add 1/2 for double fit)  ( Add ONE for AKQ in trump) ( Deduct "
              "1/2 for Chameleon Qxx)");
    EXPECT_EQ(PrepareHeaders(Clicked({1, 18, 43}), kWhen)[1],
              " Options: (S-) ( Add 1/2 for AKQ in trump)");
    EXPECT_EQ(PrepareHeaders(Clicked({1, 43}), kWhen)[1], " Options: (-)");
    const std::pair<int, const char*> filters[] = {
        {27, "(D2) Count Only deals with Double-Double fit.  "},
        {26, "(D1) Count Only deals where Only Either side has Double fit.  "},
        {25, "(D0) Count Only deals where Neither sides have Double fit.  "},
        {30, "(S2) Count Only deals where Both sides have Solid Trumps."},
        {29, "(S1) Count Only deals where Only One side has Solid Trump."},
        {28, "(S0) Count Only deals where Neither sides have Solid Trumps."},
        {33, "(C2) Count Only deals where Both sides have Chameleon Queens."},
        {32, "(C1) Count Only deals where Only One side has a Chameleon Queen."},
        {31, "(C0) Count Only deals where Neither sides have Chameleon Queens."}};
    for (auto [i, text] : filters)
        EXPECT_EQ(PrepareHeaders(Clicked({1, i}), kWhen)[1], std::string(" Options: ") + text);
    // The double-fit "Neither" filter keeps the corrections, and both are named.
    EXPECT_EQ(PrepareHeaders(Clicked({1, 14, 25}), kWhen)[1],
              " Options: (D0)( Add ONE for double fit)  Count Only deals where Neither sides "
              "have Double fit.  ");
}

TEST(PrepareHeaders, ThirdLineTakesTheFirstNotrumpTextThatApplies) {
    const std::pair<int, const char*> lines[] = {
        {11, " Quenby Formula for NT (+7)."},
        {12, " Dorvald Formula (+8, +7, +6) for NT."},
        {13, " Modified Dorvald Formula (+9, +8, +7) for NT."},
        {24, " Choose only Void Hands against NT."},
        {23, " Choose only Singleton Hands against NT."},
        {22, " Choose only Doubleton Hands against NT."}};
    for (auto [i, text] : lines)
        EXPECT_EQ(PrepareHeaders(Clicked({1, i}), kWhen)[2], std::string(text) + " " + kWhen);
    // Ostrevan selects No NT Calls, which comes first.
    EXPECT_EQ(PrepareHeaders(Clicked({1, 12, 0}), kWhen)[2], " No Notrump calls at all. " + kWhen);
}

TEST(PrepareHeaders, NowTextIsDateAndTime) {
    EXPECT_TRUE(std::regex_match(NowText(), std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")))
        << NowText();
}

}  // namespace
}  // namespace lott
