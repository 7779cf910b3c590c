// A program folder for whole runs: a library of random deals, the analyzer started on it, and
// a record of every file in it, to show that a fault damaged or lost none of them.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Analyzer.h"
#include "TestLibrary.h"

namespace lott::test {

struct ProgramFolder {
    // folder: the program folder (made when missing).
    explicit ProgramFolder(std::filesystem::path folder) : path(std::move(folder)) {}
    std::filesystem::path path;
    std::unique_ptr<Analyzer> a;
    int beeps = 0;

    void WriteLibrary(int deals, unsigned seed = 11);
    // Random deals whose totals all lie in 10..25, the range the scan cache holds, so that a
    // replay counts them exactly as the scan did.
    void WriteInRangeLibrary(int deals, unsigned seed);
    // A fresh Analyzer on the folder, as a new start of the program.
    Analyzer::StartState Restart(int language = 0);
    // WriteLibrary, then Restart; true when the analyzer is ready to run.
    bool StartOn(int deals, unsigned seed = 11) {
        WriteLibrary(deals, seed);
        return Restart() == Analyzer::StartState::Running;
    }
    // Clicks the options, then Start; returns the caption the run ended with ("Finished", or
    // "Stopped" when it failed) and clicks once more to be idle again. a->message stays.
    std::string Run(const std::vector<int>& clicks = {});
    std::filesystem::path Result(const std::string& name) const {
        return path / "DataFiles" / (name + ".dat");
    }
};

}  // namespace lott::test
