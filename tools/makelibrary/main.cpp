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
#include "ProgramFolder.h"
#include "ProgressMeter.h"
#include "ShardMerger.h"
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
    // A shard run started again (a requeued or repeated job) continues its shard, or finds it
    // made already.
    MakingMarker asked{
        .seed = c.seed.value_or(0), .target = c.deals, .shards = c.shards, .shard = c.shard};
    auto made = MakingMarker::Read(c.out / kMarkerName);
    const bool resume = c.resume || (c.shards > 0 && made && made->SameShard(asked));
    if (made = MakingMarker::Read(c.out / kShardName, kShardTitle);
        c.shards > 0 && made && made->SameShard(asked)) {
        std::cerr << "makelibrary: shard " << c.shard << "/" << c.shards << " is made already in "
                  << c.out.string() << std::endl;
        return 0;
    }
    if (resume) {
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
    } else if (!writer.Create(c.out, *c.seed, c.deals, error, c.shards, c.shard)) {
        return Fail(error, kFailed);
    }
    const MakingMarker& m = writer.Marker();
    DdsSolver solver(c.threads);
    std::cerr << "makelibrary: " << m.target << " deals from seed " << m.seed << " into "
              << c.out.string() << ", DDS " << solver.Version() << " with " << solver.Threads()
              << (solver.Threads() == 1 ? " thread" : " threads");
    if (m.shards > 0)
        std::cerr << ", shard " << m.shard << "/" << m.shards << ": deals " << m.First() << " to "
                  << m.First() + m.Count() - 1;
    if (m.done > 0) std::cerr << ", continuing after " << m.done << " of them";
    std::cerr << std::endl;

    const bool tty = ::isatty(STDERR_FILENO) != 0;
    ProgressMeter meter(m.done, m.Count());
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
    if (tty) progress(m.done, m.Count());
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
            std::cerr << "makelibrary: stopped after " << m.done << " of " << m.Count()
                      << " deals; " << ResumeHint(c) << std::endl;
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

int Merge(const CommandLine& c) {
    std::string error;
    switch (ShardMerger::Merge(c.out, c.mergeDirs, error)) {
        case ShardMerger::Outcome::Merged:
            std::cerr << "makelibrary: merged " << c.mergeDirs.size() << " shards into "
                      << c.out.string() << std::endl;
            return 0;
        case ShardMerger::Outcome::Refused:
            return Fail(error, kBadArguments);
        case ShardMerger::Outcome::Failed:
            break;
    }
    return Fail(error, kFailed);
}

}  // namespace

int main(int argc, char** argv) {
    if (lott::AnswerHelpOrVersion(argc, argv, "makelibrary", lott::Usage(), false, std::cout))
        return 0;
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
    if (c->merge) return Merge(*c);
    if (!c->statusDir.empty())
        return lott::ShardMerger::Status(c->statusDir, std::cout, error)
                   ? 0
                   : Fail(error, kBadArguments);
    return Make(*c);
}
