// Every help text of one language has its counterpart in the other.
#include <gtest/gtest.h>

#include "AnalyzerHelpTexts.h"
#include "ViewerHelpTexts.h"

namespace lott {
namespace {

TEST(HelpTexts, EveryTopicHasATextInBothLanguages) {
    for (int language : {0, 1}) {
        for (int topic : {0, 2, 3, 4, 5, 6}) {
            const InfoPage* page = AnalyzerInfoPage(topic, language);
            ASSERT_NE(page, nullptr) << topic << " " << language;
            EXPECT_FALSE(page->lines.empty());
            EXPECT_NE(page->lines, AnalyzerInfoPage(topic, 1 - language)->lines) << topic;
        }
        for (int topic = 1; topic <= 9; ++topic) {
            EXPECT_NE(CommentText(topic, language), "") << topic << " " << language;
            EXPECT_NE(CommentText(topic, language), CommentText(topic, 1 - language)) << topic;
        }
        for (int topic = 1; topic <= ViewerHelpTexts::kTopics; ++topic) {
            EXPECT_NE(ViewerHelpTexts::Text(topic, language), "") << topic << " " << language;
            EXPECT_NE(ViewerHelpTexts::Text(topic, language),
                      ViewerHelpTexts::Text(topic, 1 - language));
        }
    }
}

}  // namespace
}  // namespace lott
