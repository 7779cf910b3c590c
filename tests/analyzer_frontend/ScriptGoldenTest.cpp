// The Qt-free front end described as data: every golden/scripts/<name>.script is run line by
// line, each command echoed before what it gave, and the output must equal <name>.expected.
// Commands cover the number texts, the reading of fields and of damaged result files, the option
// array after clicks (with its names, headers and snapshot), and the start-up housekeeping and
// the lists in a folder of the script's own.
#include <bit>
#include <cmath>
#include <iomanip>
#include <iterator>
#include <numeric>

#include "Analyzer.h"
#include "GoldenCheck.h"
#include "ListFiles.h"
#include "NumberFormat.h"
#include "ResultHousekeeping.h"

namespace lott {
namespace {

const fs::path kScripts = fs::path(TRICKSCAN_GOLDEN_DIR) / "scripts";

// Line ends and control bytes made visible.
std::string Escaped(std::string_view s) {
    std::string r;
    for (const unsigned char c : s)
        r += c == '\r'   ? "\\r"
             : c == '\n' ? "\\n"
             : c < 32    ? "\\" + std::to_string(c)
                         : std::string(1, char(c));
    return r;
}

// Steps: numbers are clicks; "shot" first starts in the screenshot mode; lock, unlock, update,
// allbuttons, table=1 call the run lock and the buttons; "tables" attaches tables holding marks;
// file=NAME, dir=NAME and rm=NAME change the data folder.
std::string SettingsDump(const std::vector<std::string>& steps) {
    test::TempFolder dir;
    Settings s;
    CountingTables t;
    s.DefaultSetting(!steps.empty() && steps[0] == "shot");
    s.DataDir = dir.path();
    std::ostringstream o;
    for (const std::string& w : steps) {
        const fs::path name = dir / w.substr(w.find('=') + 1);
        if (w.find_first_not_of("-0123456789") == std::string::npos && !s.Click(std::stoi(w)))
            o << "  refused " << w << '\n';
        if (w == "lock") s.Disable();
        if (w == "unlock") s.Enable();
        if (w == "update") s.UpdateResultButtons();
        if (w == "allbuttons") s.EnableAllButtons();
        if (w == "table=1") s.EnableTableButton(1);
        if (w.starts_with("file=")) test::WriteFile(name, "x");
        if (w.starts_with("dir=")) fs::create_directory(name);
        if (w.starts_with("rm=")) fs::remove(name);
        if (w == "tables") s.SetTables(&t);
        if (w == "tables") t.DevTable(0, 17, 1) = t.EventTable(-1, 15, 2) = t.DevMean(0, 17) = 5;
    }
    EXPECT_TRUE(s.SettingMode == SettingMode::None || Settings::IsCurrentResultName(s.ResultName));
    o << "  enabled";
    for (int i = 0; i < Settings::kOptionCount; ++i)
        o << (s.Enabled(i) ? " " + std::to_string(i) : "");
    o << "\n  selected";
    for (int i = 0; i < Settings::kOptionCount; ++i)
        o << (s.Selected(i) ? " " + std::to_string(i) : "");
    const ScanOptions n = s.Snapshot();
    auto button = [](Settings::Button x) {
        return std::string{char('0' + x.enabled), char('0' + x.tinted)};
    };
    o << "\n  mode " << static_cast<int>(s.SettingMode) << " trumpBy "
      << static_cast<int>(s.TrumpBy) << " nt " << s.NTFormula << " touched " << s.Touched
      << " filter " << s.FilterOn << " special " << s.SpecialFlags[0] << s.SpecialFlags[1]
      << " locked " << s.RunLocked() << "\n  name \"" << s.ResultName << "\" code \"" << s.CorrCode
      << "\" saved";
    for (int i = 14; i <= 21; ++i) o << (s.SavedCorrOf(i) ? " " + std::to_string(i) : "");
    o << "\n  start " << s.cmdStartEnabled() << " menu7 " << s.menu7Enabled() << " language "
      << s.LanguageEnabled() << " table " << button(s.cmdTable(0)) << ' ' << button(s.cmdTable(1))
      << " graph " << button(s.cmdGrph(0)) << ' ' << button(s.cmdGrph(1)) << "\n  snapshot mode "
      << static_cast<int>(n.SettingMode) << " length " << n.ByLengthSelected << " score "
      << n.ByScoreSelected << " forbid " << n.ForbidSelected << " hcp " << int(n.Hcp) << " nt "
      << int(n.NT) << '/' << n.NTFormula << " fit " << int(n.DoubleFit) << " solid "
      << int(n.SolidTrump) << " cham " << n.Chameleon << " filter " << int(n.Filter) << " trumpBy "
      << static_cast<int>(n.TrumpBy) << "\n  tables " << t.DevTable(0, 17, 1) << ' '
      << t.EventTable(-1, 15, 2) << ' ' << t.DevMean(0, 17);
    for (const std::string& h : PrepareHeaders(s, "2024-05-06 07:08:09"))
        o << "\n  head \"" << h << '"';
    return o.str() + '\n';
}

// Runs one command; the folder commands work in dir.
std::string RunCommand(const fs::path& dir, const std::string& line) {
    std::istringstream in(line);
    std::string c, error;
    in >> c;
    const std::vector<std::string> w{std::istream_iterator<std::string>(in), {}};
    auto I = [&](std::size_t k) { return k < w.size() ? std::stoi(w[k]) : 0; };
    const std::string a = w.empty() ? "" : w[0];
    const float f = std::strtof(a.c_str(), nullptr);
    const auto q0 = line.find('"'), q1 = line.rfind('"');
    const std::string q = q0 < q1 ? line.substr(q0 + 1, q1 - q0 - 1) : "";
    auto said = [&](bool ok) {  // a result and what was said, the folder's path made neutral
        for (std::size_t p; (p = error.find(dir.string())) != std::string::npos;)
            error.replace(p, dir.string().size(), "<dir>");
        const std::string r = (ok ? "  ok" : "  failed") + (error.empty() ? "" : ": " + error);
        error.clear();
        return r + '\n';
    };
    if (c == "strN") return "  [" + strN(I(0)) + "]\n";
    if (c == "str2") return "  [" + str2(I(0)) + "]\n";
    if (c == "strX") return "  [" + strX(f) + "]\n";
    if (c == "fixed2") return "  [" + Fixed2(f) + "]\n";
    if (c == "field")
        return "  " + (std::ostringstream() << std::setprecision(9) << FieldValue(q)).str() + '\n';
    if (c == "whole") return "  " + std::to_string(Analyzer::WholeNumber(q).value_or(-1)) + '\n';
    if (c == "settings") return SettingsDump(w);
    if (c == "fintext") {  // a golden input read as a result of Standard with double fit +1
        CountingTables t;
        std::array<std::string, 3> head;
        const Settings st = test::Clicked({Opt::Standard, Opt::DoubleFitOne});
        const FinResult r = FinText(test::ReadFile(kScripts / "files" / a), t, st, head);
        std::ostringstream o;  // shown as the file the tables read write again
        o << "  found " << r.found << " complete " << r.complete << " lines " << r.lines
          << " heads";
        for (const std::string& h : head) o << ' ' << h.size();
        std::istringstream lines(ResultFileText(t, st, head));
        for (std::string l; std::getline(lines, l);) o << "\n  |" << Escaped(l.substr(0, 150));
        return o.str() + '\n';
    }
    if (c == "put") test::WriteFile(dir / a, line.substr(line.find(a) + a.size() + 1));
    if (c == "mkdir") fs::create_directories(dir / a);
    if (c == "clear")
        for (const auto& e : test::Entries(dir, "")) fs::remove_all(e);
    if (c == "tree") {
        std::vector<std::string> v;
        for (const auto& e : fs::recursive_directory_iterator(dir))
            v.push_back("  " + fs::relative(e.path(), dir).string() +
                        (e.is_directory() ? "/" : " [" + Escaped(test::ReadFile(e.path())) + "]") +
                        '\n');
        std::sort(v.begin(), v.end());
        return std::accumulate(v.begin(), v.end(), std::string());
    }
    if (c == "startup") {  // the housekeeping of the analyzer's start-up
        const std::string moved = said(MoveTxtFiles(dir, dir / "DataFiles", error));
        return moved + said(RenameTxtFiles(dir / "DataFiles", error));
    }
    if (c != "over20") return std::string();
    Over20List list(dir);  // a run's list: language, deal numbers, and "drop" to leave it
    std::string r = said(list.OpenOver20(static_cast<Language>(I(0)), error));
    for (std::size_t k = 1; k < w.size(); ++k)
        r += w[k] == "drop" ? said(list.Finish(error))
                            : said(list.FoutOver20(21, 22, I(k), {19, 21}, error));
    return w.back() == "drop" ? r : r + said(list.CloseOver20(error));
}

class ScriptGolden : public testing::TestWithParam<fs::path> {};

TEST_P(ScriptGolden, OutputEqualsTheExpectedOne) {
    test::TempFolder dir;
    std::istringstream text(test::ReadFile(GetParam()));
    std::string out;
    for (std::string line; std::getline(text, line);)
        out += line.empty() || line[0] == '#' ? line + '\n'
                                              : "> " + line + '\n' + RunCommand(dir.path(), line);
    test::ExpectGolden(fs::path(GetParam()).replace_extension(".expected"), out);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptGolden,
                         testing::ValuesIn(test::Entries(kScripts, ".script")), test::Named);

TEST(TableExportNumber, EveryFiniteFloatReadsBackBitForBit) {
    std::mt19937 rng(5);
    for (int i = 0; i < 200000; ++i) {
        const float v = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
        const std::string text = TableExport::Number(v);
        if (!std::isfinite(v)) continue;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(std::strtof(text.c_str(), nullptr)),
                  std::bit_cast<std::uint32_t>(v == 0 ? 0.0f : v))
            << text;
    }
}

}  // namespace
}  // namespace lott
