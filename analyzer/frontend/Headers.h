// The three header lines that describe a run's settings, shown above the counting table and
// written at the top of every result file.
#pragma once

#include <array>
#include <string>

#include "Settings.h"

namespace lott {

// The header lines of the current settings; dateTime ends the third line.
std::array<std::string, 3> PrepareHeaders(const Settings& s, const std::string& dateTime);

// The local date and time as "YYYY-MM-DD HH:MM:SS".
std::string NowText();

}  // namespace lott
