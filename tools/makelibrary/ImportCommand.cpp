#include "ImportCommand.h"

#include <unistd.h>

#include <chrono>
#include <iostream>
#include <memory>

#include "DdsSolver.h"
#include "PbnImport.h"
#include "ProgressMeter.h"
#include "RegularFile.h"
#include "StopSignal.h"

namespace lott {

namespace {
// Larger files are no PBN files of games: a published year of tournaments is a few hundred MB.
constexpr std::size_t kMaxPbnBytes = std::size_t{1} << 31;

int Fail(const std::string& message) {
    std::cerr << "makelibrary: " << message << "\n";
    return 1;
}
}  // namespace

int RunImport(const CommandLine& c) {
    StopSignal stop;
    PbnImport import;
    for (const auto& file : c.imports) {
        std::string bytes;
        if (!ReadSmallRegular(file, kMaxPbnBytes, bytes))
            return Fail("cannot read " + file.string() + " (not a readable file of at most 2 GB)");
        import.Add(file.string(), bytes, std::cerr);
    }
    std::cerr << "makelibrary: " << import.Summary() << std::endl;
    if (import.Deals().empty()) return Fail("no deal to import; nothing written");

    const std::int64_t unsolved = import.Unsolved();
    // DDS starts its threads only when there is something to solve.
    std::unique_ptr<DdsSolver> solver;
    if (unsolved > 0 || c.verify > 0) solver = std::make_unique<DdsSolver>(c.threads);
    std::string error;
    auto solve = [&](std::span<DealRecord> deals, std::string& why) {
        return solver->Solve(deals, why);
    };
    if (c.verify > 0 && !import.Verify(c.verify, solve, error))
        return Fail(error + "; nothing written");
    if (unsolved > 0)
        std::cerr << "makelibrary: solving " << unsolved << " deals without double-dummy results"
                  << ", DDS " << solver->Version() << " with " << solver->Threads() << " threads"
                  << std::endl;

    const bool tty = ::isatty(STDERR_FILENO) != 0;
    ProgressMeter meter(0, unsolved);
    const auto start = std::chrono::steady_clock::now();
    auto last = start;
    auto progress = [&](std::int64_t done, std::int64_t target) {
        const auto now = std::chrono::steady_clock::now();
        const double elapsed = std::chrono::duration<double>(now - start).count();
        if (tty) {
            std::cerr << "\r" << meter.Line(done, elapsed) << "   " << std::flush;
        } else if (now - last >= std::chrono::seconds(30) || done == target) {
            std::cerr << meter.Line(done, elapsed) << std::endl;
            last = now;
        }
    };
    const auto outcome = import.Write(
        c.out, solve, DdsSolver::kMaxTables, [&] { return stop.Requested(); }, progress, error);
    if (tty && unsolved > 0) std::cerr << "\n";
    switch (outcome) {
        case PbnImport::Outcome::Finished:
            std::cerr << "makelibrary: wrote " << import.Deals().size() << " deals to "
                      << c.out.string() << " (Library.bin, Library.asc, Sources.tsv)" << std::endl;
            return 0;
        case PbnImport::Outcome::Stopped:
            std::cerr << "makelibrary: stopped; nothing kept" << std::endl;
            return 128 + stop.Signal();
        case PbnImport::Outcome::Failed:
            break;
    }
    return Fail(error + "; nothing kept");
}

}  // namespace lott
