// Export of the shown deal as an HTML page ("HtmlFiles/No<n>.Html"), a text page
// ("TextFiles/No<n>.Txt") or a PBN game ("PbnFiles/No<n>.pbn"): the contracts, the Total Tricks
// with the Law's prediction, the hands (and in PBN the double-dummy table).
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Contracts.h"
#include "Deal.h"
#include "Modes.h"
#include "PbnExport.h"

namespace lott {

class DealExport {
  public:
    enum class Kind { Html, Text, Pbn };

    // What the pages show of a deal: its number, the contracts as decided, the hands.
    struct Page {
        std::int32_t dealNo = 0;
        std::array<ContractRec, 2> Contract{};  // [pair], a notrump pair has Strain -1
        std::array<std::array<Holding, 4>, 4> Hand{};
        // Only the PBN game shows these: the library's file name, the double-dummy table and
        // the switches the contracts were decided under.
        std::string libraryName;
        std::array<StrainIndexed<std::int32_t>, 4> Tricks{};  // [declarer][strain]
        lott::TrumpBy TrumpBy = lott::TrumpBy::Score;
        lott::NoNT NoNT = lott::NoNT::Allowed;
        std::optional<DealSource> source;  // an imported deal's game
    };

    static std::vector<std::string> FoutHtml(const Page& page);
    static std::vector<std::string> FoutText(const Page& page);
    // A PBN file of the one deal: the export-format header, then the game.
    static std::vector<std::string> FoutPbn(const Page& page);
    static PbnExport::Game PbnGame(const Page& page);
    // The lines of a page of the kind.
    static std::vector<std::string> Lines(Kind kind, const Page& page);

    // The Law's prediction beside the Total Tricks: the Total Trumps (or Total Length), or the
    // suit pair's trumps + 7 when the other pair plays notrump.
    static std::int32_t Prediction(const Page& page);

    // Trimmed decimal text, "&nbsp;" before numbers below 10.
    static std::string str2Html(std::int32_t x);
    // Decimal text, a blank before a one-character number.
    static std::string str2(std::int32_t x);
    // s filled with blanks to 10 characters; a longer s is kept whole.
    static std::string str10(const std::string& s);

    static const char* FolderName(Kind kind);
    // "HtmlFiles/No1234.Html", "TextFiles/No1234.Txt" or "PbnFiles/No1234.pbn", relative to the
    // program folder.
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
