// The analyzer's settings model: the option array o with its groups and enabling rules, the
// presets, the lock during a run, the result name and the state of the Start and result buttons.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "CountingTables.h"
#include "OptionIndex.h"
#include "ScanOptions.h"

namespace lott {

class Settings {
  public:
    static constexpr int kOptionCount = Opt::Count;  // indices 0..33 and 41..43 (see Opt)

    Settings();

    // --- the option array -------------------------------------------------------------------
    static bool Exists(int i) {
        return (i >= 0 && i <= Opt::LastFilter) ||
               (i >= Opt::LevelLimit1 && i <= Opt::NoLevelLimit);
    }
    // Options that share a group are mutually exclusive; the group number of an index, -1 when
    // the option does not exist.
    static int GroupOf(int i);
    bool Selected(int i) const { return Exists(i) && opt_[Idx(i)].selected; }
    bool Enabled(int i) const { return Exists(i) && opt_[Idx(i)].enabled; }

    // Start-up state of the controls; in the screenshot mode nothing is locked.
    void DefaultSetting(bool screenShotMode);
    // A user's click on o(i): refused (false, nothing changes) when o(i) does not exist or is
    // disabled; otherwise selects it within its group and runs the option handler. While a run
    // goes (between Disable and Enable) only the selection changes.
    bool Click(int i);
    // The option handler, run after o(index) was selected.
    void o_click(int index);
    void optEnable(int j);   // enables o(j) and selects it
    void optDisable(int j);  // deselects o(j) and disables it

    // Lock during a run and unlock after it.
    void Disable();
    void Enable();
    bool RunLocked() const { return locked_; }

    void SetUpFileName();
    // Whether some settings get this result name (without ".dat"); older versions' names, such
    // as "(DS2-)40ScoCo", are not.
    static bool IsCurrentResultName(const std::string& name);
    void UpdateResultButtons();

    // --- buttons and labels whose state the model decides ----------------------------------
    struct Button {
        bool enabled = false;
        bool tinted = false;  // back colour &HFFFAFA instead of the window's own
    };
    bool cmdStartEnabled() const { return cmdStart_; }
    bool menu7Enabled() const { return menu7_; }
    bool LanguageEnabled() const { return language_; }
    Button cmdTable(int p) const { return table_[Pair(p)]; }
    Button cmdGrph(int p) const { return graph_[Pair(p)]; }
    // The pair of result buttons of a preset: 0 Ostrevan's, 1 Standard's.
    static int PairOf(lott::SettingMode m) { return m == lott::SettingMode::Standard ? 1 : 0; }
    // The Table button of preset p enabled and tinted again during a run (the table window was
    // closed while the run goes).
    void EnableTableButton(int p);
    // The screenshot mode's start: every button enabled, the Ostrevan pair tinted.
    void EnableAllButtons();

    // --- state read by the engine, the windows and the files -------------------------------
    lott::SettingMode SettingMode = lott::SettingMode::None;
    lott::TrumpBy TrumpBy = lott::TrumpBy::Length;
    int NTFormula = 0;  // 0 (7,7,7), 1 (8,7,6), 2 (9,8,7)
    bool Busy = false;
    bool Touched = false;
    bool FilterOn = false;
    std::string CorrCode;
    std::string ResultName;
    std::array<bool, 2>
        SpecialFlags{};  // [0] a shortness choice (NTDoubleton..NTVoid), [1] a filter
    // Indices FirstCorrection..LastCorrection: corrections saved by a filter.
    std::array<bool, Opt::LastCorrection - Opt::FirstCorrection + 1> SavedCorr{};
    std::array<bool, Opt::LastLocked + 1> SavedEnabled{};  // indices 0..33: saved by Disable

    bool SavedCorrOf(int i) const {
        return SavedCorr[static_cast<std::size_t>(i - Opt::FirstCorrection)];
    }

    // The settings of one run, read from the selections.
    ScanOptions Snapshot() const;

    // The folder of the result files ("DataFiles" in the program folder) and the counting
    // tables that UpdateResultButtons clears (may be null).
    std::filesystem::path DataDir;
    void SetTables(CountingTables* tables) { tables_ = tables; }

    // The result file of the current settings: DataDir / (ResultName + ".dat").
    std::filesystem::path ResultFile() const;

  private:
    struct Option {
        bool selected = false;
        bool enabled = true;
    };
    static std::size_t Idx(int i) { return static_cast<std::size_t>(i); }
    static std::size_t Pair(int p) { return p == 0 ? 0u : 1u; }

    void Select(int i);  // selects o(i) and deselects the rest of its group
    void Deselect(int i);
    void SetEnabled(int i, bool on);
    void EnableRange(int from, int to);
    void DisableRange(int from, int to);
    void DeselectFilters();
    void RestoreSavedCorr(int from, int to);

    std::array<Option, kOptionCount> opt_{};
    bool locked_ = false;
    bool cmdStart_ = true;
    bool menu7_ = true;
    bool language_ = true;
    std::array<Button, 2> table_{};
    std::array<Button, 2> graph_{};
    CountingTables* tables_ = nullptr;
};

}  // namespace lott
