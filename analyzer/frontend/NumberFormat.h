// The fixed-width number texts of the result and list files, and the "#0.00" text of the
// counting-table cells.
#pragma once

#include <cstdint>
#include <string>

namespace lott {

// Decimal text of x, its rightmost 7 characters when longer, left-padded with blanks to 7.
std::string strN(std::int64_t x);
// The same with width 3.
std::string str2(std::int64_t x);
// Fixed2(x), its rightmost 7 characters when longer, left-padded with blanks to 7.
std::string strX(float x);
// The pattern "#0.00": the float's exact binary value rounded to two decimals, halves away from
// zero, at least one integer digit, no thousands separator; a value that rounds to zero is "0.00".
std::string Fixed2(float x);

}  // namespace lott
