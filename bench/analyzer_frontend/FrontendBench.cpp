// Cost of the live table's cell texts per counted deal (a full scan with the table open redraws
// the touched cells of 717,102 deals), of "#0.00", and of writing and reading a result file.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "Headers.h"
#include "NumberFormat.h"
#include "ResultFile.h"
#include "Settings.h"
#include "TableCells.h"

namespace lott {
namespace {

constexpr int kLibraryDeals = 717102;

struct DealCounted {
    int kind, L, d;
    std::array<std::int32_t, 3> events;
};

std::vector<DealCounted> SomeDeals() {
    std::mt19937 rng(7);
    std::vector<DealCounted> v(kLibraryDeals);
    for (auto& x : v) {
        x.kind = rng() % 3 == 0 ? -1 : 0;
        x.L = 14 + int(rng() % 9);
        x.d = int(rng() % 7) - 3;
        x.events = {int(rng() % 2), int(rng() % 3 == 0), 0};
    }
    return v;
}

Settings StandardWithCorrections() {
    Settings s;
    s.DefaultSetting(false);
    for (int i : {1, 12, 14, 18, 20}) s.Click(i);
    return s;
}

// What an update costs without the table: the floor the live table adds to.
void Count(CountingTables& t, const DealCounted& x) {
    t.DevTable(x.kind, x.L, x.d) += 1;
    t.DevTable(x.kind, x.L, 30) += 1;
    t.DevTable(x.kind, 30, x.d) += 1;
    t.DevTable(x.kind, 30, 30) += 1;
    t.DevTable(x.kind, x.L, 29) += float(x.d);
    t.DevMean(x.kind, x.L) = t.DevTable(x.kind, x.L, 29) / t.DevTable(x.kind, x.L, 30);
    t.DevMean(x.kind, 30) = t.DevTable(x.kind, 30, 29) / t.DevTable(x.kind, 30, 30);
}

void BM_CountOnly(benchmark::State& state) {
    const auto deals = SomeDeals();
    for (auto _ : state) {
        CountingTables t;
        for (const auto& x : deals) Count(t, x);
        benchmark::DoNotOptimize(t);
    }
    state.SetItemsProcessed(state.iterations() * kLibraryDeals);
}
BENCHMARK(BM_CountOnly)->Unit(benchmark::kMillisecond);

void BM_CountAndWriteTable(benchmark::State& state) {
    const auto deals = SomeDeals();
    const Settings s = StandardWithCorrections();
    TableCells cells;
    std::vector<CellUpdate> updates;
    std::size_t touched = 0;
    for (auto _ : state) {
        CountingTables t;
        for (const auto& x : deals) {
            Count(t, x);
            cells.WriteTable(t, s, x.kind, x.L, x.d, x.events, &updates);
            touched += updates.size();
        }
        benchmark::DoNotOptimize(touched);
    }
    state.SetItemsProcessed(state.iterations() * kLibraryDeals);
    state.counters["cells_per_deal"] =
        double(touched) / double(state.iterations()) / double(kLibraryDeals);
}
BENCHMARK(BM_CountAndWriteTable)->Unit(benchmark::kMillisecond);

// The live table as a window would drive it: the grid changes per deal, the changed cells are
// collected at every 20th deal (where the scan yields) to be repainted.
void BM_CountAndLiveGrid(benchmark::State& state) {
    const auto deals = SomeDeals();
    const Settings s = StandardWithCorrections();
    TableCells cells;
    std::size_t repainted = 0;
    for (auto _ : state) {
        CountingTables t;
        int n = 0;
        for (const auto& x : deals) {
            Count(t, x);
            cells.WriteTable(t, s, x.kind, x.L, x.d, x.events, nullptr);
            if (++n % 20 == 0) repainted += cells.TakeChanged().size();
        }
        benchmark::DoNotOptimize(repainted);
    }
    state.SetItemsProcessed(state.iterations() * kLibraryDeals);
    state.counters["repaints_per_deal"] =
        double(repainted) / double(state.iterations()) / double(kLibraryDeals);
}
BENCHMARK(BM_CountAndLiveGrid)->Unit(benchmark::kMillisecond);

void BM_Fixed2(benchmark::State& state) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> dist(-5.0f, 5.0f);
    std::vector<float> values(4096);
    for (auto& v : values) v = dist(rng);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Fixed2(values[i++ & 4095]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Fixed2);

void BM_ResultFileWriteAndRead(benchmark::State& state) {
    const Settings s = StandardWithCorrections();
    CountingTables t;
    for (const auto& x : SomeDeals()) Count(t, x);
    const auto head = PrepareHeaders(s, "2024-01-02 03:04:05");
    std::array<std::string, 3> back;
    for (auto _ : state) {
        const std::string text = ResultFileText(t, s, head);
        CountingTables read;
        benchmark::DoNotOptimize(FinText(text, read, s, back));
    }
}
BENCHMARK(BM_ResultFileWriteAndRead)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lott

BENCHMARK_MAIN();
