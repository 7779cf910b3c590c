// trickscan's window on a library of the published size (717,102 deals, made by repeating the
// bundled sample's records, or random deals without it): a full scan and a cache replay with the
// live table open, the same runs without a window, reading the library once (the floor), and how
// many deals a run goes on after a click on Start. Offscreen without a display; under xvfb-run
// (or any display) on the real window system.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>
#include <random>

#include "Analyzer.h"
#include "DealCodec.h"
#include "Form1.h"

namespace lott {
namespace {

constexpr std::int32_t kDeals = 717102;

std::filesystem::path Folder() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::current_path() / "benchfolder_window";
        std::filesystem::create_directories(d);
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
                    const int suit = cards[c] / 13, rank = cards[c] % 13;
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

std::filesystem::path CacheFile() {
    return Folder() / "DataFiles" / "Trickscan_36.bin";
}

std::unique_ptr<trickscan::Form1> Window() {
    trickscan::StartOptions o;
    o.programFolder = QString::fromStdString(Folder().string());
    o.inArchive = false;
    o.japaneseFont = QString();
    auto f = std::make_unique<trickscan::Form1>(o);
    f->ui().o[1]->click();  // Standard, the defaults
    return f;
}

// One run from the Start button; the caption of a finished run is reset first.
void RunFromStart(trickscan::Form1& f) {
    if (f.analyzer().StartCaption() != f.analyzer().IdleCaption()) f.cmdStart_Click();
    f.cmdStart_Click();
}

void BM_ReadLibraryOnce(benchmark::State& state) {
    const auto lib = Folder() / "Library.bin";
    std::vector<char> buf(1 << 20);
    for (auto _ : state) {
        std::ifstream in(lib, std::ios::binary);
        double n = 0;
        while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0)
            n += static_cast<double>(in.gcount());
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ReadLibraryOnce)->Unit(benchmark::kMillisecond);

void BM_FullScanWithoutWindow(benchmark::State& state) {
    Analyzer a(Folder());
    a.Load(false, Language::English);
    a.settings.Click(1);
    for (auto _ : state) {
        std::filesystem::remove(CacheFile());
        if (a.StartCaption() != a.IdleCaption()) a.cmdStart_Click();
        a.cmdStart_Click();
        if (a.lblNo != std::to_string(kDeals)) state.SkipWithError("the run did not finish");
    }
    state.counters["deals/s"] = benchmark::Counter(double(kDeals) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FullScanWithoutWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FullScanWithLiveTable(benchmark::State& state) {
    auto f = Window();
    std::size_t repainted = 0;
    for (auto _ : state) {
        std::filesystem::remove(CacheFile());
        RunFromStart(*f);
        if (f->ui().lblNo->text() != QString::number(kDeals))
            state.SkipWithError("the run did not finish");
        repainted += f->RepaintedCells();
    }
    state.counters["deals/s"] = benchmark::Counter(double(kDeals) * double(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    state.counters["cells_repainted"] = double(repainted) / double(state.iterations());
}
BENCHMARK(BM_FullScanWithLiveTable)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReplayWithLiveTable(benchmark::State& state) {
    auto f = Window();
    if (!std::filesystem::exists(CacheFile())) RunFromStart(*f);
    for (auto _ : state) {
        RunFromStart(*f);
        if (f->ui().lblNo->text() != QString::number(kDeals))
            state.SkipWithError("the run did not finish");
    }
}
BENCHMARK(BM_ReplayWithLiveTable)->Unit(benchmark::kMillisecond)->Iterations(5);

// A click on Start that arrives while deal n is being counted, for n = 1000..1019: how many more
// deals the scan takes before it stops, and how long that is.
void BM_StopAfterClick(benchmark::State& state) {
    auto f = Window();
    auto& driver = f->analyzer().driver;
    const auto write = f->analyzer().WriteTable;
    std::int32_t clickAt = 0, postedAt = 0;
    QElapsedTimer clock;
    int maxDeals = 0;
    double sumDeals = 0, maxMicros = 0;
    std::int64_t runs = 0;
    f->analyzer().WriteTable = [&](int k, int L, int d, const EventCounts& ev) {
        write(k, L, d, ev);
        if (driver.DealNo == clickAt && postedAt == 0) {
            postedAt = clickAt;
            QPushButton* b = f->ui().cmdStart;
            const QPointF at(10, b->height() / 2.0);
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    b, new QMouseEvent(
                           t, at, b->mapToGlobal(at), Qt::LeftButton,
                           t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {}));
            clock.start();
        }
    };
    for (auto _ : state) {
        std::filesystem::remove(CacheFile());
        clickAt = 1000 + static_cast<std::int32_t>(runs % 20);
        postedAt = 0;
        RunFromStart(*f);
        const double micros = double(clock.nsecsElapsed()) / 1000.0;
        const int last = f->ui().lblNo->text().toInt();  // the last deal processed
        const int after = last + 1 - postedAt;           // deals begun after the click
        if (postedAt == 0 || after > 20) state.SkipWithError("the run did not stop in time");
        maxDeals = std::max(maxDeals, after);
        sumDeals += after;
        maxMicros = std::max(maxMicros, micros);
        ++runs;
    }
    f->analyzer().WriteTable = write;
    state.counters["max_deals_after_click"] = maxDeals;
    state.counters["mean_deals_after_click"] = sumDeals / double(runs);
    state.counters["max_us_click_to_stop"] = maxMicros;
}
BENCHMARK(BM_StopAfterClick)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace lott

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
