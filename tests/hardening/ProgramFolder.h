// A program folder for whole runs: a library of random deals, the analyzer started on it, and
// what its runs leave, to compare with what a fresh folder or one run alone leaves.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "Analyzer.h"
#include "BatchRun.h"
#include "BoardlookBatch.h"
#include "DealAnalysis.h"
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
    // Random deals; inRange: only those whose totals all lie in 10..25, the range the scan
    // cache holds, so that a replay counts them exactly as the scan did.
    void WriteLibrary(int deals, unsigned seed = 11, bool inRange = false) {
        std::mt19937 rng(seed);
        std::vector<DealRecord> v;
        while (static_cast<int>(v.size()) < deals) {
            const DealRecord r = RandomRecord(rng);
            if (!inRange || InRange(r)) v.push_back(r);
        }
        fs::create_directories(path);
        test::WriteLibrary(path / "Library.bin", v);
    }
    static bool InRange(const DealRecord& r) {
        Deal d;
        DealAnalysis an(d);
        auto inRange = [&an] {
            return an.TotalTricks >= 10 && an.TotalTricks <= 25 && an.TotalTrumps >= 10 &&
                   an.TotalTrumps <= 25;
        };
        std::array<std::uint8_t, kBinRecLen> bin{};
        EncodeBinDeal(r, bin);
        d.DecodeBinDeal(bin.data());
        std::array<std::int32_t, 2> hcp{};
        an.ForbidArtificial = 0;
        an.AnalyseLoadedDeal(hcp);
        bool ok = inRange();
        an.ProcNT(0);
        ok = ok && inRange();
        an.SetContractByScore();
        an.ProcNT(1);
        return ok && inRange();
    }
    // A fresh Analyzer on the folder, as a new start of the program.
    Analyzer::StartState Restart(Language language = Language::English) {
        a = std::make_unique<Analyzer>(path);
        a->beep = [this] { ++beeps; };
        return a->Load(false, language);
    }
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
    std::string Run(const std::vector<int>& clicks = {}) {
        for (int c : clicks) a->settings.Click(c);
        a->cmdStart_Click();
        const std::string ended = a->StartCaption();
        if (ended == "Finished" || ended == "Stopped") a->cmdStart_Click();
        return ended;
    }
    // Run, counting its progress points: 20 deals apart when it scans, 40 when it replays;
    // -1 when the run did not finish.
    int Points(const std::vector<int>& clicks = {}) {
        int n = 0;
        a->progress = [&n](std::int32_t) { ++n; };
        const bool finished = Run(clicks) == "Finished";
        a->progress = nullptr;
        return finished ? n : -1;
    }
    bool Said(const std::string& part) const { return a->message.find(part) != std::string::npos; }
    std::filesystem::path Result(const std::string& name) const {
        return path / "DataFiles" / (name + ".dat");
    }
    std::filesystem::path Cache() const { return path / "DataFiles" / kCacheFileName; }
    std::filesystem::path Note() const { return path / "DataFiles" / kCacheSourceName; }
    // The scan cache is one of the library's first deals that a run would replay.
    bool CacheValid(std::int32_t deals) const {
        std::vector<std::uint8_t> records;
        return ScanCache(path / "DataFiles").Load(path / "Library.bin", deals, records) ==
               ScanCache::State::Valid;
    }
    // What the runs left that holds numbers: the cache, its note, the list, and the result files
    // without their three header lines (the last holds the date of the run).
    Files Outcome() const {
        const fs::path data = path / "DataFiles";
        Files files = {{"cache", ReadFile(data / "Trickscan_36.bin")},
                       {"note", ReadFile(data / "Trickscan_36.src")},
                       {"list", ReadFile(path / "Over20.txt")}};
        for (const auto& e : fs::directory_iterator(data)) {
            if (e.path().extension() != ".dat") continue;
            std::string text = ReadFile(e.path());
            std::size_t body = 0;
            for (int line = 0; line < 3; ++line) {
                const std::size_t end = text.find("\r\n", body);
                body = end == std::string::npos ? text.size() : end + 2;
            }
            files[e.path().filename().string()] = text.substr(body);
        }
        return files;
    }
};

// The Outcome of a fresh folder at at: a library of deals of seed, one run of the Standard preset.
inline Files FreshOutcome(const std::filesystem::path& at, int deals, unsigned seed) {
    ProgramFolder f(at);
    EXPECT_TRUE(f.Scanned(deals, seed));
    return f.Outcome();
}

inline void ExpectNoPartFile(const std::filesystem::path& folder, const std::string& when = "") {
    const auto parts = FilesIn(folder, ".part");
    EXPECT_TRUE(parts.empty()) << parts.begin()->first << " is left " << when;
}

// Every file of folder is as it was (before), and no part file is left in it.
inline void ExpectUnchanged(const std::filesystem::path& folder, const Files& before,
                            const std::string& when = "") {
    EXPECT_EQ(FilesIn(folder), before) << when;
    ExpectNoPartFile(folder, when);
}

// Compares file by file, naming the file instead of printing megabytes.
inline void ExpectSame(const Files& got, const Files& want, const std::string& when) {
    for (const auto& [name, bytes] : want) {
        const auto it = got.find(name);
        EXPECT_TRUE(it != got.end() && it->second == bytes) << name << " differs " << when;
    }
    EXPECT_EQ(got.size(), want.size()) << when;
}

// Runs trickscan-batch or boardlook-batch (args[0]) on folder; returns the exit code and the
// tool's output and messages in said.
inline int RunTool(const fs::path& folder, std::vector<std::string> args, std::string& said) {
    const std::string tool = args[0];
    args[0] = folder.string();
    std::string error;
    std::ostringstream o, e;
    int code = 2;
    if (tool == "trickscan-batch") {
        if (auto cmd = ParseBatchCommand(args, error)) code = RunBatch(*cmd, "/", o, e);
    } else if (auto cmd = BoardlookBatch::Parse(args, error)) {
        code = BoardlookBatch::Run(*cmd, "/", o, e);
    }
    said = error + o.str() + e.str();
    return code;
}

// s with its C escapes \n, \r and \xHH replaced by the bytes they stand for.
inline std::string Unescaped(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i)
        out += s[i] != '\\'    ? s[i]
               : s[++i] == 'n' ? '\n'
               : s[i] == 'r'   ? '\r'
               : s[i] != 'x'   ? s[i]
                             : static_cast<char>(std::stoi(s.substr((i += 2) - 1, 2), nullptr, 16));
    return out;
}

}  // namespace lott::test
