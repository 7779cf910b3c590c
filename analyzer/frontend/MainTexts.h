// The texts of the analyzer's main window in both languages: the design captions it is laid out
// with, the caption tables applied by a language switch, and the messages it prints.
#pragma once

#include <string>
#include <vector>

#include "Modes.h"

namespace lott {

class MainTexts {
  public:
    // The window caption as laid out; start-up appends kVersion.
    static constexpr const char* kDesignCaption =
        "Trickscan based on Ostrevan's Double-Dummy Library";
    static constexpr const char* kVersion = " Ver 3.7";

    // MenuTitle(index + 10 language): menu entries 0..5 and 7, the sub-menu entries 8 and 9, and
    // 6 for the page on level differences. "" for an index without an entry.
    static std::string MenuTitle(int index, Language language);
    // CaptionTitle(index + 44 language) for index 0..33; "" for an index without an entry (24).
    static std::string CaptionTitle(int index, Language language);

    // The option captions the window is laid out with (o(0)..o(33), o(41)..o(43)).
    static std::string DesignOption(int index);
    // The frame captions the window is laid out with (Frame(0)..Frame(10)).
    static std::string DesignFrame(int index);
    // The design captions of the menu (index 0..7) and the sub-menu (8, 9).
    static std::string DesignMenu(int index);

    // The refusal to run from an archive or temporary folder: two lines per language.
    static std::string ZipLine1(Language language);
    static std::string ZipLine2(Language language);
    // The missing-library message: two lines per language.
    static std::string NotFoundLine1(Language language);
    static std::string NotFoundLine2(Language language);
    static std::string DownloadCaption(Language language);

    // What the window says when it could not do what was asked.
    static std::string PageNotOpened(Language language, const std::string& address);
    static std::string FileNotSaved(Language language, const std::string& file,
                                    const std::string& reason);
    static std::string FileSaved(Language language, const std::string& file);
    static std::string ResultIncomplete(Language language, const std::string& file);
    static std::string ResultMissing(Language language, const std::string& file);
    static std::string TableCopied(Language language, bool csv);
    static std::string TableNotCopied(Language language);
    static std::string StopBeforeClosing(Language language);

    // The table window's statistics: its buttons, the headings of its columns (length, n, mean,
    // sd, the mean's interval, exact, its interval, within one, its interval, average error,
    // thin) and the mark of a thin row.
    static std::string ReportCaption(Language language);
    static std::string StatsCaption(Language language);
    static std::string CountsCaption(Language language);
    static std::vector<std::string> StatsHeadings(Language language);
    static std::string ThinMark(Language language);
    // Rows whose deviations beyond -6..+6 a result file does not keep.
    static std::string PartialMark(Language language);
    static std::string StatsPartial(Language language);
};

}  // namespace lott
