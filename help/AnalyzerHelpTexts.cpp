#include "AnalyzerHelpTexts.h"

#include "AnalyzerTextTables.h"

namespace lott {

namespace {

const help_detail::AnalyzerTextTable* TableOf(Language language) {
    if (language == Language::English) return &help_detail::EnglishAnalyzerTexts();
    if (language == Language::Japanese) return &help_detail::JapaneseAnalyzerTexts();
    return nullptr;
}

}  // namespace

const InfoPage* AnalyzerInfoPage(int menuTopic, Language language) {
    const auto* table = TableOf(language);
    if (table == nullptr || menuTopic < 0 || menuTopic >= static_cast<int>(table->pages.size()))
        return nullptr;
    const InfoPage& page = table->pages[static_cast<std::size_t>(menuTopic)];
    return page.caption.empty() ? nullptr : &page;
}

std::string CommentText(int commentTopic, Language language) {
    const auto* table = TableOf(language);
    if (table == nullptr || commentTopic < 1 ||
        commentTopic >= static_cast<int>(table->comments.size()))
        return {};
    const auto& lines = table->comments[static_cast<std::size_t>(commentTopic)];
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace lott
