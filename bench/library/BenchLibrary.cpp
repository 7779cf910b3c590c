// Reading a library of the published size (717,102 deals, the bundled sample's records
// repeated) deal by deal through LibraryFile::ReadDeal, CountLengths and DecodeTricks, against
// the floor of reading the same file once from start to end.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "CollectingReporter.h"
#include "Deal.h"
#include "LibraryFile.h"

namespace {

namespace fs = std::filesystem;
using namespace lott;

constexpr std::int32_t kPublishedDeals = 717102;

// The sample beside the benchmark (the build copies it there), else the one in the sources.
fs::path SampleFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && fs::exists(exe.parent_path() / kBinLibName) &&
        fs::exists(exe.parent_path() / kAscLibName))
        return exe.parent_path();
    return TRICKSCAN_SAMPLE_DIR;
}

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + p.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A scratch folder with both forms at the published size, removed at the end.
class BigLibrary {
  public:
    BigLibrary() {
        std::mt19937_64 rng{std::random_device{}()};
        dir_ = fs::temp_directory_path() / ("bench_library_" + std::to_string(rng() % 1000000000));
        fs::create_directories(dir_);
        fs::path sample = SampleFolder();
        for (auto [name, recLen] :
             {std::pair{kBinLibName, kBinRecLen}, {kAscLibName, kAscRecLen}}) {
            std::string src = Slurp(sample / name);
            std::size_t have = src.size() / static_cast<std::size_t>(recLen);
            if (have == 0) throw std::runtime_error("no deals in " + (sample / name).string());
            src.resize(have * static_cast<std::size_t>(recLen));
            std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
            std::size_t left = kPublishedDeals;
            while (left > 0) {
                std::size_t n = std::min(left, have);
                out.write(src.data(),
                          static_cast<std::streamsize>(n * static_cast<std::size_t>(recLen)));
                left -= n;
            }
            if (!out) throw std::runtime_error("cannot write " + (dir_ / name).string());
        }
        std::printf("Library of %d deals built in %s from the sample in %s\n", kPublishedDeals,
                    dir_.c_str(), sample.c_str());
    }
    ~BigLibrary() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    fs::path File(int libMode) const { return dir_ / (libMode == 1 ? kBinLibName : kAscLibName); }

  private:
    fs::path dir_;
};

void BM_ReadFileOnce(benchmark::State& state, const BigLibrary* library) {
    const int mode = static_cast<int>(state.range(0));
    std::vector<char> buf(1 << 20);
    std::int64_t bytes = 0;
    for (auto _ : state) {
        int fd = ::open(library->File(mode).c_str(), O_RDONLY);
        if (fd < 0) {
            state.SkipWithError("cannot open the library");
            return;
        }
        bytes = 0;
        for (ssize_t n; (n = ::read(fd, buf.data(), buf.size())) > 0;) {
            benchmark::DoNotOptimize(buf.data());
            bytes += n;
        }
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["deals_per_s"] =
        benchmark::Counter(static_cast<double>(bytes / RecLenOfMode(static_cast<LibMode>(mode))),
                           benchmark::Counter::kIsIterationInvariantRate);
}

void BM_DecodeEveryDeal(benchmark::State& state, const BigLibrary* library) {
    const int mode = static_cast<int>(state.range(0));
    Deal d;
    std::int32_t count = 0;
    for (auto _ : state) {
        LibraryFile f;
        if (!f.Open(library->File(mode), static_cast<LibMode>(mode))) {
            state.SkipWithError("cannot open the library");
            return;
        }
        count = f.DealCount();
        for (std::int32_t n = 1; n <= count; ++n) {
            if (f.ReadDeal(n, d) != ReadStatus::Ok) {
                state.SkipWithError("a deal did not read");
                return;
            }
            d.CountLengths();
            d.DecodeTricks();
            benchmark::DoNotOptimize(d.Tricks);
            benchmark::DoNotOptimize(d.LongestFit);
        }
    }
    state.counters["deals_per_s"] = benchmark::Counter(
        static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    try {
        BigLibrary library;
        // Argument 1 = Library.bin, 0 = Library.asc.
        benchmark::RegisterBenchmark("BM_ReadFileOnce", BM_ReadFileOnce, &library)
            ->Arg(1)
            ->Arg(0)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_DecodeEveryDeal", BM_DecodeEveryDeal, &library)
            ->Arg(1)
            ->Arg(0)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        lott::bench::CollectingReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        for (auto [arg, name] : {std::pair{"1", "Library.bin"}, {"0", "Library.asc"}}) {
            auto read = reporter.Get(std::string("BM_ReadFileOnce/") + arg);
            auto decode = reporter.Get(std::string("BM_DecodeEveryDeal/") + arg);
            if (!read || !decode) continue;
            std::printf(
                "%s: every deal decoded at %.2f million deals/s (%.1f ms); reading the file "
                "once takes %.1f ms; decoding costs %.1f times the plain read\n",
                name, decode->counters["deals_per_s"] / 1e6, decode->realSeconds * 1e3,
                read->realSeconds * 1e3, decode->realSeconds / read->realSeconds);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_library: %s\n", e.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
