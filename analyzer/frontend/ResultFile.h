// The result file of a run ("DataFiles/" + result name + ".dat"): the counting tables as lines of
// fixed 7-character fields under the three header lines, written by Fout and read back by Fin.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "CountingTables.h"
#include "Settings.h"

namespace lott {

// The bytes of the result file of these tables and settings (CR LF line ends).
std::string ResultFileText(const CountingTables& tables, const Settings& s,
                           const std::array<std::string, 3>& headers);

// Writes dataDir / (fName + ".dat"). The text goes to a file beside it that is then renamed over
// it, so a failed write leaves an earlier result as it was. On failure returns false and says
// why in error. Whether the run was complete is the caller's decision.
bool Fout(const std::filesystem::path& dataDir, const std::string& fName,
          const CountingTables& tables, const Settings& s,
          const std::array<std::string, 3>& headers, std::string& error);

struct FinResult {
    bool found = false;     // the file could be opened
    bool complete = false;  // every line of the layout was there
    int lines = 0;          // lines read, header lines included
};

// Erases the tables and fills them, and head, from dataDir / (fName + ".dat"). A missing, short
// or damaged file leaves empty or partly filled tables; a field that is not a number reads as 0.
// The optional fields are read under the current settings' conditions.
FinResult Fin(const std::filesystem::path& dataDir, const std::string& fName,
              CountingTables& tables, const Settings& s, std::array<std::string, 3>& head);
// The same from the file's bytes.
FinResult FinText(std::string_view text, CountingTables& tables, const Settings& s,
                  std::array<std::string, 3>& head);

// Numbers that no library can produce (a damaged or edited file) are brought within +-1e9, so
// that whatever a file holds can be shown: cells round counts to whole numbers.
void ClampForShowing(CountingTables& tables);

// The number at the start of a field as the original reader took it: blanks are skipped
// anywhere, then a sign, digits, a point, digits and an exponent as far as they go; 0 when no
// number is there.
float FieldValue(std::string_view field);

}  // namespace lott
