#include "Headers.h"

#include <ctime>
#include <utility>

namespace lott {

std::array<std::string, 3> PrepareHeaders(const Settings& s, const std::string& dateTime) {
    std::array<std::string, 3> h;

    h[0] = " Select Trumps by ";
    h[0] += s.Selected(Opt::ByScore) ? "Score. " : "Length. ";
    h[0] += s.Selected(Opt::ForbidArtificial) ? "Forbid " : "Allow ";
    h[0] += "Artificial Declarer.  HCP range";
    if (s.Selected(Opt::Hcp17To23)) h[0] += " 17 ==> 23.";
    if (s.Selected(Opt::Hcp15To25)) h[0] += " 15 ==> 25.";
    if (s.Selected(Opt::Hcp0To40)) h[0] += " 0 ==> 40.";
    if (s.Selected(Opt::LevelLimit1)) h[0] += " Limit level difference to within 1.";
    if (s.Selected(Opt::LevelLimit2)) h[0] += " Limit level difference to within 2.";
    if (s.Selected(Opt::NoLevelLimit)) h[0] += " Doesn't care levels.";

    h[1] = " Options: ";
    if (s.CorrCode.empty()) {
        h[1] += "(none)";
    } else if (s.SettingMode == SettingMode::Standard) {
        h[1] += "(" + s.CorrCode + ")";
        static constexpr std::pair<int, const char*> kPieces[] = {
            {Opt::DoubleFitOne, "( Add ONE for double fit) "},
            {Opt::DoubleFitHalf, "( Add 1/2 for double fit) "},
            {Opt::SolidTrumpOne, " ( Add ONE for AKQ in trump)"},
            {Opt::SolidTrumpHalf, " ( Add 1/2 for AKQ in trump)"},
            {Opt::ChameleonMinusHalf, " ( Deduct 1/2 for Chameleon Qxx)"},
            {Opt::FilterD2, " Count Only deals with Double-Double fit.  "},
            {Opt::FilterD1, " Count Only deals where Only Either side has Double fit.  "},
            {Opt::FilterD0, " Count Only deals where Neither sides have Double fit.  "},
            {Opt::FilterS2, " Count Only deals where Both sides have Solid Trumps."},
            {Opt::FilterS1, " Count Only deals where Only One side has Solid Trump."},
            {Opt::FilterS0, " Count Only deals where Neither sides have Solid Trumps."},
            {Opt::FilterC2, " Count Only deals where Both sides have Chameleon Queens."},
            {Opt::FilterC1, " Count Only deals where Only One side has a Chameleon Queen."},
            {Opt::FilterC0, " Count Only deals where Neither sides have Chameleon Queens."},
        };
        for (const auto& [i, text] : kPieces)
            if (s.Selected(i)) h[1] += text;
    }

    static constexpr std::pair<int, const char*> kNTLines[] = {
        {Opt::NoNTCalls, " No Notrump calls at all."},
        {Opt::NTQuenby, " Quenby Formula for NT (+7)."},
        {Opt::NTDorvald, " Dorvald Formula (+8, +7, +6) for NT."},
        {Opt::NTDorvaldPlus, " Modified Dorvald Formula (+9, +8, +7) for NT."},
        {Opt::NTVoid, " Choose only Void Hands against NT."},
        {Opt::NTSingleton, " Choose only Singleton Hands against NT."},
        {Opt::NTDoubleton, " Choose only Doubleton Hands against NT."},
    };
    for (const auto& [i, text] : kNTLines) {
        if (s.Selected(i)) {
            h[2] = text;
            break;
        }
    }
    h[2] += " " + dateTime;
    return h;
}

std::string NowText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

}  // namespace lott
