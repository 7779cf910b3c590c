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
    for (int i :
         {Opt::Hcp0To40, Opt::NTQuenby, Opt::DoubleFitOff, Opt::SolidTrumpOff, Opt::ChameleonOff})
        opt_[Idx(i)].selected = true;
}

int Settings::GroupOf(int i) {
    if (!Exists(i)) return -1;
    using namespace Opt;
    if (i <= Standard) return 0;          // preset
    if (i <= ByScore) return 1;           // trumps by Length / by Score
    if (i <= ForbidArtificial) return 2;  // artificial declarer
    if (i <= Hcp0To40) return 3;          // HCP range
    if (i <= NTSeparately) return 4;      // notrumps / suits
    if (i <= NTDorvaldPlus || (i >= NTDoubleton && i <= NTVoid)) return 5;  // notrump choice
    if (i <= DoubleFitOff) return 6;                                        // double fit
    if (i <= SolidTrumpOff) return 7;                                       // solid trump
    if (i <= ChameleonOff) return 8;                                        // chameleons
    if (i <= LastFilter) return 9;  // the nine filters, outside every frame
    return 10;                      // level limit
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
    Select(Opt::Hcp0To40);
    if (screenShotMode) return;
    cmdStart_ = false;
    for (int i = Opt::ByLength; i <= Opt::LastLocked; ++i)
        SetEnabled(i, i >= Opt::Hcp17To23 && i <= Opt::Hcp0To40);
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
    for (int i = Opt::FirstFilter; i <= Opt::LastFilter; ++i) Deselect(i);
}

void Settings::RestoreSavedCorr(int from, int to) {
    // Ascending order: when two saved options of one group are true, the higher one wins.
    for (int i = from; i <= to; ++i)
        if (SavedCorrOf(i)) Select(i);
}

void Settings::o_click(int index) {
    if (Busy) return;
    Busy = true;
    using namespace Opt;
    switch (index) {
        case Ostrevan:
            SettingMode = SettingMode::Ostrevan;
            cmdStart_ = true;
            optEnable(ByLength);
            TrumpBy = TrumpBy::Length;
            optDisable(ByScore);
            optEnable(AllowArtificial);
            optDisable(ForbidArtificial);
            optEnable(NoNTCalls);
            DisableRange(NTSeparately, LastFilter);
            break;
        case Standard:
            SettingMode = SettingMode::Standard;
            cmdStart_ = true;
            EnableRange(ByLength, ByScore);
            // The first choice of Standard picks "by Score"; so does any choice that finds no trump
            // mode selected (an option was clicked before the first preset).
            if (!Touched || (!Selected(ByLength) && !Selected(ByScore))) {
                Select(ByScore);
                TrumpBy = TrumpBy::Score;
            }
            optEnable(ForbidArtificial);
            optDisable(AllowArtificial);
            optEnable(NTSeparately);
            SetEnabled(NoNTCalls, false);
            EnableRange(NTQuenby, LastFilter);
            break;
        case ByLength:
            TrumpBy = TrumpBy::Length;
            break;
        case ByScore:
            TrumpBy = TrumpBy::Score;
            if (SettingMode == SettingMode::Standard) EnableRange(NTSeparately, NTDorvaldPlus);
            break;
        case NoNTCalls:
            DisableRange(NTSeparately, NTDorvaldPlus);
            break;
        case NTSeparately:
            EnableRange(NTQuenby, NTDorvaldPlus);
            break;
        case NTQuenby:
        case NTDorvald:
        case NTDorvaldPlus:
            NTFormula = index - NTQuenby;
            break;
        case NTDoubleton:
        case NTSingleton:
        case NTVoid:
            NTFormula = 0;
            break;
        case DoubleFitOne:
        case DoubleFitHalf:
        case DoubleFitOff:
            DeselectFilters();
            if (FilterOn) RestoreSavedCorr(SolidTrumpOne, ChameleonOff);
            break;
        case SolidTrumpOne:
        case SolidTrumpHalf:
        case SolidTrumpOff:
            DeselectFilters();
            if (FilterOn) {
                RestoreSavedCorr(DoubleFitOne, DoubleFitOff);
                RestoreSavedCorr(ChameleonMinusHalf, ChameleonOff);
            }
            break;
        case ChameleonMinusHalf:
        case ChameleonOff:
            DeselectFilters();
            if (FilterOn) RestoreSavedCorr(DoubleFitOne, SolidTrumpOff);
            break;
        default:
            if (index >= FilterD1 && index <= LastFilter) {
                // A filter switches every correction off and remembers which were on.
                for (int i = FirstCorrection; i <= LastCorrection; ++i) {
                    if (Selected(i)) {
                        SavedCorr[static_cast<std::size_t>(i - FirstCorrection)] = true;
                        Deselect(i);
                    }
                }
            }
            // AllowArtificial, ForbidArtificial, the HCP ranges, FilterD0 and the level limits:
            // the selection alone.
            break;
    }
    FilterOn = false;
    for (int i = FilterD1; i <= LastFilter; ++i) FilterOn = FilterOn || Selected(i);
    UpdateResultButtons();
    Touched = true;
    Busy = false;
}

void Settings::Disable() {
    menu7_ = false;
    if (!locked_) {
        for (int i = 0; i <= Opt::LastLocked; ++i) {
            SavedEnabled[Idx(i)] = opt_[Idx(i)].enabled;
            // Selected options stay enabled, so that the chosen settings remain readable.
            if (!opt_[Idx(i)].selected) opt_[Idx(i)].enabled = false;
        }
    }
    for (int i = Opt::Hcp17To23; i <= Opt::Hcp0To40; ++i)
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
        for (int i = 0; i <= Opt::LastLocked; ++i) opt_[Idx(i)].enabled = SavedEnabled[Idx(i)];
    EnableRange(Opt::Hcp17To23, Opt::Hcp0To40);
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
Naming NameOf(SettingMode settingMode, const SelectedFn& selected) {
    Naming n;
    using namespace Opt;
    const std::string hcp = selected(Hcp0To40)    ? "40"
                            : selected(Hcp15To25) ? "15"
                            : selected(Hcp17To23) ? "17"
                                                  : "";
    if (settingMode == SettingMode::Ostrevan) {
        n.ResultName = hcp + (selected(ByLength) ? "OstLen" : "OstSco");
        return n;
    }
    std::string name = hcp + (selected(ByLength) ? "Len" : "Sco");
    static constexpr std::pair<int, const char*> kNTCodes[] = {
        {NTQuenby, "Co"}, {NTDorvald, "V1"},   {NTDorvaldPlus, "V2"},
        {NTVoid, "Vd"},   {NTSingleton, "Sg"}, {NTDoubleton, "Db"}};
    for (const auto& [i, code] : kNTCodes) {
        if (selected(i)) {
            name += code;
            break;
        }
    }
    // The double fit's options share a group, as do the solid trump's and the level limits: at
    // most one each.
    std::string code;
    if (selected(DoubleFitOne)) code += 'D';
    if (selected(DoubleFitHalf)) code += 'E';
    if (selected(SolidTrumpHalf)) code += 'S';
    if (selected(SolidTrumpOne)) code += 'T';
    if (selected(ChameleonMinusHalf)) code += 'C';
    if (selected(LevelLimit2)) code += '2';
    if (selected(LevelLimit1)) code += '1';
    if (selected(NoLevelLimit)) code += '-';
    // A filter replaces the whole code.
    static constexpr std::pair<int, std::string_view> kFilterCodes[] = {
        {FilterD2, "D2"}, {FilterD1, "D1"}, {FilterD0, "D0"}, {FilterS2, "S2"}, {FilterS1, "S1"},
        {FilterS0, "S0"}, {FilterC2, "C2"}, {FilterC1, "C1"}, {FilterC0, "C0"}};
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
    for (SettingMode mode : {SettingMode::Ostrevan, SettingMode::Standard}) {
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
    if (SettingMode == SettingMode::Standard) CorrCode = std::move(n.CorrCode);
    if (SettingMode != SettingMode::None) ResultName = std::move(n.ResultName);
    SpecialFlags[1] = false;
    for (int i = Opt::FirstFilter; i <= Opt::LastFilter; ++i)
        SpecialFlags[1] = SpecialFlags[1] || Selected(i);
    SpecialFlags[0] =
        Selected(Opt::NTDoubleton) || Selected(Opt::NTSingleton) || Selected(Opt::NTVoid);
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
    if (!Selected(Opt::Ostrevan) && !Selected(Opt::Standard)) return;
    SetUpFileName();
    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(ResultFile(), ec);
    const auto p = static_cast<std::size_t>(PairOf(SettingMode));
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
    using namespace Opt;
    ScanOptions s;
    s.SettingMode = SettingMode;
    s.ByLengthSelected = Selected(ByLength);
    s.ByScoreSelected = Selected(ByScore);
    s.ForbidSelected = Selected(ForbidArtificial);
    s.Hcp = Selected(Hcp0To40)    ? HcpRange::All
            : Selected(Hcp15To25) ? HcpRange::From15To25
            : Selected(Hcp17To23) ? HcpRange::From17To23
                                  : HcpRange::None;
    s.NT = Selected(NTQuenby)        ? NTChoice::Co
           : Selected(NTDorvald)     ? NTChoice::V1
           : Selected(NTDorvaldPlus) ? NTChoice::V2
           : Selected(NTDoubleton)   ? NTChoice::Db
           : Selected(NTSingleton)   ? NTChoice::Sg
           : Selected(NTVoid)        ? NTChoice::Vd
                                     : NTChoice::None;
    s.NTFormula = NTFormula;
    s.DoubleFit = Selected(DoubleFitOne)    ? Correction::One
                  : Selected(DoubleFitHalf) ? Correction::Half
                                            : Correction::Off;
    s.SolidTrump = Selected(SolidTrumpOne)    ? Correction::One
                   : Selected(SolidTrumpHalf) ? Correction::Half
                                              : Correction::Off;
    s.Chameleon = Selected(ChameleonMinusHalf);
    s.Filter = DealFilter::None;
    for (int i = FirstFilter; i <= LastFilter; ++i)
        if (Selected(i))
            s.Filter = static_cast<DealFilter>(static_cast<int>(DealFilter::D0) + i - FirstFilter);
    s.TrumpBy = TrumpBy;
    return s;
}

}  // namespace lott
