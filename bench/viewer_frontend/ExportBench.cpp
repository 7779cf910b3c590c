// boardlook-batch on many deals: all games into one PBN file, and one text page per deal, each
// against the floor of reading the same deals from the library.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "BoardlookBatch.h"
#include "DealCodec.h"
#include "LibraryFile.h"

namespace {

namespace fs = std::filesystem;
constexpr std::int32_t kDeals = 100000;

// A random deal with random trick digits: the export does not care whether they are solved.
lott::DealRecord RandomDeal(std::mt19937& rng) {
    std::array<int, 52> owner{};
    for (int i = 0; i < 52; ++i) owner[static_cast<std::size_t>(i)] = i / 13;
    std::shuffle(owner.begin(), owner.end(), rng);
    lott::DealRecord r;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            r.hands[static_cast<std::size_t>(owner[static_cast<std::size_t>(suit * 13 + rank)])]
                   [static_cast<std::size_t>(suit)]
                       .push(lott::CardName[static_cast<std::size_t>(rank)]);
    std::uniform_int_distribution<int> digit(0, 13);
    for (auto& s : r.nsTricks.v)
        for (auto& d : s) d = static_cast<std::uint8_t>(digit(rng));
    return r;
}

const fs::path& Folder() {
    static const fs::path folder = [] {
        const fs::path f = fs::current_path() / "bench_export_folder";
        fs::remove_all(f);
        fs::create_directories(f);
        std::ofstream bin(f / lott::kBinLibName, std::ios::binary);
        std::mt19937 rng(9);
        std::array<std::uint8_t, lott::kBinRecLen> rec{};
        for (std::int32_t i = 0; i < kDeals; ++i) {
            lott::EncodeBinDeal(RandomDeal(rng), rec);
            bin.write(reinterpret_cast<const char*>(rec.data()), lott::kBinRecLen);
        }
        return f;
    }();
    return folder;
}

// Seconds to read deals 1..n once.
double FloorSeconds(std::int32_t n) {
    lott::LibraryFile lib;
    lib.Open(Folder() / lott::kBinLibName, lott::LibMode::Binary);
    lott::Deal d;
    const auto t0 = std::chrono::steady_clock::now();
    for (std::int32_t i = 1; i <= n; ++i) benchmark::DoNotOptimize(lib.ReadDeal(i, d));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void Export(benchmark::State& state, std::vector<std::string> args, std::int32_t n) {
    args.insert(args.begin(), {Folder().string(), "--deals", "1-" + std::to_string(n)});
    std::string error;
    const auto cmd = lott::BoardlookBatch::Parse(args, error);
    if (!cmd) {
        state.SkipWithError(error.c_str());
        return;
    }
    const double floor = FloorSeconds(n);
    double total = 0;
    for (auto _ : state) {
        std::ostringstream out, err;
        const auto t0 = std::chrono::steady_clock::now();
        if (lott::BoardlookBatch::Run(*cmd, Folder(), out, err) != 0)
            state.SkipWithError(err.str().c_str());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    const double each = total / static_cast<double>(state.iterations());
    state.counters["deals_per_s"] = static_cast<double>(n) / each;
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["x_floor"] = each / floor;
}

void BM_AllDealsIntoOnePbnFile(benchmark::State& state) {
    Export(state, {"--pbn-file", (Folder() / "all.pbn").string()}, kDeals);
}
BENCHMARK(BM_AllDealsIntoOnePbnFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OneTextPagePerDeal(benchmark::State& state) {
    Export(state, {"--text"}, 10000);
}
BENCHMARK(BM_OneTextPagePerDeal)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
