// The viewer's captions and messages in English (language 0) and Japanese (language 1).
#pragma once

#include <cstdint>
#include <string>

namespace lott {

class ViewerTexts {
  public:
    // Caption k (1..16) of the caption table; "" for other k.
    static std::string MenuText(int language, int k);

    // n in decimal with sep between groups of three digits and no leading zeros; 0 gives "",
    // as the "###,###,###" format does.
    static std::string FormatThousands(std::int64_t n, const std::string& sep);
    // The two lines that describe the open library.
    static std::string LibraryLine1(int language, std::int64_t libFileLen, const std::string& sep);
    static std::string LibraryLine2(int language, std::int32_t dealCount, int recLen,
                                    const std::string& sep);

    // The missing-library message, two lines.
    static std::string NotFoundLine1(const std::string& fileName);
    static std::string NotFoundLine2(const std::string& fileName);

    // The refusal to run from an archive folder, two lines.
    static std::string ZipLine1(int language);
    static std::string ZipLine2(int language);

    // A deal that cannot be shown, for a damaged record or a failed read.
    static std::string DamagedDeal(int language, std::int32_t dealNo);
    static std::string UnreadableDeal(int language, std::int32_t dealNo);
    // A failed export; detail names the file and the reason.
    static std::string ExportFailed(int language, const std::string& detail);
    // A web page that could not be handed to a browser.
    static std::string PageNotOpened(int language, const std::string& address);

    // Web pages, relative to the base address of the local pages.
    static std::string DownloadPage(int index);  // 0 English, 1 Japanese, "" otherwise
    static std::string NotesPage(int language);
};

}  // namespace lott
