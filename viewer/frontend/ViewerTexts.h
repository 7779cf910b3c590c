// The viewer's captions and messages in English and Japanese.
#pragma once

#include <cstdint>
#include <string>

#include "Modes.h"
#include "SourceTable.h"
#include "ViewerSession.h"

namespace lott {

class ViewerTexts {
  public:
    // Captions 1..16 are those the language switch has always set; 17..22 are the frames, the
    // list and output buttons and the two lines under the trick table.
    static constexpr int kCaptions = 22;
    // Caption k (1..kCaptions) of the caption table; "" for other k.
    static std::string MenuText(Language language, int k);

    // n in decimal with sep between groups of three digits and no leading zeros; 0 gives "",
    // as the "###,###,###" format does.
    static std::string FormatThousands(std::int64_t n, const std::string& sep);
    // The two lines that describe the open library.
    static std::string LibraryLine1(Language language, std::int64_t libFileLen,
                                    const std::string& sep);
    static std::string LibraryLine2(Language language, std::int32_t dealCount, int recLen,
                                    const std::string& sep);

    // The line under them for a deal of an imported library: event, board and date.
    static std::string SourceLine(Language language, const DealSource& s);

    // The missing-library message, two lines.
    static std::string NotFoundLine1(const std::string& fileName);
    static std::string NotFoundLine2(const std::string& fileName);
    // The first line by the reason: not found, a file without one whole record ("holds no
    // deals"), or one that cannot be opened.
    static std::string FailureLine1(LibraryFailure why, const std::string& fileName);
    // A library that could not be opened while another one stays in use (the status line).
    static std::string LibraryNotOpened(Language language, LibraryFailure why,
                                        const std::string& fileName, const std::string& inUse);
    // A successful export, with the file it wrote.
    static std::string Written(Language language, const std::string& file);

    // The refusal to run from an archive folder, two lines.
    static std::string ZipLine1(Language language);
    static std::string ZipLine2(Language language);

    // A deal that cannot be shown, for a damaged record or a failed read.
    static std::string DamagedDeal(Language language, std::int32_t dealNo);
    static std::string UnreadableDeal(Language language, std::int32_t dealNo);
    // A failed export; detail names the file and the reason.
    static std::string ExportFailed(Language language, const std::string& detail);
    // A web page that could not be handed to a browser.
    static std::string PageNotOpened(Language language, const std::string& address);

    // Web pages, relative to the base address of the local pages.
    // index: the download button, one per language, numbered as Language is (0 English,
    // 1 Japanese); "" for another index.
    static std::string DownloadPage(int index);
    static std::string NotesPage(Language language);
};

}  // namespace lott
