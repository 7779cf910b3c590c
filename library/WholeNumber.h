// Whole numbers given as text (typed into a box, or on a command line): blanks around them are
// allowed, then digits only, as many as typed; a value beyond kWholeNumberMax is taken as
// kWholeNumberMax (more than any count of deals), so that it always fits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lott {

inline constexpr std::int64_t kWholeNumberMax = 999'999'999'999'999;

std::string_view TrimBlanks(std::string_view s);
// allowSign: a leading "+" or "-" is taken too.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text, bool allowSign = false);

}  // namespace lott
