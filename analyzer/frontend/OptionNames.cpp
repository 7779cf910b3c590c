#include "OptionNames.h"

namespace lott {

const std::vector<OptionNames::Named>& OptionNames::All() {
    static const std::vector<Named> all = {
        {"preset", "ostrevan", Opt::Ostrevan},
        {"preset", "standard", Opt::Standard},
        {"trumps", "length", Opt::ByLength},
        {"trumps", "score", Opt::ByScore},
        {"declarer", "allow", Opt::AllowArtificial},
        {"declarer", "forbid", Opt::ForbidArtificial},
        {"hcp", "17-23", Opt::Hcp17To23},
        {"hcp", "15-25", Opt::Hcp15To25},
        {"hcp", "0-40", Opt::Hcp0To40},
        {"nt-calls", "none", Opt::NoNTCalls},
        {"nt-calls", "separately", Opt::NTSeparately},
        {"nt", "quenby", Opt::NTQuenby},
        {"nt", "dorvald", Opt::NTDorvald},
        {"nt", "dorvald-plus", Opt::NTDorvaldPlus},
        {"nt", "doubleton", Opt::NTDoubleton},
        {"nt", "singleton", Opt::NTSingleton},
        {"nt", "void", Opt::NTVoid},
        {"double-fit", "1", Opt::DoubleFitOne},
        {"double-fit", "0.5", Opt::DoubleFitHalf},
        {"double-fit", "0", Opt::DoubleFitOff},
        {"solid-trump", "1", Opt::SolidTrumpOne},
        {"solid-trump", "0.5", Opt::SolidTrumpHalf},
        {"solid-trump", "0", Opt::SolidTrumpOff},
        {"chameleon", "-0.5", Opt::ChameleonMinusHalf},
        {"chameleon", "0", Opt::ChameleonOff},
        {"filter", "D0", Opt::FilterD0},
        {"filter", "D1", Opt::FilterD1},
        {"filter", "D2", Opt::FilterD2},
        {"filter", "S0", Opt::FilterS0},
        {"filter", "S1", Opt::FilterS1},
        {"filter", "S2", Opt::FilterS2},
        {"filter", "C0", Opt::FilterC0},
        {"filter", "C1", Opt::FilterC1},
        {"filter", "C2", Opt::FilterC2},
        {"level-limit", "1", Opt::LevelLimit1},
        {"level-limit", "2", Opt::LevelLimit2},
        {"level-limit", "none", Opt::NoLevelLimit},
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
