// The indices of the option array o: one name for each option button of the main window. The
// values are the buttons' own indices (0..33 and 41..43; 34..40 do not exist), which the
// command line of trickscan-batch and the exported results refer to by name through
// OptionNames.
#pragma once

namespace lott::Opt {

// Preset.
inline constexpr int Ostrevan = 0;
inline constexpr int Standard = 1;
// Select Trumps.
inline constexpr int ByLength = 2;
inline constexpr int ByScore = 3;
// Artificial Declarer.
inline constexpr int AllowArtificial = 4;
inline constexpr int ForbidArtificial = 5;
// HCP range.
inline constexpr int Hcp17To23 = 6;
inline constexpr int Hcp15To25 = 7;
inline constexpr int Hcp0To40 = 8;
// Notrumps / Suits.
inline constexpr int NoNTCalls = 9;
inline constexpr int NTSeparately = 10;
// LoTT formula in NT: the three formulas and the three shortness classes.
inline constexpr int NTQuenby = 11;       // (7,7,7)
inline constexpr int NTDorvald = 12;      // (8,7,6)
inline constexpr int NTDorvaldPlus = 13;  // (9,8,7)
inline constexpr int NTDoubleton = 22;
inline constexpr int NTSingleton = 23;
inline constexpr int NTVoid = 24;
// Double Double Fit: +1, +0.5, 0.
inline constexpr int DoubleFitOne = 14;
inline constexpr int DoubleFitHalf = 15;
inline constexpr int DoubleFitOff = 16;
// Solid Honors: +1, +0.5, 0.
inline constexpr int SolidTrumpOne = 17;
inline constexpr int SolidTrumpHalf = 18;
inline constexpr int SolidTrumpOff = 19;
// Chameleons: -0.5, 0.
inline constexpr int ChameleonMinusHalf = 20;
inline constexpr int ChameleonOff = 21;
// The deal filters below the correction frames: double fits, solid trumps, chameleons in
// neither hand, in either, in both.
inline constexpr int FilterD0 = 25;
inline constexpr int FilterD1 = 26;
inline constexpr int FilterD2 = 27;
inline constexpr int FilterS0 = 28;
inline constexpr int FilterS1 = 29;
inline constexpr int FilterS2 = 30;
inline constexpr int FilterC0 = 31;
inline constexpr int FilterC1 = 32;
inline constexpr int FilterC2 = 33;
// Difference in Levels.
inline constexpr int LevelLimit1 = 41;
inline constexpr int LevelLimit2 = 42;
inline constexpr int NoLevelLimit = 43;

// Ranges the settings walk through.
inline constexpr int FirstCorrection = DoubleFitOne;  // 14..21: the three correction frames
inline constexpr int LastCorrection = ChameleonOff;
inline constexpr int FirstFilter = FilterD0;  // 25..33
inline constexpr int LastFilter = FilterC2;
inline constexpr int LastLocked = FilterC2;  // 0..33: the options a run locks
inline constexpr int Count = 44;             // the size of the array, gap included

}  // namespace lott::Opt
