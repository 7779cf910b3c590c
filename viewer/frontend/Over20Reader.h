// Reading the list "Over20.txt" that the analyzer writes: header lines, a line of hyphens, then
// one line per deal such as " 21, 22 #3456 ( 19, 21)" (Total Trumps, Total Tricks, deal number,
// points of W-E and N-S).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lott {

class Over20Reader {
  public:
    static constexpr const char* kFileName = "Over20.txt";
    // The longest line the analyzer writes is 106 bytes (the first Japanese header line); a
    // data line is at most 29. A longer line, without its line end, is no list line.
    static constexpr std::size_t kMaxLine = 256;

    // Calls take with each line of in (CR LF or LF line ends), without its line end, in file
    // order; a line longer than kMaxLine is skipped. Holds one line of at most kMaxLine bytes,
    // so a list of any size costs no more memory than a short one.
    static void ForEachLine(std::istream& in, const std::function<void(std::string_view)>& take);

    // The number that opens the line (after leading blanks), or nothing when the line does not
    // start with a whole number: header and separator lines, "x21", "2 1", "21.5".
    static std::optional<std::int32_t> LeadingNumber(std::string_view line);
    // The digits after the first "#", or nothing when there are none or they overflow.
    static std::optional<std::int32_t> DealNumber(std::string_view line);
    // Whether a line is offered under totalTrumps: it opens with that number and names a deal.
    static bool Listed(std::string_view line, std::int32_t totalTrumps);
    // The lines of text (as ForEachLine takes them) that are listed under totalTrumps, in file
    // order, without their line ends.
    static std::vector<std::string> Select(std::string_view text, std::int32_t totalTrumps);
    // The same from a file, read line by line; a missing or unreadable file gives no lines.
    static std::vector<std::string> ReadFile(const std::filesystem::path& file,
                                             std::int32_t totalTrumps);
};

}  // namespace lott
