// makelibrary: writes a deal library of random deals solved double-dummy by DDS, or checks one.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "DdsSolver.h"
#include "ImportCommand.h"
#include "LibraryChecker.h"
#include "LibraryFile.h"
#include "LibraryMaker.h"
#include "LibraryWriter.h"
#include "ProgressMeter.h"
#include "StopSignal.h"

namespace {

using namespace lott;

constexpr int kBadArguments = 2;
constexpr int kFailed = 1;

int Fail(const std::string& message, int status) {
    std::cerr << "makelibrary: " << message << "\n";
    return status;
}

// A folder name as the shell takes it back.
std::string ShellWord(const std::string& s) {
    bool plain = !s.empty() && s.find_first_not_of(
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                   "0123456789_./-+,:@") == std::string::npos;
    if (plain) return s;
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string ResumeHint(const CommandLine& c) {
    return "continue with: makelibrary --resume --out " + ShellWord(c.out.string());
}

int Make(const CommandLine& c) {
    // Before DDS starts any thread, so that its workers block the signals too.
    StopSignal stop;
    std::string error;
    LibraryWriter writer;
    if (c.resume) {
        auto m = LibraryWriter::ReadMarker(c.out, error);
        if (!m) return Fail(error, kBadArguments);
        if (c.seed && *c.seed != m->seed)
            return Fail("the library in " + c.out.string() + " was started with --seed " +
                            std::to_string(m->seed),
                        kBadArguments);
        if (c.deals && c.deals != m->target)
            return Fail("the library in " + c.out.string() + " was started with --deals " +
                            std::to_string(m->target),
                        kBadArguments);
        if (!writer.Resume(c.out, error)) return Fail(error, kFailed);
    } else if (!writer.Create(c.out, *c.seed, c.deals, error)) {
        return Fail(error, kFailed);
    }
    const MakingMarker& m = writer.Marker();
    DdsSolver solver(c.threads);
    std::cerr << "makelibrary: " << m.target << " deals from seed " << m.seed << " into "
              << c.out.string() << ", DDS " << solver.Version() << " with " << solver.Threads()
              << (solver.Threads() == 1 ? " thread" : " threads");
    if (m.done > 0) std::cerr << ", continuing after deal " << m.done;
    std::cerr << std::endl;

    const bool tty = ::isatty(STDERR_FILENO) != 0;
    ProgressMeter meter(m.done, m.target);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto lastLine = start;
    auto progress = [&](std::int64_t done, std::int64_t target) {
        auto now = Clock::now();
        double elapsed = std::chrono::duration<double>(now - start).count();
        // A terminal gets one line kept up to date; a log gets a line every half minute.
        if (tty) {
            std::cerr << "\r" << meter.Line(done, elapsed) << "   " << std::flush;
        } else if (now - lastLine >= std::chrono::seconds(30) || done == target) {
            std::cerr << meter.Line(done, elapsed) << std::endl;
            lastLine = now;
        }
    };
    if (tty) progress(m.done, m.target);
    LibraryMaker maker(solver);
    auto outcome = maker.Run(
        writer, [&] { return stop.Requested(); }, progress, error);
    if (tty) std::cerr << "\n";
    double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    switch (outcome) {
        case LibraryMaker::Outcome::Finished:
            std::cerr << "makelibrary: wrote " << m.done << " deals to "
                      << (c.out / kBinLibName).string() << " and " << (c.out / kAscLibName).string()
                      << " in " << RoughDuration(elapsed) << std::endl;
            return 0;
        case LibraryMaker::Outcome::Stopped:
            std::cerr << "makelibrary: stopped after " << m.done << " of " << m.target << " deals; "
                      << ResumeHint(c) << std::endl;
            return 128 + stop.Signal();
        case LibraryMaker::Outcome::Failed:
            break;
    }
    return Fail(
        error + "; the library is kept as of deal " + std::to_string(m.done) + ", " + ResumeHint(c),
        kFailed);
}

int Check(const CommandLine& c) {
    std::string error;
    // Solving again needs DDS only when there is a sample.
    std::unique_ptr<DdsSolver> solver;
    if (c.sample > 0) solver = std::make_unique<DdsSolver>(c.threads);
    LibraryChecker checker(solver.get());
    CheckSummary summary;
    std::uint64_t sampleSeed = std::random_device{}();
    if (!checker.Check(c.checkDir, c.sample, sampleSeed, summary, error))
        return Fail(error, kBadArguments);
    LibraryChecker::Report(summary, c.checkDir, std::cout);
    return summary.Ok() ? 0 : kFailed;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::string error;
    auto c = lott::CommandLine::Parse(args, error);
    if (!c) return Fail(error, kBadArguments);
    switch (c->mode) {
        case lott::CommandLine::Mode::Help:
            std::cout << lott::Usage();
            return 0;
        case lott::CommandLine::Mode::Check:
            return Check(*c);
        case lott::CommandLine::Mode::Import:
            return lott::RunImport(*c);
        case lott::CommandLine::Mode::Make:
            break;
    }
    return Make(*c);
}
