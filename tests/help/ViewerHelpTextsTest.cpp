// The viewer's information texts and where their window goes.
#include <gtest/gtest.h>

#include "InfoPlacement.h"
#include "ViewerHelpTexts.h"

namespace lott {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ViewerHelpTexts, EveryTopicInBothLanguages) {
    for (int topic = 1; topic <= ViewerHelpTexts::kTopics; ++topic)
        for (int language : {0, 1}) {
            const std::string t = ViewerHelpTexts::Text(topic, language);
            EXPECT_GT(t.size(), 150u) << topic << " " << language;
            EXPECT_NE(t, ViewerHelpTexts::Text(topic, 1 - language));
            EXPECT_GE(ViewerHelpTexts::WidthFactor(topic), 1.0);
            EXPECT_LE(ViewerHelpTexts::WidthFactor(topic), 1.25);
            EXPECT_GE(ViewerHelpTexts::TextWidthShare(topic), 0.93);
            EXPECT_LE(ViewerHelpTexts::TextWidthShare(topic), 0.95);
        }
    EXPECT_EQ(ViewerHelpTexts::Text(0, 0), "");
    EXPECT_EQ(ViewerHelpTexts::Text(10, 1), "");
}

TEST(ViewerHelpTexts, QuotedPassagesAndCitedDeals) {
    EXPECT_EQ(
        ViewerHelpTexts::Text(2, 0).rfind("   Deal number may be changed in several ways:", 0), 0u);
    const std::string score = ViewerHelpTexts::Text(3, 0);
    const std::string ending = "  Just switch back and forth this option for those deals.";
    EXPECT_EQ(score.substr(score.size() - ending.size()), ending);
    EXPECT_TRUE(
        Contains(ViewerHelpTexts::Text(7, 0), "\n   Total Tricks = Number of Trumps + 7.\n"));
    EXPECT_TRUE(Contains(ViewerHelpTexts::Text(7, 1), "\n      TTricks = TTrumps + 7 \n"));
    // Cited deals and names, in both languages under the same topic.
    const std::pair<int, const char*> cited[] = {
        {3, "#524"}, {3, "#309"},   {4, "#201760"},  {6, "#4"},         {6, "#447"},
        {7, "#2"},   {7, "Quenby"}, {1, "Ostrevan"}, {9, "Over20.txt"}, {8, "HtmlFiles"}};
    for (int language : {0, 1})
        for (const auto& [topic, part] : cited)
            EXPECT_TRUE(Contains(ViewerHelpTexts::Text(topic, language), part))
                << topic << " " << part << " " << language;
}

TEST(InfoPlacement, ShiftsByTopicAndStaysInsideTheScreen) {
    InfoAnchor a;
    a.mainLeft = 100;
    a.mainTop = 50;
    a.boxLeft = 1500;
    a.goLeft = 1500;
    a.screenRight = 1600;
    const int w = InfoPlacement::kStandardWidth;
    InfoGeometry g = InfoPlacement::Place(1, w, a);
    EXPECT_EQ(g.left, 100);
    EXPECT_EQ(g.top, 130);
    EXPECT_EQ(InfoPlacement::Place(3, w, a).left, 100 + 2 * 66);
    // Too far right: 100 pixels inside the screen's right edge.
    a.mainLeft = 1200;
    EXPECT_EQ(InfoPlacement::Place(2, w, a).left, 1600 - w - 100);
}

TEST(InfoPlacement, KeepsClearOfTheExplainedControl) {
    InfoAnchor a;
    a.mainLeft = 200;
    a.boxLeft = 613;
    a.goLeft = 350;
    a.screenRight = 1600;
    const int w = InfoPlacement::kStandardWidth;
    // Topics 5, 7, 8, 9 end 16 pixels left of the trick table.
    for (int topic : {5, 7, 8, 9}) EXPECT_EQ(InfoPlacement::Place(topic, w, a).left, 613 - 16 - w);
    // Topic 6 keeps clear of the Go button, but never leaves the screen.
    EXPECT_EQ(InfoPlacement::Place(6, w, a).left, 350 - 16 - w);
    a.goLeft = 200;
    EXPECT_EQ(InfoPlacement::Place(6, w, a).left, 0);
    a.goLeft = 900;  // 200 + 5 * 66 + w ends left of 900 - 16: not moved
    EXPECT_EQ(InfoPlacement::Place(6, w, a).left, 200 + 5 * 66);
    // Topics 1 to 4 are not moved for a control.
    EXPECT_EQ(InfoPlacement::Place(4, w, a).left, 200 + 3 * 66);
    // A window already left of the control stays.
    a.mainLeft = 0;
    a.boxLeft = 1400;
    EXPECT_EQ(InfoPlacement::Place(5, w, a).left, 4 * 66);
}

}  // namespace
}  // namespace lott
