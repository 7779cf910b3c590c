#include "ProgramFolder.h"

#include <gtest/gtest.h>

#include <random>

#include "DealAnalysis.h"

namespace lott::test {

void ProgramFolder::WriteLibrary(int deals, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    for (int i = 0; i < deals; ++i) v.push_back(RandomRecord(rng));
    fs::create_directories(path);
    WriteBin(path / "Library.bin", v);
}

void ProgramFolder::WriteInRangeLibrary(int deals, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    Deal d;
    DealAnalysis an(d);
    auto inRange = [&an] {
        return an.TotalTricks >= 10 && an.TotalTricks <= 25 && an.TotalTrumps >= 10 &&
               an.TotalTrumps <= 25;
    };
    while (static_cast<int>(v.size()) < deals) {
        const DealRecord r = RandomRecord(rng);
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
        if (ok && inRange()) v.push_back(r);
    }
    fs::create_directories(path);
    WriteBin(path / "Library.bin", v);
}

Analyzer::StartState ProgramFolder::Restart(Language language) {
    a = std::make_unique<Analyzer>(path);
    a->beep = [this] { ++beeps; };
    return a->Load(false, language);
}

std::string ProgramFolder::Run(const std::vector<int>& clicks) {
    for (int c : clicks) a->settings.Click(c);
    a->cmdStart_Click();
    const std::string ended = a->StartCaption();
    if (ended == "Finished" || ended == "Stopped") a->cmdStart_Click();
    return ended;
}

int ProgramFolder::Points(const std::vector<int>& clicks) {
    int n = 0;
    a->progress = [&n](std::int32_t) { ++n; };
    const bool finished = Run(clicks) == "Finished";
    a->progress = nullptr;
    return finished ? n : -1;
}

bool ProgramFolder::CacheValid(std::int32_t deals) const {
    std::vector<std::uint8_t> records;
    return ScanCache(path / "DataFiles").Load(path / "Library.bin", deals, records) ==
           ScanCache::State::Valid;
}

Files ProgramFolder::Outcome() const {
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

Files FreshOutcome(const fs::path& at, int deals, unsigned seed) {
    ProgramFolder f(at);
    EXPECT_TRUE(f.Scanned(deals, seed));
    return f.Outcome();
}

void ExpectUnchanged(const fs::path& folder, const Files& before, const std::string& when) {
    EXPECT_EQ(FilesIn(folder), before) << when;
    ExpectNoPartFile(folder, when);
}

void ExpectNoPartFile(const fs::path& folder, const std::string& when) {
    const auto parts = FilesIn(folder, ".part");
    EXPECT_TRUE(parts.empty()) << parts.begin()->first << " is left " << when;
}

void ExpectSame(const Files& got, const Files& want, const std::string& when) {
    for (const auto& [name, bytes] : want) {
        const auto it = got.find(name);
        EXPECT_TRUE(it != got.end() && it->second == bytes) << name << " differs " << when;
    }
    EXPECT_EQ(got.size(), want.size()) << when;
}

}  // namespace lott::test
