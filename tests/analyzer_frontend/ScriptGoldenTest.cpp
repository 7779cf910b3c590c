// The Qt-free front end described as data: every golden/scripts/<name>.script is run line by
// line, each command echoed before what it gave, and the output must equal <name>.expected.
// Commands cover the number texts, the reading of fields and damaged result files, the option
// array after clicks (with its names, headers and snapshot), and the start-up housekeeping,
// lists and result writing in a folder of the script's own.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <random>
#include <sstream>

#include "Analyzer.h"
#include "GoldenCheck.h"
#include "Headers.h"
#include "ListFiles.h"
#include "NumberFormat.h"
#include "ResultHousekeeping.h"
#include "TableExport.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
const fs::path kScripts = fs::path(TRICKSCAN_GOLDEN_DIR) / "scripts";

std::string F(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.9g", v);
    return b;
}

// Line ends and control bytes made visible.
std::string Escaped(std::string_view s) {
    std::string r;
    for (const unsigned char c : s) {
        char b[8];
        std::snprintf(b, sizeof b, "\\x%02x", c);
        r += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c < 32 || c == 127 ? b : std::string(1, c);
    }
    return r;
}

std::string Options(const Settings& s, bool (Settings::*has)(int) const) {
    std::string r;
    for (int i = 0; i < Settings::kOptionCount; ++i)
        if ((s.*has)(i)) r += ' ' + std::to_string(i);
    return r;
}

// Steps: numbers are clicks; "shot" first starts in the screenshot mode; lock, unlock, update,
// allbuttons, table1 call the run lock and the buttons; "tables" attaches tables holding marks;
// file=NAME, dir=NAME and rm=NAME change the data folder.
std::string SettingsDump(const std::vector<std::string>& steps) {
    test::TempFolder dir;
    Settings s;
    CountingTables t;
    s.DefaultSetting(!steps.empty() && steps[0] == "shot");
    s.DataDir = dir.path();
    std::ostringstream o;
    for (const std::string& w : steps) {
        const std::string name = w.substr(w.find('=') + 1);
        if ((std::isdigit(static_cast<unsigned char>(w[0])) || w[0] == '-') &&
            !s.Click(std::stoi(w)))
            o << "  refused " << w << '\n';
        if (w == "lock") s.Disable();
        if (w == "unlock") s.Enable();
        if (w == "update") s.UpdateResultButtons();
        if (w == "allbuttons") s.EnableAllButtons();
        if (w == "table1") s.EnableTableButton(1);
        if (w.starts_with("file=")) test::WriteFile(dir / name, "x");
        if (w.starts_with("dir=")) fs::create_directory(dir / name);
        if (w.starts_with("rm=")) fs::remove(dir / name);
        if (w == "tables") {
            s.SetTables(&t);
            t.DevTable(0, 17, 1) = t.DevTable(-1, 30, 30) = t.EventTable(-1, 15, 2) = 5;
            t.DevMean(0, 17) = t.EventRate(0, 1) = 0.5f;
        }
    }
    if (s.SettingMode >= 0) {
        EXPECT_TRUE(Settings::IsCurrentResultName(s.ResultName));
    }
    const ScanOptions n = s.Snapshot();
    auto button = [](Settings::Button x) {
        return std::string{char('0' + x.enabled), char('0' + x.tinted)};
    };
    o << "  enabled" << Options(s, &Settings::Enabled) << "\n  selected"
      << Options(s, &Settings::Selected) << "\n  mode " << s.SettingMode << " trumpBy " << s.TrumpBy
      << " nt " << s.NTFormula << " touched " << s.Touched << " filter " << s.FilterOn
      << " special " << s.SpecialFlags[0] << s.SpecialFlags[1] << " locked " << s.RunLocked()
      << "\n  name \"" << s.ResultName << "\" code \"" << s.CorrCode << "\" saved";
    for (int i = 14; i <= 21; ++i) o << (s.SavedCorrOf(i) ? " " + std::to_string(i) : "");
    o << "\n  start " << s.cmdStartEnabled() << " menu7 " << s.menu7Enabled() << " language "
      << s.LanguageEnabled() << " table " << button(s.cmdTable(0)) << ' ' << button(s.cmdTable(1))
      << " graph " << button(s.cmdGrph(0)) << ' ' << button(s.cmdGrph(1)) << "\n  snapshot mode "
      << n.SettingMode << " length " << n.ByLengthSelected << " score " << n.ByScoreSelected
      << " forbid " << n.ForbidSelected << " hcp " << int(n.Hcp) << " nt " << int(n.NT) << '/'
      << n.NTFormula << " fit " << int(n.DoubleFit) << " solid " << int(n.SolidTrump) << " cham "
      << n.Chameleon << " filter " << int(n.Filter) << " trumpBy " << n.TrumpBy;
    for (const std::string& h : PrepareHeaders(s, "2024-05-06 07:08:09"))
        o << "\n  head \"" << h << '"';
    if (std::find(steps.begin(), steps.end(), "tables") != steps.end())
        o << "\n  tables " << F(t.DevTable(0, 17, 1)) << ' ' << F(t.DevTable(-1, 30, 30)) << ' '
          << F(t.EventTable(-1, 15, 2)) << ' ' << F(t.DevMean(0, 17)) << ' '
          << F(t.EventRate(0, 1));
    return o.str() + '\n';
}

// What a reading gave, shown as the result file the tables read write again (lines cut at 150).
std::string FinDump(const FinResult& r, const std::array<std::string, 3>& head,
                    const CountingTables& t, const Settings& s) {
    std::string o = "  found " + std::to_string(r.found) + " complete " +
                    std::to_string(r.complete) + " lines " + std::to_string(r.lines) + " heads";
    for (const std::string& h : head) o += ' ' + std::to_string(h.size());
    std::istringstream lines(ResultFileText(t, s, head));
    for (std::string l; std::getline(lines, l);) o += "\n  |" + Escaped(l.substr(0, 150));
    return o + '\n';
}

std::string Tree(const fs::path& root) {
    std::vector<std::string> v;
    for (const auto& e : fs::recursive_directory_iterator(root))
        v.push_back("  " + fs::relative(e.path(), root).string() +
                    (e.is_directory() ? "/" : " [" + Escaped(test::ReadFile(e.path())) + "]"));
    std::sort(v.begin(), v.end());
    std::string r;
    for (const auto& line : v) r += line + '\n';
    return r;
}

// Runs one command; the folder commands work in dir.
std::string RunCommand(const fs::path& dir, const std::string& line) {
    std::istringstream in(line);
    std::string c;
    in >> c;
    const std::vector<std::string> w{std::istream_iterator<std::string>(in), {}};
    auto I = [&](std::size_t k) { return k < w.size() ? std::stoi(w[k]) : 0; };
    const std::string a = w.empty() ? "" : w[0], name = dir / a;
    const float f = std::strtof(a.c_str(), nullptr);
    const auto q0 = line.find('"'), q1 = line.rfind('"');
    const std::string q = q0 < q1 ? line.substr(q0 + 1, q1 - q0 - 1) : "";
    std::string error;
    auto said = [&](bool ok) {  // a result and what was said, the folder's path made neutral
        for (auto p = error.find(dir.string()); p != std::string::npos;
             p = error.find(dir.string()))
            error.replace(p, dir.string().size(), "<dir>");
        std::string r = (ok ? "  ok" : "  failed") + (error.empty() ? "" : ": " + Escaped(error));
        error.clear();
        return r + '\n';
    };
    CountingTables t;
    std::array<std::string, 3> head;
    const Settings standard = test::Clicked({1, 14});
    if (c == "strN") return "  [" + strN(I(0)) + "]\n";
    if (c == "str2") return "  [" + str2(I(0)) + "]\n";
    if (c == "strX") return "  [" + strX(f) + "]\n";
    if (c == "fixed2") return "  [" + Fixed2(f) + "]\n";
    if (c == "number") return "  [" + TableExport::Number(f) + "]\n";
    if (c == "csv") return "  " + TableExport::CsvField(q) + '\n';
    if (c == "json") return "  " + TableExport::JsonString(q) + '\n';
    if (c == "field") return "  " + F(FieldValue(q)) + '\n';
    if (c == "whole") {
        const auto n = Analyzer::WholeNumber(q);
        return "  " + (n ? std::to_string(*n) : std::string("none")) + '\n';
    }
    if (c == "over20line") return "  [" + Over20Line(I(0), I(1), I(2), {I(3), I(4)}) + "]\n";
    if (c == "doubleNTline") return "  [" + DoubleNTLine(I(0)) + "]\n";
    if (c == "settings") return SettingsDump(w);
    if (c == "fintext")  // a golden input read as a result of Standard with double fit +1
        return FinDump(FinText(test::ReadFile(kScripts / "files" / a), t, standard, head), head, t,
                       standard);
    if (c == "fin") {  // a file of the folder read so, over tables and headers holding marks
        t.DevTable(0, 17, 0) = t.EventRate(-1, 2) = 3;
        head = {"a", "b", "c"};
        return FinDump(Fin(dir, a, t, standard, head), head, t, standard);
    }
    if (c == "put") test::WriteFile(name, line.substr(line.find(a) + a.size() + 1));
    if (c == "mkdir") fs::create_directories(name);
    if (c == "clear")
        for (const auto& e : test::Entries(dir, "")) fs::remove_all(e);
    if (c == "tree") return Tree(dir);
    if (c == "startup") {  // the housekeeping of the analyzer's start-up
        const std::string moved = said(MoveTxtFiles(dir, dir / "DataFiles", error));
        return moved + said(RenameTxtFiles(dir / "DataFiles", error));
    }
    if (c == "fout") {  // an empty result of the clicks that follow, into the folder named
        std::vector<int> clicks;
        for (std::size_t k = 1; k < w.size(); ++k) clicks.push_back(I(k));
        const Settings s = test::Clicked(clicks);
        return said(Fout(name, s.ResultName, t, s, {" a", " b", " c"}, error));
    }
    if (c == "over20") {  // a run's list: language, deal numbers, and "drop" to leave it
        Over20List list(dir);
        std::string r = said(list.OpenOver20(I(0), error));
        for (std::size_t k = 1; k < w.size(); ++k)
            r += w[k] == "drop" ? said(list.Finish(error))
                                : said(list.FoutOver20(21, 22, I(k), {19, 21}, error));
        return w.back() == "drop" ? r : r + said(list.CloseOver20(error));
    }
    if (c == "doubleNT") {
        std::string lines;
        for (std::size_t k = 0; k < w.size(); ++k) lines += DoubleNTLine(I(k)) + "\r\n";
        return said(WriteDoubleNT(dir, lines, error));
    }
    return std::string();
}

class ScriptGolden : public testing::TestWithParam<fs::path> {};

TEST_P(ScriptGolden, OutputEqualsTheExpectedOne) {
    test::TempFolder dir;
    std::istringstream text(test::ReadFile(GetParam()));
    std::string out;
    for (std::string line; std::getline(text, line);)
        out += line.empty() || line[0] == '#' ? line + '\n'
                                              : "> " + line + '\n' + RunCommand(dir.path(), line);
    fs::path expected = GetParam();
    test::ExpectGolden(expected.replace_extension(".expected"), out);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptGolden,
                         testing::ValuesIn(test::Entries(kScripts, ".script")),
                         [](const auto& p) { return p.param.stem().string(); });

TEST(ResultName, EveryNameTheSettingsGiveIsKnownAsCurrent) {
    std::mt19937 rng(43);
    std::uniform_int_distribution<int> option(0, Settings::kOptionCount - 1);
    for (int run = 0; run < 300; ++run) {
        Settings s = test::Clicked({run % 2});
        for (int k = 0; k < 12; ++k) s.Click(option(rng));
        EXPECT_TRUE(Settings::IsCurrentResultName(s.ResultName)) << s.ResultName;
    }
}

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
