#include "Settings.h"

#include <set>
#include <string_view>
#include <system_error>
#include <unordered_set>
#include <utility>
#include <vector>

namespace lott {

Settings::Settings() {
    // The selections the window is laid out with.
    for (int i : {8, 11, 16, 19, 21}) opt_[Idx(i)].selected = true;
}

int Settings::GroupOf(int i) {
    if (!Exists(i)) return -1;
    if (i <= 1) return 0;                           // preset
    if (i <= 3) return 1;                           // trumps by Length / by Score
    if (i <= 5) return 2;                           // artificial declarer
    if (i <= 8) return 3;                           // HCP range
    if (i <= 10) return 4;                          // notrumps / suits
    if (i <= 13 || (i >= 22 && i <= 24)) return 5;  // notrump choice
    if (i <= 16) return 6;                          // double fit
    if (i <= 19) return 7;                          // solid trump
    if (i <= 21) return 8;                          // chameleons
    if (i <= 33) return 9;                          // the nine filters, outside every frame
    return 10;                                      // level limit
}

void Settings::Select(int i) {
    if (!Exists(i)) return;
    const int g = GroupOf(i);
    for (int j = 0; j < kOptionCount; ++j)
        if (GroupOf(j) == g) opt_[Idx(j)].selected = (j == i);
}

void Settings::Deselect(int i) {
    if (Exists(i)) opt_[Idx(i)].selected = false;
}

void Settings::SetEnabled(int i, bool on) {
    if (Exists(i)) opt_[Idx(i)].enabled = on;
}

void Settings::EnableRange(int from, int to) {
    for (int i = from; i <= to; ++i) SetEnabled(i, true);
}

void Settings::DisableRange(int from, int to) {
    for (int i = from; i <= to; ++i) SetEnabled(i, false);
}

void Settings::optEnable(int j) {
    SetEnabled(j, true);
    Select(j);
}

void Settings::optDisable(int j) {
    Deselect(j);
    SetEnabled(j, false);
}

void Settings::DefaultSetting(bool screenShotMode) {
    Select(8);
    if (screenShotMode) return;
    cmdStart_ = false;
    for (int i = 2; i <= 33; ++i) SetEnabled(i, i >= 6 && i <= 8);
}

bool Settings::Click(int i) {
    if (!Exists(i) || !opt_[Idx(i)].enabled) return false;
    Select(i);
    // A run reads its settings and stores its result under the name taken at its start, so a
    // click during the run (only the level limit can change then) must not touch the tables,
    // the name or the result buttons.
    if (locked_) return true;
    o_click(i);
    return true;
}

void Settings::DeselectFilters() {
    for (int i = 25; i <= 33; ++i) Deselect(i);
}

void Settings::RestoreSavedCorr(int from, int to) {
    // Ascending order: when two saved options of one group are true, the higher one wins.
    for (int i = from; i <= to; ++i)
        if (SavedCorrOf(i)) Select(i);
}

void Settings::o_click(int index) {
    if (Busy) return;
    Busy = true;
    switch (index) {
        case 0:
            SettingMode = 0;
            cmdStart_ = true;
            optEnable(2);
            TrumpBy = 0;
            optDisable(3);
            optEnable(4);
            optDisable(5);
            optEnable(9);
            DisableRange(10, 33);
            break;
        case 1:
            SettingMode = 1;
            cmdStart_ = true;
            EnableRange(2, 3);
            // The first choice of Standard picks "by Score"; so does any choice that finds no trump
            // mode selected (an option was clicked before the first preset).
            if (!Touched || (!Selected(2) && !Selected(3))) {
                Select(3);
                TrumpBy = 1;
            }
            optEnable(5);
            optDisable(4);
            optEnable(10);
            SetEnabled(9, false);
            EnableRange(11, 33);
            break;
        case 2:
            TrumpBy = 0;
            break;
        case 3:
            TrumpBy = 1;
            if (SettingMode == 1) EnableRange(10, 13);
            break;
        case 9:
            DisableRange(10, 13);
            break;
        case 10:
            EnableRange(11, 13);
            break;
        case 11:
        case 12:
        case 13:
            NTFormula = index - 11;
            break;
        case 22:
        case 23:
        case 24:
            NTFormula = 0;
            break;
        case 14:
        case 15:
        case 16:
            DeselectFilters();
            if (FilterOn) RestoreSavedCorr(17, 21);
            break;
        case 17:
        case 18:
        case 19:
            DeselectFilters();
            if (FilterOn) {
                RestoreSavedCorr(14, 16);
                RestoreSavedCorr(20, 21);
            }
            break;
        case 20:
        case 21:
            DeselectFilters();
            if (FilterOn) RestoreSavedCorr(14, 19);
            break;
        default:
            if (index >= 26 && index <= 33) {
                // A filter switches every correction off and remembers which were on.
                for (int i = 14; i <= 21; ++i) {
                    if (Selected(i)) {
                        SavedCorr[static_cast<std::size_t>(i - 14)] = true;
                        Deselect(i);
                    }
                }
            }
            break;  // 4, 5, 6, 7, 8, 25, 41, 42, 43: the selection alone
    }
    FilterOn = false;
    for (int i = 26; i <= 33; ++i) FilterOn = FilterOn || Selected(i);
    UpdateResultButtons();
    Touched = true;
    Busy = false;
}

void Settings::Disable() {
    menu7_ = false;
    if (!locked_) {
        for (int i = 0; i <= 33; ++i) {
            SavedEnabled[Idx(i)] = opt_[Idx(i)].enabled;
            // Selected options stay enabled, so that the chosen settings remain readable.
            if (!opt_[Idx(i)].selected) opt_[Idx(i)].enabled = false;
        }
    }
    for (int i = 6; i <= 8; ++i)
        if (!Selected(i)) SetEnabled(i, false);
    for (auto& b : table_) b.enabled = false;
    for (auto& b : graph_) b.enabled = false;
    language_ = false;
    locked_ = true;
}

void Settings::Enable() {
    menu7_ = true;
    // Only a lock has a saved state to give back.
    if (locked_)
        for (int i = 0; i <= 33; ++i) opt_[Idx(i)].enabled = SavedEnabled[Idx(i)];
    EnableRange(6, 8);
    language_ = true;
    locked_ = false;
}

namespace {

struct Naming {
    std::string CorrCode;  // Standard only: the Ostrevan preset keeps the last one
    std::string ResultName;
};

// The result name of the options for which selected(i) holds, under preset settingMode. Every
// option it reads is asked for even when none is selected, which IsCurrentResultName relies on.
template <class SelectedFn>
Naming NameOf(int settingMode, const SelectedFn& selected) {
    Naming n;
    const std::string hcp = selected(8) ? "40" : selected(7) ? "15" : selected(6) ? "17" : "";
    if (settingMode == 0) {
        n.ResultName = hcp + (selected(2) ? "OstLen" : "OstSco");
        return n;
    }
    std::string name = hcp + (selected(2) ? "Len" : "Sco");
    static constexpr std::pair<int, const char*> kNTCodes[] = {{11, "Co"}, {12, "V1"}, {13, "V2"},
                                                               {24, "Vd"}, {23, "Sg"}, {22, "Db"}};
    for (const auto& [i, code] : kNTCodes) {
        if (selected(i)) {
            name += code;
            break;
        }
    }
    // o(14) and o(15) share a group, as do o(17)/o(18) and o(41)..o(43): at most one each.
    std::string code;
    if (selected(14)) code += 'D';
    if (selected(15)) code += 'E';
    if (selected(18)) code += 'S';
    if (selected(17)) code += 'T';
    if (selected(20)) code += 'C';
    if (selected(42)) code += '2';
    if (selected(41)) code += '1';
    if (selected(43)) code += '-';
    // A filter replaces the whole code.
    static constexpr std::pair<int, std::string_view> kFilterCodes[] = {
        {27, "D2"}, {26, "D1"}, {25, "D0"}, {30, "S2"}, {29, "S1"},
        {28, "S0"}, {33, "C2"}, {32, "C1"}, {31, "C0"}};
    for (const auto& [i, filter] : kFilterCodes) {
        if (selected(i)) {
            code = std::string(filter);
            break;
        }
    }
    n.ResultName = (code.empty() ? std::string("(none)") : "(" + code + ")") + name;
    n.CorrCode = std::move(code);
    return n;
}

// Every name NameOf gives for some choice of at most one option in each group it reads. Groups
// are tried whole, whether or not the window lets a preset reach every choice: a name that
// some settings might own is never taken for another's.
std::unordered_set<std::string> AllResultNames() {
    std::unordered_set<std::string> names;
    for (int mode : {0, 1}) {
        std::set<int> groups;
        NameOf(mode, [&](int i) {
            groups.insert(Settings::GroupOf(i));
            return false;
        });
        std::vector<std::vector<int>> choices;  // per group: -1 for none, then its options
        for (int g : groups) {
            choices.push_back({-1});
            for (int i = 0; i < Settings::kOptionCount; ++i)
                if (Settings::GroupOf(i) == g) choices.back().push_back(i);
        }
        std::vector<std::size_t> pick(choices.size(), 0);
        std::array<bool, Settings::kOptionCount> on{};
        for (;;) {
            on.fill(false);
            for (std::size_t k = 0; k < pick.size(); ++k)
                if (choices[k][pick[k]] >= 0)
                    on[static_cast<std::size_t>(choices[k][pick[k]])] = true;
            names.insert(
                NameOf(mode, [&](int i) { return on[static_cast<std::size_t>(i)]; }).ResultName);
            std::size_t k = 0;
            while (k < pick.size() && ++pick[k] == choices[k].size()) pick[k++] = 0;
            if (k == pick.size()) break;
        }
    }
    return names;
}

}  // namespace

void Settings::SetUpFileName() {
    Naming n = NameOf(SettingMode, [this](int i) { return Selected(i); });
    if (SettingMode == 1) CorrCode = std::move(n.CorrCode);
    if (SettingMode == 0 || SettingMode == 1) ResultName = std::move(n.ResultName);
    SpecialFlags[1] = false;
    for (int i = 25; i <= 33; ++i) SpecialFlags[1] = SpecialFlags[1] || Selected(i);
    SpecialFlags[0] = Selected(22) || Selected(23) || Selected(24);
}

bool Settings::IsCurrentResultName(const std::string& name) {
    static const std::unordered_set<std::string> names = AllResultNames();
    return names.count(name) != 0;
}

std::filesystem::path Settings::ResultFile() const {
    return DataDir / (ResultName + ".dat");
}

void Settings::UpdateResultButtons() {
    if (tables_) tables_->ClearDevAndEvents();
    if (!Selected(0) && !Selected(1)) return;
    SetUpFileName();
    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(ResultFile(), ec);
    const std::size_t p = SettingMode == 1 ? 1 : 0;
    table_[p] = graph_[p] = Button{exists, exists};
    table_[1 - p] = graph_[1 - p] = Button{false, false};
}

void Settings::EnableTableButton(int p) {
    table_[Pair(p)] = Button{true, true};
}

void Settings::EnableAllButtons() {
    cmdStart_ = true;
    table_ = graph_ = {Button{true, true}, Button{true, false}};
}

ScanOptions Settings::Snapshot() const {
    ScanOptions s;
    s.SettingMode = SettingMode;
    s.ByLengthSelected = Selected(2);
    s.ByScoreSelected = Selected(3);
    s.ForbidSelected = Selected(5);
    s.Hcp = Selected(8)   ? HcpRange::All
            : Selected(7) ? HcpRange::From15To25
            : Selected(6) ? HcpRange::From17To23
                          : HcpRange::None;
    s.NT = Selected(11)   ? NTChoice::Co
           : Selected(12) ? NTChoice::V1
           : Selected(13) ? NTChoice::V2
           : Selected(22) ? NTChoice::Db
           : Selected(23) ? NTChoice::Sg
           : Selected(24) ? NTChoice::Vd
                          : NTChoice::None;
    s.NTFormula = NTFormula;
    s.DoubleFit = Selected(14)   ? Correction::One
                  : Selected(15) ? Correction::Half
                                 : Correction::Off;
    s.SolidTrump = Selected(17)   ? Correction::One
                   : Selected(18) ? Correction::Half
                                  : Correction::Off;
    s.Chameleon = Selected(20);
    s.Filter = DealFilter::None;
    for (int i = 25; i <= 33; ++i)
        if (Selected(i))
            s.Filter = static_cast<DealFilter>(static_cast<int>(DealFilter::D0) + i - 25);
    s.TrumpBy = TrumpBy;
    return s;
}

}  // namespace lott
