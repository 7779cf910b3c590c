// Counting deals into the tables, case by case from data/tables.txt: half-point corrections, the
// suit-suit grand total, clamping into the edge rows and notrump weights.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "TableCounter.h"
#include "TestLibrary.h"

namespace lott {
namespace {

// An expected value in reverse Polish (see data/tables.txt), in float as the counter sums.
float Evaluate(std::istream& in, const ExpectedFreq& f) {
    std::vector<float> s;
    for (std::string w; in >> w;) {
        int kind = 0, mode = 0, length = 0;
        if (w == "f" && in >> kind >> mode >> length) {
            s.push_back(f(kind, mode, length));
        } else if (w == "round" && !s.empty()) {
            s.back() = std::nearbyint(s.back());
        } else if ((w == "/" || w == "+" || w == "min") && s.size() >= 2) {
            const float b = s.back();
            s.pop_back();
            s.back() = w == "/" ? s.back() / b : w == "+" ? s.back() + b : std::min(s.back(), b);
        } else {
            s.push_back(std::stof(w));  // throws on a word it does not know
        }
    }
    return s.size() == 1 ? s[0] : NAN;  // NAN equals no cell
}

class TableCase : public ::testing::TestWithParam<test::DataCase> {};

TEST_P(TableCase, CellsHoldTheExpectedValues) {
    const test::DataCase& c = GetParam();
    CountingTables t;
    ExpectedFreq f;
    f.LoadPtValues();
    TableCounter counter{t, f};
    counter.options = {
        .SettingMode = SettingMode::Standard,
        .ByScoreSelected = true,
        .NTFormula = std::atoi(c.Get("ntFormula").c_str()),
        .DoubleFit = c.Get("doubleFit") == "+0.5" ? Correction::Half : Correction::Off,
        .Chameleon = c.Get("chameleon") == "-0.5",
        .TrumpBy = TrumpBy::Score};
    counter.SetUseFlags();
    int checks = 0;
    for (const auto& [key, value] : c.lines) {
        std::istringstream in(value);
        std::array<int, 3> i{};
        EventCounts ev{};
        if (key == "doubleFit" || key == "chameleon" || key == "ntFormula") continue;
        if (key == "suit" || key == "nt") {
            in >> i[0] >> i[1] >> ev[1] >> ev[2] >> ev[3];
            key == "suit" ? counter.UpdateTableSuit(i[0], i[1], ev)
                          : counter.UpdateTableNT(i[0], i[1], ev);
            continue;
        }
        std::string w;
        for (std::size_t n = 0; in >> w && w != "="; ++n) i.at(n) = std::stoi(w);
        const float cell = key == "dev"       ? t.DevTable(i[0], i[1], i[2])
                           : key == "event"   ? t.EventTable(i[0], i[1], i[2])
                           : key == "rate"    ? t.EventRate(i[0], i[1])
                           : key == "mean"    ? t.DevMean(i[0], i[1])
                           : key == "absmean" ? t.DevAbsMean(i[0], i[1])
                                              : NAN;  // an unknown line fails
        EXPECT_EQ(cell, Evaluate(in, f)) << key << ' ' << value;
        ++checks;
    }
    EXPECT_GT(checks, 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, TableCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_ENGINE_DATA "/tables.txt")),
                         test::CaseName);

}  // namespace
}  // namespace lott
