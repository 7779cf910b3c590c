#include "DealSelection.h"

#include "Over20Reader.h"
#include "WholeNumber.h"

namespace lott {

namespace {
std::string_view Trim(std::string_view s) {
    return TrimBlanks(s);
}

std::optional<std::int64_t> Whole(std::string_view s) {
    return ParseWholeNumber(s);
}
}  // namespace

std::optional<std::vector<DealSelection::Range>> DealSelection::ParseList(std::string_view text,
                                                                          std::string& error) {
    std::vector<Range> ranges;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = text.find(',', pos);
        const std::string_view part = text.substr(
            pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
        const std::string shown(Trim(part));
        if (shown.empty()) {
            error = "empty part in the deal list \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        // A dash after the first character separates a range ("-5" is no number).
        const std::size_t dash = shown.find('-', 1);
        Range r;
        if (dash == std::string::npos) {
            auto n = Whole(shown);
            if (!n) {
                error = "\"" + shown + "\" is not a deal number";
                return std::nullopt;
            }
            r = {*n, *n};
        } else {
            auto lo = Whole(std::string_view(shown).substr(0, dash));
            auto hi = Whole(std::string_view(shown).substr(dash + 1));
            if (!lo || !hi) {
                error = "\"" + shown + "\" is not a range of deal numbers";
                return std::nullopt;
            }
            if (*lo > *hi) {
                error = "the range \"" + shown + "\" runs backwards";
                return std::nullopt;
            }
            r = {*lo, *hi};
        }
        ranges.push_back(r);
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    return ranges;
}

std::vector<std::int32_t> DealSelection::Over20Deals(std::istream& list, int value) {
    const int from = value == 0 ? 21 : value;
    const int to = value == 0 ? 26 : value;
    // One pass over the list, kept value by value.
    std::vector<std::vector<std::int32_t>> byValue(static_cast<std::size_t>(to - from + 1));
    Over20Reader::ForEachLine(list, [&](std::string_view line) {
        for (int v = from; v <= to; ++v)
            if (Over20Reader::Listed(line, v))
                byValue[static_cast<std::size_t>(v - from)].push_back(
                    *Over20Reader::DealNumber(line));
    });
    std::vector<std::int32_t> deals;
    for (const auto& d : byValue) deals.insert(deals.end(), d.begin(), d.end());
    return deals;
}

}  // namespace lott
