// The deals that boardlook-batch exports: numbers and ranges such as "1,5,100-200", or the deals
// that the viewer's Over20 list shows for a Total Trumps value.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lott {

class DealSelection {
  public:
    struct Range {
        std::int64_t first = 0;
        std::int64_t last = 0;  // first <= last
        bool operator==(const Range&) const = default;
    };

    // Parts separated by commas, each a whole number or a range "low-high" (blanks around the
    // parts are allowed). Nothing, with a one-line reason in error, for an empty part, a part
    // that is not a whole number of at most 12 digits, or a range that runs backwards.
    static std::optional<std::vector<Range>> ParseList(std::string_view text, std::string& error);

    // The deals of an "Over20.txt" list that the viewer lists for Total Trumps value (21..26),
    // or for all six values when value is 0: value by value as the list buttons show them,
    // each in file order. The list is read line by line, as the viewer reads it.
    static std::vector<std::int32_t> Over20Deals(std::istream& list, int value);
};

}  // namespace lott
