// The settings that one analysis run reads, taken from the settings model when Start is pressed.
#pragma once

#include "Modes.h"

namespace lott {

// The preset the settings start from: none chosen yet, Ostrevan or Standard.
enum class SettingMode { None = -1, Ostrevan = 0, Standard = 1 };

enum class HcpRange { None, All, From15To25, From17To23 };  // None: no range option selected
enum class NTChoice { None, Co, V1, V2, Db, Sg, Vd };       // Co (7,7,7), V1 (8,7,6), V2 (9,8,7)
// DoubleFit and SolidTrump: 0, +0.5, +1; Chameleon: 0 or -0.5. Off also when no option is selected.
enum class Correction { Off, Half, One };
enum class DealFilter { None, D0, D1, D2, S0, S1, S2, C0, C1, C2 };

struct ScanOptions {
    lott::SettingMode SettingMode = lott::SettingMode::None;
    bool ByLengthSelected = false;  // Opt::ByLength
    bool ByScoreSelected = false;   // Opt::ByScore
    bool ForbidSelected = false;    // Opt::ForbidArtificial
    HcpRange Hcp = HcpRange::All;
    NTChoice NT = NTChoice::Co;
    int NTFormula = 0;  // 0 (7,7,7), 1 (8,7,6), 2 (9,8,7)
    Correction DoubleFit = Correction::Off;
    Correction SolidTrump = Correction::Off;
    bool Chameleon = false;  // -0.5 selected
    DealFilter Filter = DealFilter::None;
    // The module variable, which the tables' weights read.
    lott::TrumpBy TrumpBy = lott::TrumpBy::Length;
};

}  // namespace lott
