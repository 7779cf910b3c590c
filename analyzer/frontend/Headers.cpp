#include "Headers.h"

#include <ctime>
#include <utility>

namespace lott {

std::array<std::string, 3> PrepareHeaders(const Settings& s, const std::string& dateTime) {
    std::array<std::string, 3> h;

    h[0] = " Select Trumps by ";
    h[0] += s.Selected(3) ? "Score. " : "Length. ";
    h[0] += s.Selected(5) ? "Forbid " : "Allow ";
    h[0] += "Artificial Declarer.  HCP range";
    if (s.Selected(6)) h[0] += " 17 ==> 23.";
    if (s.Selected(7)) h[0] += " 15 ==> 25.";
    if (s.Selected(8)) h[0] += " 0 ==> 40.";
    if (s.Selected(41)) h[0] += " Limit level difference to within 1.";
    if (s.Selected(42)) h[0] += " Limit level difference to within 2.";
    if (s.Selected(43)) h[0] += " Doesn't care levels.";

    h[1] = " Options: ";
    if (s.CorrCode.empty()) {
        h[1] += "(none)";
    } else if (s.SettingMode == 1) {
        h[1] += "(" + s.CorrCode + ")";
        static constexpr std::pair<int, const char*> kPieces[] = {
            {14, "( Add ONE for double fit) "},
            {15, "( Add 1/2 for double fit) "},
            {17, " ( Add ONE for AKQ in trump)"},
            {18, " ( Add 1/2 for AKQ in trump)"},
            {20, " ( Deduct 1/2 for Chameleon Qxx)"},
            {27, " Count Only deals with Double-Double fit.  "},
            {26, " Count Only deals where Only Either side has Double fit.  "},
            {25, " Count Only deals where Neither sides have Double fit.  "},
            {30, " Count Only deals where Both sides have Solid Trumps."},
            {29, " Count Only deals where Only One side has Solid Trump."},
            {28, " Count Only deals where Neither sides have Solid Trumps."},
            {33, " Count Only deals where Both sides have Chameleon Queens."},
            {32, " Count Only deals where Only One side has a Chameleon Queen."},
            {31, " Count Only deals where Neither sides have Chameleon Queens."},
        };
        for (const auto& [i, text] : kPieces)
            if (s.Selected(i)) h[1] += text;
    }

    static constexpr std::pair<int, const char*> kNTLines[] = {
        {9, " No Notrump calls at all."},
        {11, " Quenby Formula for NT (+7)."},
        {12, " Dorvald Formula (+8, +7, +6) for NT."},
        {13, " Modified Dorvald Formula (+9, +8, +7) for NT."},
        {24, " Choose only Void Hands against NT."},
        {23, " Choose only Singleton Hands against NT."},
        {22, " Choose only Doubleton Hands against NT."},
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
