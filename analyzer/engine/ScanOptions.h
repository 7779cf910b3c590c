// The settings that one analysis run reads, taken from the settings model when Start is pressed.
#pragma once

namespace lott {

enum class HcpRange { None, All, From15To25, From17To23 };  // None: no range option selected
enum class NTChoice { None, Co, V1, V2, Db, Sg, Vd };       // Co (7,7,7), V1 (8,7,6), V2 (9,8,7)
// DoubleFit and SolidTrump: 0, +0.5, +1; Chameleon: 0 or -0.5. Off also when no option is selected.
enum class Correction { Off, Half, One };
enum class DealFilter { None, D0, D1, D2, S0, S1, S2, C0, C1, C2 };

struct ScanOptions {
    int SettingMode = -1;           // -1 no preset, 0 Ostrevan, 1 Standard
    bool ByLengthSelected = false;  // o(2)
    bool ByScoreSelected = false;   // o(3)
    bool ForbidSelected = false;    // o(5)
    HcpRange Hcp = HcpRange::All;
    NTChoice NT = NTChoice::Co;
    int NTFormula = 0;  // 0 (7,7,7), 1 (8,7,6), 2 (9,8,7)
    Correction DoubleFit = Correction::Off;
    Correction SolidTrump = Correction::Off;
    bool Chameleon = false;  // -0.5 selected
    DealFilter Filter = DealFilter::None;
    int TrumpBy =
        0;  // 0 by Length, 1 by Score: the module variable, which the tables' weights read
};

}  // namespace lott
