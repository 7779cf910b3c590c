// Every help text of one language has its counterpart in the other.
#include <gtest/gtest.h>

#include "AnalyzerHelpTexts.h"
#include "ViewerHelpTexts.h"

namespace lott {
namespace {

TEST(HelpTexts, EveryTopicHasATextInBothLanguages) {
    for (int language : {0, 1}) {
        const auto lang = static_cast<Language>(language);
        const auto other = static_cast<Language>(1 - language);
        for (int topic : {0, 2, 3, 4, 5, 6}) {
            const InfoPage* page = AnalyzerInfoPage(topic, lang);
            ASSERT_NE(page, nullptr) << topic << " " << language;
            EXPECT_FALSE(page->lines.empty());
            EXPECT_NE(page->lines, AnalyzerInfoPage(topic, other)->lines) << topic;
        }
        for (int topic = 1; topic <= 9; ++topic) {
            EXPECT_NE(CommentText(topic, lang), "") << topic << " " << language;
            EXPECT_NE(CommentText(topic, lang), CommentText(topic, other)) << topic;
        }
        for (int topic = 1; topic <= ViewerHelpTexts::kTopics; ++topic) {
            EXPECT_NE(ViewerHelpTexts::Text(topic, lang), "") << topic << " " << language;
            EXPECT_NE(ViewerHelpTexts::Text(topic, lang), ViewerHelpTexts::Text(topic, other));
        }
    }
}

}  // namespace
}  // namespace lott
