// Speed of a full scan and of a cache replay over a library of the published size (717,102
// deals, made by repeating the bundled sample's records, or random deals without it), next to
// the floor: reading the library file and the cache file once.
#include <benchmark/benchmark.h>

#include <cstdio>

#include <fstream>
#include <random>

#include "DealCodec.h"
#include "FileWriter.h"
#include "LibraryFile.h"
#include "ScanDriver.h"

namespace lott {
namespace {

constexpr std::int32_t kDeals = 717102;

std::filesystem::path Folder() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::current_path() / "benchfolder_engine";
        std::filesystem::create_directories(d / "DataFiles");
        std::string sample;
        if (std::ifstream in{"Library.bin", std::ios::binary}) {
            sample.assign(std::istreambuf_iterator<char>(in), {});
            sample.resize(sample.size() / kBinRecLen * kBinRecLen);
        }
        if (sample.empty()) {
            // No bundled library beside the benchmark: random deals with random tricks.
            std::mt19937 rng(1);
            for (int i = 0; i < 10000; ++i) {
                std::array<int, 52> cards{};
                for (int c = 0; c < 52; ++c) cards[c] = c;
                std::shuffle(cards.begin(), cards.end(), rng);
                std::array<std::uint8_t, kBinRecLen> rec{};
                for (int c = 0; c < 52; ++c) {
                    int suit = cards[c] / 13, rank = cards[c] % 13;
                    rec[suit * 4 + 3 - rank / 4] |=
                        static_cast<std::uint8_t>((c / 13) << (2 * (rank % 4)));
                }
                for (int b = 16; b < 26; ++b)
                    rec[b] = static_cast<std::uint8_t>(rng() % 14 * 16 + rng() % 14);
                sample.append(reinterpret_cast<const char*>(rec.data()), rec.size());
            }
        }
        std::ofstream out(d / "Library.bin", std::ios::binary | std::ios::trunc);
        const std::int64_t n = static_cast<std::int64_t>(sample.size() / kBinRecLen);
        for (std::int64_t i = 0; i < kDeals; ++i)
            out.write(sample.data() + (i % n) * kBinRecLen, kBinRecLen);
        return d;
    }();
    return dir;
}

// The list written as the analyzer writes it: beside, flushed to the disk, renamed over.
class FileSink : public Over20Sink {
  public:
    explicit FileSink(std::filesystem::path p) : out_(std::move(p)) {}
    bool Open(std::string& e) override { return out_.Open(e); }
    bool Line(std::int32_t a, std::int32_t b, std::int32_t n, const std::array<std::int32_t, 2>& h,
              std::string& e) override {
        char line[64];
        const int len =
            std::snprintf(line, sizeof line, "%3d,%3d #%d (%3d,%3d)\r\n", a, b, n, h[0], h[1]);
        return out_.Write(line, static_cast<std::size_t>(len), e);
    }
    bool Finish(std::string& e) override { return out_.Finish(e); }
    bool Commit(std::string& e) override { return out_.Commit(e); }
    void Abandon() override { out_.Abandon(); }

  private:
    FileWriter out_;
};

ScanOptions Options() {
    ScanOptions o;
    o.SettingMode = SettingMode::Standard;
    o.ByScoreSelected = true;
    o.TrumpBy = TrumpBy::Score;
    o.NT = NTChoice::V1;
    o.NTFormula = 1;
    o.DoubleFit = Correction::One;
    o.Chameleon = true;
    return o;
}

double ReadWholeFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<char> buf(1 << 20);
    double n = 0;
    while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0)
        n += static_cast<double>(in.gcount());
    return n;
}

void BM_ReadLibraryOnce(benchmark::State& state) {
    auto lib = Folder() / "Library.bin";
    for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(lib));
}
BENCHMARK(BM_ReadLibraryOnce)->Unit(benchmark::kMillisecond);

void BM_FullScan(benchmark::State& state) {
    auto dir = Folder();
    CountingTables tables;
    ExpectedFreq freq;
    freq.LoadPtValues();
    for (auto _ : state) {
        tables.Erase();
        ScanDriver driver(tables, freq);
        driver.deferMeans = true;  // as trickscan-batch runs
        driver.libraryPath = dir / "Library.bin";
        driver.options = Options();
        driver.counter().options = driver.options;
        driver.counter().SetUseFlags();
        ScanCache cache(dir / "DataFiles");
        FileSink list(dir / "Over20.txt");
        RunResult r = driver.RunWhileScanning(1, kDeals, &cache, &list);
        if (r.outcome != RunOutcome::Completed) state.SkipWithError(r.message.c_str());
    }
    state.counters["deals/s"] =
        benchmark::Counter(static_cast<double>(kDeals) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullScan)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadCacheOnce(benchmark::State& state) {
    auto cache = Folder() / "DataFiles" / kCacheFileName;
    for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(cache));
}
BENCHMARK(BM_ReadCacheOnce)->Unit(benchmark::kMillisecond);

// Loading checks the cache against the library (size and checksum) and every record.
void BM_Replay(benchmark::State& state) {
    auto dir = Folder();
    CountingTables tables;
    ExpectedFreq freq;
    freq.LoadPtValues();
    std::vector<std::uint8_t> records;
    for (auto _ : state) {
        tables.Erase();
        ScanCache cache(dir / "DataFiles");
        if (cache.Load(dir / "Library.bin", kDeals, records) != ScanCache::State::Valid) {
            state.SkipWithError("no valid cache: run BM_FullScan first");
            break;
        }
        ScanDriver driver(tables, freq);
        driver.deferMeans = true;
        driver.options = Options();
        driver.counter().options = driver.options;
        driver.counter().SetUseFlags();
        driver.RunWithoutScanning(1, kDeals, records);
    }
}
BENCHMARK(BM_Replay)->Unit(benchmark::kMillisecond);

void BM_ReplayCountingOnly(benchmark::State& state) {
    auto dir = Folder();
    CountingTables tables;
    ExpectedFreq freq;
    freq.LoadPtValues();
    std::vector<std::uint8_t> records;
    ScanCache cache(dir / "DataFiles");
    if (cache.Load(dir / "Library.bin", kDeals, records) != ScanCache::State::Valid) {
        state.SkipWithError("no valid cache");
        return;
    }
    for (auto _ : state) {
        tables.Erase();
        ScanDriver driver(tables, freq);
        driver.deferMeans = true;
        driver.options = Options();
        driver.counter().options = driver.options;
        driver.counter().SetUseFlags();
        driver.RunWithoutScanning(1, kDeals, records);
    }
}
BENCHMARK(BM_ReplayCountingOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lott

BENCHMARK_MAIN();
