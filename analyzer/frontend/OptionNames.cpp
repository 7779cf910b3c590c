#include "OptionNames.h"

namespace lott {

const std::vector<OptionNames::Named>& OptionNames::All() {
    static const std::vector<Named> all = {
        {"preset", "ostrevan", 0},
        {"preset", "standard", 1},
        {"trumps", "length", 2},
        {"trumps", "score", 3},
        {"declarer", "allow", 4},
        {"declarer", "forbid", 5},
        {"hcp", "17-23", 6},
        {"hcp", "15-25", 7},
        {"hcp", "0-40", 8},
        {"nt-calls", "none", 9},
        {"nt-calls", "separately", 10},
        {"nt", "quenby", 11},
        {"nt", "dorvald", 12},
        {"nt", "dorvald-plus", 13},
        {"nt", "doubleton", 22},
        {"nt", "singleton", 23},
        {"nt", "void", 24},
        {"double-fit", "1", 14},
        {"double-fit", "0.5", 15},
        {"double-fit", "0", 16},
        {"solid-trump", "1", 17},
        {"solid-trump", "0.5", 18},
        {"solid-trump", "0", 19},
        {"chameleon", "-0.5", 20},
        {"chameleon", "0", 21},
        {"filter", "D0", 25},
        {"filter", "D1", 26},
        {"filter", "D2", 27},
        {"filter", "S0", 28},
        {"filter", "S1", 29},
        {"filter", "S2", 30},
        {"filter", "C0", 31},
        {"filter", "C1", 32},
        {"filter", "C2", 33},
        {"level-limit", "1", 41},
        {"level-limit", "2", 42},
        {"level-limit", "none", 43},
    };
    return all;
}

const std::vector<std::string_view>& OptionNames::SettingNames() {
    static const std::vector<std::string_view> names = {
        "preset",     "trumps",      "declarer",  "hcp",    "nt-calls",   "nt",
        "double-fit", "solid-trump", "chameleon", "filter", "level-limit"};
    return names;
}

std::optional<int> OptionNames::Index(std::string_view setting, std::string_view value) {
    for (const Named& n : All())
        if (n.setting == setting && n.value == value) return n.index;
    return std::nullopt;
}

bool OptionNames::IsSetting(std::string_view setting) {
    for (std::string_view s : SettingNames())
        if (s == setting) return true;
    return false;
}

std::string OptionNames::Selected(const Settings& s, std::string_view setting) {
    for (const Named& n : All())
        if (n.setting == setting && s.Selected(n.index)) return std::string(n.value);
    return {};
}

}  // namespace lott
