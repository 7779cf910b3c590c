// makelibrary's speed against DDS's own: CalcAllTables alone on a fixed set of deals, and the
// whole pipeline (generate, solve, encode, write with checkpoints) making a library of the same
// deals. The ratio is what the pipeline keeps of DDS's throughput. Also a shard of the same size
// against the whole run, and the merge of a library of the published size from its shards.
#include <benchmark/benchmark.h>
#include <dds/dll.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "CollectingReporter.h"
#include "DdsSolver.h"
#include "DealGenerator.h"
#include "LibraryMaker.h"
#include "LibraryWriter.h"
#include "ShardMerger.h"

namespace {

namespace fs = std::filesystem;
using namespace lott;

constexpr std::uint64_t kSeed = 20260;
constexpr int kDeals = 2 * DdsSolver::kMaxTables;  // two full calls

// CPU seconds of the whole process, DDS's worker threads included. On a shared machine the wall
// clock also measures the neighbours; deals per CPU-second show the work each side really does.
double ProcessCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           1e-6 * static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

void SetCounters(benchmark::State& state, double cpuSeconds) {
    state.counters["deals_per_s"] =
        benchmark::Counter(kDeals, benchmark::Counter::kIsIterationInvariantRate);
    if (cpuSeconds > 0)
        state.counters["deals_per_cpu_s"] =
            static_cast<double>(kDeals) * static_cast<double>(state.iterations()) / cpuSeconds;
}

// DDS alone: the deals converted beforehand, then only CalcAllTables is timed.
void BM_DdsCalcAllTables(benchmark::State& state, DdsSolver* solver) {
    (void)solver;  // made in main: it configures DDS's threads for both benchmarks alike
    DealGenerator gen(kSeed);
    std::vector<ddTableDeals> calls((kDeals + DdsSolver::kMaxTables - 1) / DdsSolver::kMaxTables);
    for (int i = 0; i < kDeals; ++i) {
        DdsSolver::DdsCards cards{};
        DdsSolver::ToDdsCards(gen.Next(), cards);
        ddTableDeals& call = calls[static_cast<std::size_t>(i / DdsSolver::kMaxTables)];
        ddTableDeal& d = call.deals[i % DdsSolver::kMaxTables];
        for (int h = 0; h < 4; ++h)
            for (int s = 0; s < 4; ++s) d.cards[h][s] = cards[h][s];
        call.noOfTables = i % DdsSolver::kMaxTables + 1;
    }
    std::vector<ddTablesRes> results(calls.size());
    allParResults par{};
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    double cpu = 0;
    for (auto _ : state) {
        double before = ProcessCpuSeconds();
        for (std::size_t c = 0; c < calls.size(); ++c) {
            int rc = CalcAllTables(&calls[c], -1, filter, &results[c], &par);
            if (rc != RETURN_NO_FAULT) {
                state.SkipWithError("CalcAllTables failed");
                return;
            }
        }
        benchmark::DoNotOptimize(results.data());
        cpu += ProcessCpuSeconds() - before;
    }
    SetCounters(state, cpu);
}

fs::path ScratchFolder() {
    std::mt19937_64 rng{std::random_device{}()};
    return fs::temp_directory_path() / ("bench_makelibrary_" + std::to_string(rng() % 1000000000));
}

// The pipeline as makelibrary runs it (or shard 1 of 3 of a library three times the size), into
// a fresh scratch folder each time.
void BM_MakelibraryPipeline(benchmark::State& state, DdsSolver* solver) {
    const fs::path base = ScratchFolder();
    int round = 0;
    double cpu = 0;
    for (auto _ : state) {
        double before = ProcessCpuSeconds();
        fs::path dir = base / std::to_string(round++);
        LibraryWriter writer;
        std::string error;
        const int shards = static_cast<int>(state.range(0));
        if (!writer.Create(dir, kSeed, kDeals * std::max(shards, 1), error, shards, shards / 2) ||
            LibraryMaker(*solver).Run(writer, nullptr, nullptr, error) !=
                LibraryMaker::Outcome::Finished) {
            state.SkipWithError(error.c_str());
            break;
        }
        cpu += ProcessCpuSeconds() - before;
    }
    std::error_code ec;
    fs::remove_all(base, ec);
    SetCounters(state, cpu);
}

// Merging 717,102 deals (the published library's size) from 8 shards. The shards' deals are not
// solved: the merge copies and checks bytes and does not look at tricks.
void BM_MergeShards(benchmark::State& state) {
    constexpr std::int64_t kLibrary = 717102, kShards = 8;
    const fs::path base = ScratchFolder();
    std::vector<fs::path> shards;
    std::string error;
    DealGenerator gen(kSeed);
    for (std::int64_t i = 0; i < kShards && error.empty(); ++i) {
        shards.push_back(base / ("shard-" + std::to_string(i)));
        LibraryWriter w;
        if (!w.Create(shards.back(), kSeed, kLibrary, error, kShards, i)) break;
        std::vector<DealRecord> deals;
        for (std::int64_t k = 0; k < w.Marker().Count(); ++k) deals.push_back(gen.Next());
        if (!w.Append(deals, error) || !w.Finish(error)) break;
    }
    int round = 0;
    for (auto _ : state) {
        if (!error.empty() || ShardMerger::Merge(base / ("merged-" + std::to_string(round++)),
                                                 shards, error) != ShardMerger::Outcome::Merged) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    std::error_code ec;
    fs::remove_all(base, ec);
    state.counters["deals_per_s"] =
        benchmark::Counter(kLibrary, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

int main(int argc, char** argv) {
    // Three rounds of each, interleaved, so that a change in the machine's load between the
    // two does not pass for a difference between them; the medians are compared.
    std::vector<char*> args(argv, argv + argc);
    std::string reps = "--benchmark_repetitions=3",
                mix = "--benchmark_enable_random_interleaving=true";
    bool chosen = false;
    for (int i = 1; i < argc; ++i)
        chosen |= std::string(argv[i]).starts_with("--benchmark_repetitions");
    if (!chosen) {
        args.insert(args.begin() + 1, mix.data());
        args.insert(args.begin() + 1, reps.data());
    }
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;

    DdsSolver solver(0);  // DDS picks its threads: one per core
    std::printf("DDS %s with %d threads, %d deals from seed %llu\n", solver.Version().c_str(),
                solver.Threads(), kDeals, static_cast<unsigned long long>(kSeed));
    benchmark::RegisterBenchmark("BM_DdsCalcAllTables", BM_DdsCalcAllTables, &solver)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("BM_MakelibraryPipeline", BM_MakelibraryPipeline, &solver)
        ->Arg(0)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("BM_MakelibraryShard", BM_MakelibraryPipeline, &solver)
        ->Arg(3)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("BM_MergeShards", BM_MergeShards)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);

    lott::bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto dds = reporter.Get("BM_DdsCalcAllTables");
    auto pipe = reporter.Get("BM_MakelibraryPipeline/0");
    auto shard = reporter.Get("BM_MakelibraryShard/3");
    if (pipe && shard)
        std::printf("a shard: %.2f deals/s, %.3f of the whole run's\n",
                    shard->counters["deals_per_s"],
                    shard->counters["deals_per_s"] / pipe->counters["deals_per_s"]);
    if (dds && pipe) {
        double a = dds->counters["deals_per_s"], b = pipe->counters["deals_per_s"];
        double ac = dds->counters["deals_per_cpu_s"], bc = pipe->counters["deals_per_cpu_s"];
        std::printf(
            "DDS CalcAllTables alone: %.2f deals/s (%.3f per CPU-second); makelibrary "
            "pipeline: %.2f deals/s (%.3f per CPU-second)\n"
            "pipeline / DDS = %.3f by the clock, %.3f by CPU time\n",
            a, ac, b, bc, b / a, bc / ac);
    }
    benchmark::Shutdown();
    return 0;
}
