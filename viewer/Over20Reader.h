// Reading the list "Over20.txt" that the analyzer writes: header lines, a line of hyphens, then
// one line per deal such as " 21, 22 #3456 ( 19, 21)" (Total Trumps, Total Tricks, deal number,
// points of W-E and N-S).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lott {

class Over20Reader {
  public:
    static constexpr const char* kFileName = "Over20.txt";

    // The number that opens the line (after leading blanks), or nothing when the line does not
    // start with a whole number: header and separator lines, "x21", "2 1", "21.5".
    static std::optional<std::int32_t> LeadingNumber(std::string_view line);
    // The digits after the first "#", or nothing when there are none or they overflow.
    static std::optional<std::int32_t> DealNumber(std::string_view line);
    // The lines of text (CR LF or LF line ends) that open with totalTrumps and name a deal, in
    // file order, without their line ends.
    static std::vector<std::string> Select(std::string_view text, std::int32_t totalTrumps);
    // The same from a file; a missing or unreadable file gives no lines.
    static std::vector<std::string> ReadFile(const std::filesystem::path& file,
                                             std::int32_t totalTrumps);
};

}  // namespace lott
