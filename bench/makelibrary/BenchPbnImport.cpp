// Reading and de-duplicating a tournament's worth of PBN games (50,000, a third of them the same
// board played again and written from another first seat), against the floor of going through
// the file's bytes once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "DealGenerator.h"
#include "PbnImport.h"

namespace {

using namespace lott;

constexpr int kGames = 50000;

std::string Hands(const DealRecord& rec, int first) {
    std::string t = std::string(1, "WNES"[first]) + ":";
    for (int i = 0; i < 4; ++i) {
        const int seat = (first + i) % 4;
        if (i) t += ' ';
        for (int suit = 0; suit < 4; ++suit) {
            if (suit) t += '.';
            t += rec.hands[seat][suit].view();
        }
    }
    return t;
}

const std::string& File() {
    static const std::string file = [] {
        DealGenerator gen(50000);
        std::vector<DealRecord> deals;
        std::ostringstream out;
        out << "% PBN 2.1\r\n% IMPORT\r\n";
        for (int g = 0; g < kGames; ++g) {
            // Every third game replays an earlier board, from another first seat.
            const bool again = g % 3 == 2;
            if (!again) deals.push_back(gen.Next());
            const DealRecord& d = again ? deals[deals.size() / 2] : deals.back();
            out << "[Event \"Bench Cup\"]\r\n[Site \"#\"]\r\n[Date \"2026.01.01\"]\r\n[Board \""
                << g % 32 + 1 << "\"]\r\n[West \"W\"]\r\n[North \"N\"]\r\n[East \"E\"]\r\n"
                << "[South \"S\"]\r\n[Dealer \"N\"]\r\n[Vulnerable \"None\"]\r\n[Deal \""
                << Hands(d, g % 4) << "\"]\r\n[Scoring \"MP\"]\r\n[Declarer \"S\"]\r\n"
                << "[Contract \"4S\"]\r\n[Result \"10\"]\r\n"
                << "[DoubleDummyTricks \"7a8337a8334259a4259a\"]\r\n[Auction \"N\"]\r\n"
                << "1S Pass 2S Pass\r\n4S Pass Pass Pass\r\n\r\n";
        }
        return out.str();
    }();
    return file;
}

void BM_Floor_CountLines(benchmark::State& state) {
    const std::string& f = File();
    for (auto _ : state) benchmark::DoNotOptimize(std::count(f.begin(), f.end(), '\n'));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.size()));
}

void BM_ReadAndDeduplicate(benchmark::State& state) {
    const std::string& f = File();
    std::ostringstream report;
    for (auto _ : state) {
        PbnImport import;
        import.Add("bench.pbn", f, report);
        if (import.counts().imported + import.counts().repeated != kGames)
            state.SkipWithError("games lost");
        benchmark::DoNotOptimize(import.Deals().data());
    }
    state.counters["games"] = kGames;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.size()));
}

BENCHMARK(BM_Floor_CountLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndDeduplicate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
