// Showing a deal in the viewer (read, decide, draw and paint the four pictures) on a library of
// the published size, against the floor of reading the deal alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "DealCodec.h"
#include "Form1.h"
#include "LibraryFile.h"
#include "PictureBox.h"

namespace {

namespace fs = std::filesystem;
constexpr std::int32_t kPublishedDeals = 717102;

// A random deal (with random trick digits) for filling the library when no bundled one exists.
lott::DealRecord RandomRecord(std::mt19937& rng) {
    std::array<int, 52> cards{};
    for (int i = 0; i < 52; ++i) cards[static_cast<std::size_t>(i)] = i;
    std::shuffle(cards.begin(), cards.end(), rng);
    lott::DealRecord r;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank) {
            int at = 0;
            while (cards[static_cast<std::size_t>(at)] != suit * 13 + rank) ++at;
            r.hands[static_cast<std::size_t>(at / 13)][static_cast<std::size_t>(suit)].push(
                lott::CardName[static_cast<std::size_t>(rank)]);
        }
    std::uniform_int_distribution<int> digit(0, 13);
    for (auto& s : r.nsTricks.v)
        for (auto& d : s) d = static_cast<std::uint8_t>(digit(rng));
    return r;
}

// The program folder of the benchmark: the bundled library's records (or random ones) repeated
// to the published library's size, in both forms.
fs::path MakeFolder() {
    const fs::path folder = fs::current_path() / "bench_viewer_folder";
    fs::create_directories(folder);
    std::vector<std::array<std::uint8_t, lott::kBinRecLen>> bins;
    std::vector<std::array<char, lott::kAscRecLen>> ascs;
    lott::LibraryFile sample;
    lott::Deal d;
    if (sample.Open(fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Library.bin",
                    lott::LibMode::Binary)) {
        for (std::int32_t n = 1; n <= std::min(sample.DealCount(), 10000); ++n)
            if (sample.ReadDeal(n, d) == lott::ReadStatus::Ok) {
                auto rec = lott::DealRecord::FromDeal(d);
                bins.emplace_back();
                ascs.emplace_back();
                lott::EncodeBinDeal(rec, bins.back());
                lott::EncodeAscDeal(rec, ascs.back());
            }
    }
    std::mt19937 rng(1);
    while (bins.size() < 1000) {
        auto rec = RandomRecord(rng);
        bins.emplace_back();
        ascs.emplace_back();
        lott::EncodeBinDeal(rec, bins.back());
        lott::EncodeAscDeal(rec, ascs.back());
    }
    std::ofstream bin(folder / "Library.bin", std::ios::binary | std::ios::trunc);
    std::ofstream asc(folder / "Library.asc", std::ios::binary | std::ios::trunc);
    for (std::int32_t i = 0; i < kPublishedDeals; ++i) {
        const auto k = static_cast<std::size_t>(i) % bins.size();
        bin.write(reinterpret_cast<const char*>(bins[k].data()), lott::kBinRecLen);
        asc.write(ascs[k].data(), lott::kAscRecLen);
    }
    return folder;
}

const fs::path& Folder() {
    static const fs::path folder = MakeFolder();
    return folder;
}

std::unique_ptr<lott::boardlook::Form1> StartViewer() {
    lott::boardlook::StartOptions o;
    o.programFolder = QString::fromStdString(Folder().string());
    o.inArchive = false;
    o.japaneseFont = QString();
    return std::make_unique<lott::boardlook::Form1>(o);
}

// Microseconds per deal of reading alone, the floor of showing one.
double FloorMicros(int libMode, const std::vector<std::int32_t>& order) {
    lott::LibraryFile lib;
    lib.Open(Folder() / (libMode == 1 ? "Library.bin" : "Library.asc"),
             static_cast<lott::LibMode>(libMode));
    lott::Deal d;
    const auto t0 = std::chrono::steady_clock::now();
    for (std::int32_t n : order) benchmark::DoNotOptimize(lib.ReadDeal(n, d));
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(t1 - t0).count() /
           static_cast<double>(order.size());
}

void ShowDeals(benchmark::State& state, int libMode, bool random) {
    auto f = StartViewer();
    if (libMode == 0) f->OptAsc_Click();
    std::mt19937 rng(3);
    std::uniform_int_distribution<std::int32_t> any(1, kPublishedDeals);
    std::vector<std::int32_t> order(4096);
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = random ? any(rng) : static_cast<std::int32_t>(i + 1);
    const double floor = FloorMicros(libMode, order);
    const auto& c = f->ui();
    std::size_t i = 0;
    std::int64_t shown = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (auto _ : state) {
        f->MainProc(order[i++ % order.size()]);
        // Paint what was drawn, as the screen would.
        for (lott::PictureBox* b : {c.p, c.box, c.p2, c.p3}) b->repaint();
        ++shown;
    }
    const auto t1 = std::chrono::steady_clock::now();
    const double perDeal =
        std::chrono::duration<double, std::micro>(t1 - t0).count() / static_cast<double>(shown);
    state.counters["us_per_deal"] = perDeal;
    state.counters["floor_us"] = floor;
    state.counters["ratio_to_floor"] = perDeal / floor;
}

void BM_ShowDeal_BinaryInOrder(benchmark::State& s) {
    ShowDeals(s, 1, false);
}
void BM_ShowDeal_BinaryRandom(benchmark::State& s) {
    ShowDeals(s, 1, true);
}
void BM_ShowDeal_AsciiRandom(benchmark::State& s) {
    ShowDeals(s, 0, true);
}
BENCHMARK(BM_ShowDeal_BinaryInOrder)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowDeal_BinaryRandom)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowDeal_AsciiRandom)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(fs::current_path() / "bench_viewer_folder", ec);
    return 0;
}
