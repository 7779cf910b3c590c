// Writes the seed corpus of every fuzz target from a library and the files that runs over it
// leave: its records in both forms, small libraries, a scan cache, result files of several
// settings, "Over20.txt" in both languages, and click sequences.
//
//   fuzz_seeds CORPUS_FOLDER WORK_FOLDER [LIBRARY.bin]
//
// Without a library, 3000 random deals stand in for one. WORK_FOLDER is where the runs happen;
// its path must hold neither "zip" nor "tmp".
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Analyzer.h"
#include "DealCodec.h"
#include "LibraryFile.h"
#include "ListFiles.h"
#include "TestLibrary.h"

using namespace lott;
namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Seed(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// The bytes ChooseSettings reads: a preset, the number of clicks, the clicks.
std::string SettingsBytes(int preset, const std::vector<int>& clicks) {
    std::string b(1, static_cast<char>(preset));
    b += static_cast<char>(clicks.size());
    for (int c : clicks) b += static_cast<char>(c);
    return b;
}

struct Run {
    const char* name;
    int preset;
    std::vector<int> clicks;
    Language language;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: fuzz_seeds CORPUS_FOLDER WORK_FOLDER [LIBRARY.bin]\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    const fs::path work = argv[2];
    fs::remove_all(work);
    fs::create_directories(work);

    std::string bin;
    if (argc > 3) {
        bin = Slurp(argv[3]);
    } else {
        std::mt19937 rng(20240607);
        std::vector<DealRecord> deals;
        for (int i = 0; i < 3000; ++i) deals.push_back(test::RandomRecord(rng));
        test::WriteBin(work / "Library.bin", deals);
        bin = Slurp(work / "Library.bin");
    }
    bin.resize(bin.size() / kBinRecLen * kBinRecLen);
    std::ofstream(work / "Library.bin", std::ios::binary) << bin;
    const std::int32_t count = static_cast<std::int32_t>(bin.size() / kBinRecLen);
    if (count < 64) {
        std::fprintf(stderr, "the library needs at least 64 deals\n");
        return 1;
    }

    // Records in both forms: the first 24 deals and a few of the edges.
    std::string asc;
    LibraryFile lib;
    lib.Open(work / "Library.bin", LibMode::Binary);
    for (std::int32_t n = 1; n <= 64; ++n) {
        Deal d;
        lib.ReadDeal(n, d);
        std::array<char, kAscRecLen> a{};
        EncodeAscDeal(DealRecord::FromDeal(d), a);
        asc.append(a.data(), a.size());
    }
    for (int n = 0; n < 24; ++n) {
        Seed(corpus / "bin_record", "deal" + std::to_string(n + 1),
             bin.substr(static_cast<std::size_t>(n) * kBinRecLen, kBinRecLen));
        Seed(corpus / "asc_record", "deal" + std::to_string(n + 1),
             asc.substr(static_cast<std::size_t>(n) * kAscRecLen, kAscRecLen));
    }
    Seed(corpus / "bin_record", "all_west", std::string(kBinRecLen, '\0'));
    Seed(corpus / "bin_record", "all_digits_f", std::string(16, '\x1b') + std::string(10, '\xff'));
    std::string lf = asc.substr(0, kAscRecLen);
    Seed(corpus / "asc_record", "lowercase_tricks",
         lf.substr(0, 68) + "a9b8c7d6e5f40123abcd" + lf.substr(88));
    Seed(corpus / "asc_record", "three_dots_missing", "AKQJT98765432" + std::string(76, ' '));

    // Small libraries: 40 binary deals, 16 ASCII deals with a partial record after them.
    Seed(corpus / "library", "bin40", "\x01" + SettingsBytes(1, {}) + bin.substr(0, 40 * 26));
    Seed(corpus / "library", "bin40_ostrevan",
         "\x01" + SettingsBytes(0, {7}) + bin.substr(0, 40 * 26));
    Seed(corpus / "library", "asc16_partial",
         std::string("\x00", 1) + SettingsBytes(1, {2, 24, 14}) + asc.substr(0, 16 * 89 + 40));
    Seed(corpus / "library", "asc_with_bin_beside",
         "\x02" + SettingsBytes(1, {12}) + asc.substr(0, 8 * 89));

    // Real runs: the cache, result files of several settings, the lists in both languages.
    const std::vector<Run> runs = {
        {"ostrevan", 0, {}, Language::English},
        {"ostrevan_15_25", 0, {7}, Language::Japanese},
        {"standard_quenby", 1, {}, Language::English},
        {"standard_length_void_filter", 1, {2, 24, 30}, Language::English},
        {"standard_dorvald_corrections", 1, {12, 14, 18, 20, 42}, Language::Japanese},
        {"standard_dorvald_plus_17_23", 1, {13, 6, 15, 17, 41}, Language::English},
        {"standard_singleton_doubleton", 1, {23, 22, 33}, Language::English},
    };
    for (const Run& r : runs) {
        Analyzer a(work);
        if (a.Load(false, r.language) != Analyzer::StartState::Running) {
            std::fprintf(stderr, "cannot start in %s\n", work.string().c_str());
            return 1;
        }
        a.settings.Click(r.preset);
        for (int c : r.clicks) a.settings.Click(c);
        a.cmdStart_Click();
        if (a.StartCaption() != "Finished") {
            std::fprintf(stderr, "run %s: %s\n", r.name, a.message.c_str());
            return 1;
        }
        const std::string result = Slurp(a.DataDir / (a.RunResultName() + ".dat"));
        Seed(corpus / "result_file", r.name, SettingsBytes(r.preset, r.clicks) + result);
        if (&r == &runs.front()) {
            // The first run scanned: its list and its cache.
            const std::string list = Slurp(work / "Over20.txt");
            Seed(corpus / "over20", "english",
                 std::string("\x00", 1) + "\x02\x03\x00\x12\x34\x13" + list);
            const std::string cache = Slurp(a.DataDir / kCacheFileName);
            Seed(corpus / "scan_cache", "scan_first_60",
                 std::string("\x00", 1) + SettingsBytes(1, {}) + "\x48" + cache.substr(0, 360));
            Seed(corpus / "scan_cache", "scan_first_60_ostrevan",
                 std::string("\x00", 1) + SettingsBytes(0, {6}) + "\x28" + cache.substr(0, 360));
            Seed(corpus / "scan_cache", "scan_first_30_standard_length",
                 std::string("\x00", 1) + SettingsBytes(1, {2, 13, 14, 17, 20}) + "\x30" +
                     cache.substr(360, 180));
        }
    }
    // The Japanese list: one more scan after the cache is dropped.
    {
        Analyzer a(work);
        a.Load(false, Language::Japanese);
        a.Submenu_Click(1);
        a.settings.Click(Opt::Standard);
        a.cmdStart_Click();
        Seed(corpus / "over20", "japanese",
             std::string("\x01\x00\x05\x00\x00\x07\x14", 7) + Slurp(work / "Over20.txt"));
    }
    Seed(corpus / "over20", "foreign_lines",
         std::string("\x00\x01\x02\x03\x04\x05\x06", 7) +
             " 21, 22 #\r\nx21, 22 #5\n21.5,22 #7\n 22 #99999999999\n#12 21\n 23,23 #12a\r\n");

    // Click sequences: the tests' scenarios, locks and unlocks among them.
    Seed(corpus / "settings", "standard_then_ostrevan", std::string("\x00\x01\x00\x01\x02\x03", 6));
    Seed(corpus / "settings", "filter_saves_corrections",
         std::string("\x00\x01\x0e\x13\x14\x1b\x12\x1a\x0f\x1e\x15", 11));
    Seed(corpus / "settings", "lock_click_unlock",
         std::string("\x00\x01\x0c\x2c\x2a\x29\x0c\x2e\x03\x2d\x2e", 11));
    Seed(corpus / "settings", "screenshot_mode",
         std::string("\xa5\x09\x0a\x03\x01\x16\x1f\x04\x00\x05", 10));
    std::printf("seeds written to %s\n", corpus.string().c_str());
    return 0;
}
