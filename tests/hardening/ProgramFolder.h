// A program folder for whole runs: a library of random deals, the analyzer started on it, and
// what its runs leave, to compare with what a fresh folder or one run alone leaves.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Analyzer.h"
#include "TestLibrary.h"

namespace lott::test {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

struct ProgramFolder {
    // "prog" in a fresh temporary folder (dir), removed with this.
    ProgramFolder() : own(std::make_unique<TempFolder>()), path(*own / "prog") {}
    // folder: the program folder (made when missing); dir is the folder it lies in.
    explicit ProgramFolder(std::filesystem::path folder) : path(std::move(folder)) {}
    std::unique_ptr<TempFolder> own;
    std::filesystem::path path;
    std::unique_ptr<Analyzer> a;
    int beeps = 0;

    std::filesystem::path dir() const { return path.parent_path(); }
    void WriteLibrary(int deals, unsigned seed = 11);
    // Random deals whose totals all lie in 10..25, the range the scan cache holds, so that a
    // replay counts them exactly as the scan did.
    void WriteInRangeLibrary(int deals, unsigned seed);
    // A fresh Analyzer on the folder, as a new start of the program.
    Analyzer::StartState Restart(Language language = Language::English);
    // WriteLibrary, then Restart; true when the analyzer is ready to run.
    bool StartOn(int deals, unsigned seed = 11) {
        WriteLibrary(deals, seed);
        return Restart() == Analyzer::StartState::Running;
    }
    // StartOn, then a run of the Standard preset; true when it finished.
    bool Scanned(int deals, unsigned seed = 11) {
        return StartOn(deals, seed) && Run({Opt::Standard}) == "Finished";
    }
    // Clicks the options, then Start; returns the caption the run ended with ("Finished", or
    // "Stopped" when it failed) and clicks once more to be idle again. a->message stays.
    std::string Run(const std::vector<int>& clicks = {});
    // Run, counting its progress points: 20 deals apart when it scans, 40 when it replays;
    // -1 when the run did not finish.
    int Points(const std::vector<int>& clicks = {});
    bool Said(const std::string& part) const { return a->message.find(part) != std::string::npos; }
    std::filesystem::path Result(const std::string& name) const {
        return path / "DataFiles" / (name + ".dat");
    }
    std::filesystem::path Cache() const { return path / "DataFiles" / kCacheFileName; }
    std::filesystem::path Note() const { return path / "DataFiles" / kCacheSourceName; }
    // The scan cache is one of the library's first deals that a run would replay.
    bool CacheValid(std::int32_t deals) const;
    // What the runs left that holds numbers: the cache, its note, the list, and the result files
    // without their three header lines (the last holds the date of the run).
    Files Outcome() const;
};

// The Outcome of a fresh folder at at: a library of deals of seed, one run of the Standard preset.
Files FreshOutcome(const std::filesystem::path& at, int deals, unsigned seed);

// Every file of folder is as it was (before), and no part file is left in it.
void ExpectUnchanged(const std::filesystem::path& folder, const Files& before,
                     const std::string& when = "");
void ExpectNoPartFile(const std::filesystem::path& folder, const std::string& when = "");

// Compares file by file, naming the file instead of printing megabytes.
void ExpectSame(const Files& got, const Files& want, const std::string& when);

}  // namespace lott::test
