// The settings model under any sequence of clicks, locks and unlocks: one selection per group at
// most, the preset's fixed choices kept, no correction beside a filter, the mirrored values equal
// to the selections, a lock that changes nothing but the selection of what stays enabled, and a
// result name of the naming grammar.
#include <array>
#include <regex>

#include "FuzzCheck.h"
#include "Settings.h"

using namespace lott;

namespace {

struct Snapshot {
    std::array<bool, Settings::kOptionCount> selected{}, enabled{};
    explicit Snapshot(const Settings& s) {
        for (int i = 0; i < Settings::kOptionCount; ++i) {
            selected[static_cast<std::size_t>(i)] = s.Selected(i);
            enabled[static_cast<std::size_t>(i)] = s.Enabled(i);
        }
    }
};

void CheckInvariants(const Settings& s, bool screenShot) {
    std::array<int, 11> perGroup{};
    for (int i = 0; i < Settings::kOptionCount; ++i) {
        if (!Settings::Exists(i)) {
            FUZZ_CHECK(!s.Selected(i) && !s.Enabled(i));
            continue;
        }
        if (s.Selected(i)) ++perGroup[static_cast<std::size_t>(Settings::GroupOf(i))];
    }
    for (int n : perGroup) FUZZ_CHECK(n <= 1);
    FUZZ_CHECK(perGroup[3] == 1);  // an HCP range is always chosen

    // The values kept beside the options follow them.
    if (s.Selected(Opt::ByLength)) FUZZ_CHECK(s.TrumpBy == TrumpBy::Length);
    if (s.Selected(Opt::ByScore)) FUZZ_CHECK(s.TrumpBy == TrumpBy::Score);
    for (int i = 11; i <= 13; ++i)
        if (s.Selected(i)) FUZZ_CHECK(s.NTFormula == i - 11);
    for (int i = 22; i <= 24; ++i)
        if (s.Selected(i)) FUZZ_CHECK(s.NTFormula == 0);
    bool filter = false, correction = false;
    for (int i = 26; i <= 33; ++i) filter = filter || s.Selected(i);
    for (int i = 14; i <= 21; ++i) correction = correction || s.Selected(i);
    FUZZ_CHECK(!(filter && correction));
    if (!s.RunLocked()) FUZZ_CHECK(s.FilterOn == filter);
    FUZZ_CHECK(static_cast<int>(s.SettingMode) == (s.Selected(Opt::Standard)   ? 1
                                                   : s.Selected(Opt::Ostrevan) ? 0
                                                                               : -1) ||
               s.RunLocked());

    if (screenShot) return;
    switch (static_cast<int>(s.SettingMode)) {
        case -1:
            for (int i = 2; i <= 33; ++i) FUZZ_CHECK(!s.Enabled(i) || (i >= 6 && i <= 8));
            FUZZ_CHECK(!s.cmdStartEnabled());
            break;
        case 0:
            FUZZ_CHECK(s.Selected(Opt::ByLength) && !s.Selected(Opt::ByScore) &&
                       s.Selected(Opt::AllowArtificial) && !s.Selected(Opt::ForbidArtificial));
            FUZZ_CHECK(s.Selected(Opt::NoNTCalls) && !s.Selected(Opt::NTSeparately));
            if (!s.RunLocked())
                for (int i = 10; i <= 33; ++i) FUZZ_CHECK(!s.Enabled(i));
            break;
        case 1:
            FUZZ_CHECK(s.Selected(Opt::ByLength) || s.Selected(Opt::ByScore));
            FUZZ_CHECK(s.Selected(Opt::ForbidArtificial) && !s.Selected(Opt::AllowArtificial) &&
                       s.Selected(Opt::NTSeparately) && !s.Selected(Opt::NoNTCalls));
            break;
    }
}

void CheckName(const Settings& s) {
    static const std::regex ostrevan("(40|15|17)Ost(Len|Sco)");
    static const std::regex standard(
        "\\((none|(D|E)?(S|T)?C?(1|2|-)?|D0|D1|D2|S0|S1|S2|C0|C1|C2)\\)(40|15|17)(Len|Sco)"
        "(Co|V1|V2|Vd|Sg|Db)?");
    if (s.SettingMode == SettingMode::Ostrevan)
        FUZZ_CHECK(std::regex_match(s.ResultName, ostrevan));
    if (s.SettingMode == SettingMode::Standard) {
        FUZZ_CHECK(std::regex_match(s.ResultName, standard));
        FUZZ_CHECK(s.ResultName.rfind("()", 0) != 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    const bool screenShot = in.Take() == 0xA5;
    Settings s;
    s.DefaultSetting(screenShot);
    CheckInvariants(s, screenShot);
    Snapshot beforeLock(s);
    while (in.Left() > 0) {
        const int action = in.Take() % 48;
        const Snapshot before(s);
        const std::string name = s.ResultName;
        if (action < Settings::kOptionCount) {
            const bool accepted = s.Click(action);
            FUZZ_CHECK(accepted == (Settings::Exists(action) && before.enabled[action]));
            if (accepted) FUZZ_CHECK(s.Selected(action));
            if (!accepted) {
                const Snapshot after(s);
                FUZZ_CHECK(after.selected == before.selected && after.enabled == before.enabled);
            }
            if (s.RunLocked()) {
                // Only the selection of an enabled option moves during a run.
                const Snapshot after(s);
                FUZZ_CHECK(after.enabled == before.enabled);
                FUZZ_CHECK(s.ResultName == name);
                for (int i = 0; i <= 33; ++i)
                    FUZZ_CHECK(after.selected[static_cast<std::size_t>(i)] ==
                               before.selected[static_cast<std::size_t>(i)]);
            }
        } else if (action < 46) {
            if (!s.RunLocked()) beforeLock = before;
            s.Disable();
            for (int i = 0; i <= 33; ++i)
                if (!s.Selected(i)) FUZZ_CHECK(!s.Enabled(i));
            FUZZ_CHECK(!s.cmdTable(0).enabled && !s.cmdTable(1).enabled);
            FUZZ_CHECK(!s.cmdGrph(0).enabled && !s.cmdGrph(1).enabled);
        } else {
            const bool wasLocked = s.RunLocked();
            s.Enable();
            if (wasLocked) {
                const Snapshot after(s);
                for (int i = 0; i <= 33; ++i) {
                    if (i >= 6 && i <= 8) continue;
                    FUZZ_CHECK(after.enabled[static_cast<std::size_t>(i)] ==
                               beforeLock.enabled[static_cast<std::size_t>(i)]);
                }
            }
            for (int i = 6; i <= 8; ++i) FUZZ_CHECK(s.Enabled(i));
        }
        CheckInvariants(s, screenShot);
        if (!s.RunLocked() && s.SettingMode != SettingMode::None) CheckName(s);
    }
    return 0;
}
