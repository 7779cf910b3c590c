// The settings and their option buttons by the names that trickscan-batch's command line and the
// exported results give them: setting "trumps" with value "score" is option 3.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Settings.h"

namespace lott {

class OptionNames {
  public:
    struct Named {
        std::string_view setting;
        std::string_view value;
        int index;  // of the option array o
    };

    // Every named option, settings in the order of SettingNames.
    static const std::vector<Named>& All();
    // "preset", "trumps", "declarer", "hcp", "nt-calls", "nt", "double-fit", "solid-trump",
    // "chameleon", "filter", "level-limit".
    static const std::vector<std::string_view>& SettingNames();
    // The option index of a setting's value; nothing when the setting has no such value.
    static std::optional<int> Index(std::string_view setting, std::string_view value);
    static bool IsSetting(std::string_view setting);
    // The value of the setting's selected option, or "" when none of its options is selected.
    static std::string Selected(const Settings& s, std::string_view setting);
};

}  // namespace lott
