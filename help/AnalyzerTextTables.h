// The per-language tables behind AnalyzerHelpTexts; one source file holds each language.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "AnalyzerHelpTexts.h"

namespace lott::help_detail {

struct AnalyzerTextTable {
    std::array<InfoPage, 7> pages;  // index = MenuTopic; an empty caption means no page
    std::array<std::vector<std::string>, 10> comments;  // index = CommentTopic; 0 unused
};

const AnalyzerTextTable& EnglishAnalyzerTexts();
const AnalyzerTextTable& JapaneseAnalyzerTexts();

}  // namespace lott::help_detail
