// Helpers of the front-end tests: settings reached by clicks, result-file lines.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "Settings.h"

namespace lott::test {

// The start-up settings (no screenshot mode) after these user clicks; every click must be taken.
Settings Clicked(std::initializer_list<int> clicks);
Settings Clicked(const std::vector<int>& clicks);

// The lines of a text whose lines all end in CR LF (the ends removed). A line end of another
// kind, or text after the last CR LF, makes the test fail.
std::vector<std::string> CrLfLines(std::string_view text);

}  // namespace lott::test
