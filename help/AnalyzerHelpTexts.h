// The analyzer's fixed help texts in English and Japanese: the pages of the Help menu's
// information windows and the comments on the counting table and the graph.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Modes.h"

namespace lott {

// Caption of both information windows (English and Japanese).
inline constexpr std::string_view AnalyzerHelpCaption = "Trickscan Help";

// One page of an information window: a frame caption over fixed text labels.
struct InfoPage {
    std::string caption;
    std::vector<std::string> lines;  // one label per line; "" leaves an empty line
};

// The page of Help menu topic menuTopic (0, 2, 3, 4, 5, 6) in the given language.
// nullptr for any other topic (or a value outside Language): topic 1 opens a web page instead.
const InfoPage* AnalyzerInfoPage(int menuTopic, Language language);

// The comment on the table or the graph, commentTopic 1..9, in the given language: lines joined by
// "\n", paragraphs separated by an empty line, for a word-wrapping text box. "" when unknown.
std::string CommentText(int commentTopic, Language language);

}  // namespace lott
