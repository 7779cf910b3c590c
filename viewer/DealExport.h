// Export of the shown deal as an HTML page ("HtmlFiles/No<n>.Html") or a text page
// ("TextFiles/No<n>.Txt"): the contracts, the Total Tricks with the Law's prediction, the hands.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Contracts.h"
#include "Deal.h"

namespace lott {

class DealExport {
  public:
    enum class Kind { Html, Text };

    // What the pages show of a deal: its number, the contracts as decided, the hands.
    struct Page {
        std::int32_t dealNo = 0;
        std::array<ContractRec, 2> Contract{};  // [pair], a notrump pair has Strain -1
        std::array<std::array<Holding, 4>, 4> Hand{};
    };

    static std::vector<std::string> FoutHtml(const Page& page);
    static std::vector<std::string> FoutText(const Page& page);

    // Trimmed decimal text, "&nbsp;" before numbers below 10.
    static std::string str2Html(std::int32_t x);
    // Decimal text, a blank before a one-character number.
    static std::string str2(std::int32_t x);
    // s filled with blanks to 10 characters; a longer s is kept whole.
    static std::string str10(const std::string& s);

    static const char* FolderName(Kind kind);
    // "HtmlFiles/No1234.Html" or "TextFiles/No1234.Txt", relative to the program folder.
    static std::filesystem::path RelativePath(Kind kind, std::int32_t dealNo);

    struct Result {
        bool ok = false;
        std::filesystem::path file;  // the file written, or the one that failed
        std::string error;           // what failed, for the window's message
    };
    // Creates the folder when nothing of its name exists and writes the page with CR LF line
    // ends, replacing an earlier export of the deal (which stays whole when the write fails).
    // Never throws.
    static Result Write(const std::filesystem::path& programFolder, Kind kind, const Page& page);
};

}  // namespace lott
