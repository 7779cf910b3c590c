// Files that change under the analyzer or are damaged between runs: a library replaced or edited
// while it is scanned or between runs (stamps unchanged), a damaged or foreign cache, a list that
// is missing or cannot be committed. After each, a later run gives the numbers of a fresh folder.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <fstream>

#include "ProgramFolder.h"
#include "ViewerSession.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
using test::ProgramFolder;

constexpr int kDeals = 600;

// What a run leaves that holds numbers: the cache, the list, the result without its header
// lines (they carry the date).
std::string Numbers(const ProgramFolder& p) {
    std::string result = test::ReadFile(p.Result("(none)40ScoCo"));
    for (int line = 0; line < 3; ++line) result.erase(0, result.find('\n') + 1);
    return test::ReadFile(p.path / "DataFiles" / kCacheFileName) + "|" +
           test::ReadFile(p.path / "Over20.txt") + "|" + result;
}

std::string FreshNumbers(const fs::path& at, unsigned seed) {
    ProgramFolder f(at);
    EXPECT_TRUE(f.StartOn(kDeals, seed));
    EXPECT_EQ(f.Run({1}), "Finished");
    return Numbers(f);
}

// Counts the progress points of the next run: 20 deals apart when it scans, 40 when it replays.
struct Points {
    explicit Points(ProgramFolder& p) {
        p.a->progress = [this](std::int32_t) { ++n; };
    }
    int n = 0;
};
constexpr int kScanned = kDeals / 20, kReplayed = kDeals / 40;

void SetMtime(const fs::path& file, const struct stat& as) {
    const struct timespec times[2] = {as.st_atim, as.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

TEST(ChangingLibrary, ALibraryReplacedOrEditedWhileScannedStoresNothingAndIsScannedAgain) {
    test::TempFolder dir;
    const std::string wantB = FreshNumbers(dir / "fresh", 12);
    for (bool inPlace : {false, true}) {
        ProgramFolder p(dir / (inPlace ? "edited" : "replaced"));
        ASSERT_TRUE(p.StartOn(kDeals, 11));
        ProgramFolder other(dir / "other");
        other.WriteLibrary(kDeals, 12);
        p.a->progress = [&](std::int32_t n) {
            if (n != 300) return;
            if (inPlace)
                fs::copy_file(other.path / "Library.bin", p.path / "Library.bin",
                              fs::copy_options::overwrite_existing);
            else
                fs::rename(other.path / "Library.bin", p.path / "Library.bin");
        };
        EXPECT_EQ(p.Run({1}), "Stopped") << (inPlace ? "edited" : "replaced");
        EXPECT_NE(p.a->message.find("Library.bin changed while it was scanned"), std::string::npos)
            << p.a->message;
        EXPECT_FALSE(fs::exists(p.path / "DataFiles" / kCacheFileName));
        EXPECT_FALSE(fs::exists(p.Result("(none)40ScoCo")));
        EXPECT_TRUE(test::PartFiles(p.path).empty());
        p.a->progress = nullptr;
        EXPECT_EQ(p.Run(), "Finished");
        EXPECT_EQ(Numbers(p), wantB);
        fs::remove_all(other.path);
    }
}

TEST(ChangingLibrary, ASameSizeLibraryWithTheOldStampsIsNotTakenForTheOld) {
    test::TempFolder dir;
    const std::string wantB = FreshNumbers(dir / "fresh", 12);
    ProgramFolder p(dir / "prog");
    ASSERT_TRUE(p.StartOn(kDeals, 11));
    ASSERT_EQ(p.Run({1}), "Finished");
    struct stat before {};
    ASSERT_EQ(::stat((p.path / "Library.bin").c_str(), &before), 0);
    // Written over in place (same file, same size) and its time set back, as a copy made within
    // the same second looks on a file system with whole-second stamps.
    ProgramFolder other(dir / "other");
    other.WriteLibrary(kDeals, 12);
    {
        std::ofstream out(p.path / "Library.bin", std::ios::binary | std::ios::in);
        out << test::ReadFile(other.path / "Library.bin");
    }
    SetMtime(p.path / "Library.bin", before);
    Points points(p);
    EXPECT_EQ(p.Run(), "Finished");
    EXPECT_EQ(points.n, kScanned);
    EXPECT_NE(p.a->message.find("scanned again"), std::string::npos) << p.a->message;
    EXPECT_EQ(Numbers(p), wantB);
}

TEST(DamagedCache, ADamagedOrForeignCacheIsDeletedAndRebuiltWithAMessage) {
    test::TempFolder dir;
    const std::string want = FreshNumbers(dir / "fresh", 11);
    ProgramFolder foreign(dir / "foreign");
    ASSERT_TRUE(foreign.StartOn(kDeals, 12));
    ASSERT_EQ(foreign.Run({1}), "Finished");
    const fs::path foreignData = foreign.path / "DataFiles";

    using Damage = void (*)(const fs::path& data, const fs::path& foreignData);
    const std::vector<std::pair<const char*, Damage>> damages = {
        {"a zeroed block",
         [](const fs::path& data, const fs::path&) {
             std::fstream f(data / kCacheFileName, std::ios::binary | std::ios::in | std::ios::out);
             f.seekp(1200);
             f << std::string(600, '\0');
         }},
        {"a torn copy: half of another library's cache",
         [](const fs::path& data, const fs::path& other) {
             std::string mine = test::ReadFile(data / kCacheFileName);
             const std::string theirs = test::ReadFile(other / kCacheFileName);
             mine.replace(mine.size() / 2, std::string::npos, theirs.substr(theirs.size() / 2));
             test::WriteFile(data / kCacheFileName, mine);
         }},
        {"another library's cache and note copied in",
         [](const fs::path& data, const fs::path& other) {
             for (const char* name : {kCacheFileName, kCacheSourceName})
                 fs::copy_file(other / name, data / name, fs::copy_options::overwrite_existing);
         }},
        {"another library's cache beside this one's note",
         [](const fs::path& data, const fs::path& other) {
             fs::copy_file(other / kCacheFileName, data / kCacheFileName,
                           fs::copy_options::overwrite_existing);
         }},
        {"a note far larger than any note",
         [](const fs::path& data, const fs::path&) {
             const std::string note = test::ReadFile(data / kCacheSourceName);
             test::WriteFile(data / kCacheSourceName, note + std::string(1 << 20, ' '));
         }},
    };
    ProgramFolder p(dir / "prog");
    ASSERT_TRUE(p.StartOn(kDeals, 11));
    for (const auto& [what, damage] : damages) {
        ASSERT_EQ(p.Run({1}), "Finished");
        damage(p.path / "DataFiles", foreignData);
        Points points(p);
        EXPECT_EQ(p.Run(), "Finished") << what;
        EXPECT_EQ(points.n, kScanned) << what;
        EXPECT_NE(p.a->message.find("scanned again"), std::string::npos) << what;
        EXPECT_EQ(Numbers(p), want) << what;
        p.a->progress = nullptr;
    }
}

TEST(ScanFiles, AValidCacheWithoutItsListIsScannedAgainAndTheListComesBack) {
    test::TempFolder dir;
    ProgramFolder p(dir / "prog");
    ASSERT_TRUE(p.StartOn(kDeals, 11));
    ASSERT_EQ(p.Run({1}), "Finished");
    const std::string want = Numbers(p);
    fs::remove(p.path / "Over20.txt");
    Points scan(p);
    EXPECT_EQ(p.Run(), "Finished");
    EXPECT_EQ(scan.n, kScanned);
    EXPECT_EQ(Numbers(p), want);
    Points replay(p);
    EXPECT_EQ(p.Run(), "Finished");
    EXPECT_EQ(replay.n, kReplayed);
}

TEST(ScanFiles, AListThatCannotTakeItsPlaceCommitsNoCacheAndTheNextRunRebuildsAll) {
    test::TempFolder dir;
    const std::string wantB = FreshNumbers(dir / "fresh", 12);
    ProgramFolder p(dir / "prog");
    ASSERT_TRUE(p.StartOn(kDeals, 11));
    ASSERT_EQ(p.Run({1}), "Finished");
    p.WriteLibrary(kDeals, 12);  // another library of the same size
    fs::remove(p.path / "Over20.txt");
    fs::create_directory(p.path / "Over20.txt");
    EXPECT_EQ(p.Run(), "Stopped");
    // The cache of the old library went as soon as it was seen to be one; the new one, made
    // with the list that could not be placed, is not kept either.
    EXPECT_FALSE(fs::exists(p.path / "DataFiles" / kCacheFileName));
    EXPECT_FALSE(fs::exists(p.path / "DataFiles" / kCacheSourceName));
    fs::remove(p.path / "Over20.txt");
    Points points(p);
    EXPECT_EQ(p.Run(), "Finished");
    EXPECT_EQ(points.n, kScanned);
    EXPECT_EQ(Numbers(p), wantB);
}

TEST(ScanFiles, PartFilesOfEndedWritersGoAndOtherFilesStay) {
    test::TempFolder dir;
    ProgramFolder p(dir / "prog");
    ASSERT_TRUE(p.StartOn(kDeals, 11));
    // Process 1 is init: alive. The largest process number cannot be running.
    const std::vector<std::pair<fs::path, bool>> files = {
        {p.path / "DataFiles" / "(none)40ScoCo.dat.4194304.0.part", false},
        {p.path / "DataFiles" / "Trickscan_36.bin.4194304.3.part", false},
        {p.path / "Over20.txt.4194304.1.part", false},
        {p.path / "Over20.txt.1.0.part", true},
        {p.path / "notes.4194304.12.part", true},
        {p.path / "DataFiles" / "mine.txt.4194304.0.part", true},
    };
    for (const auto& [file, stays] : files) test::WriteFile(file, "x");
    EXPECT_EQ(p.Run({1}), "Finished");
    for (const auto& [file, stays] : files) EXPECT_EQ(fs::exists(file), stays) << file;
}

TEST(DebugMode, TheDebugListIsReplacedOnlyByAScan) {
    test::TempFolder dir;
    ProgramFolder p(dir / "prog");
    p.WriteLibrary(3000, 11);
    test::WriteFile(p.path / "debug.dat", "");
    test::WriteFile(p.path / "DoubleNT.txt", "an earlier list\r\n");
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(test::ReadFile(p.path / "DoubleNT.txt"), "an earlier list\r\n");
    ASSERT_EQ(p.Run({1}), "Finished");
    const std::string scanned = test::ReadFile(p.path / "DoubleNT.txt");
    EXPECT_NE(scanned, "an earlier list\r\n");
    EXPECT_EQ(scanned.rfind("# ", 0), 0u) << "the random deals hold a double notrump";
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(p.Run({1}), "Finished");  // a replay
    EXPECT_EQ(test::ReadFile(p.path / "DoubleNT.txt"), scanned);
}

TEST(LibraryChoice, AnEmptyBinaryLibraryBesideAnAsciiOneIsPassedOverByBothPrograms) {
    test::TempFolder dir;
    ProgramFolder p(dir / "prog");
    p.WriteLibrary(40, 11);
    std::mt19937 rng(3);
    test::WriteAsc(p.path / "Library.asc", {test::RandomRecord(rng), test::RandomRecord(rng)});
    test::WriteFile(p.path / "Library.bin", "");
    ASSERT_EQ(p.Restart(), Analyzer::StartState::Running);
    EXPECT_EQ(p.a->library.LibFileName, "Library.asc");
    ViewerSession viewer(p.path);
    EXPECT_FALSE(viewer.Usable(kBinLibName, LibMode::Binary));
    EXPECT_TRUE(viewer.Usable(kAscLibName, LibMode::Ascii));
    EXPECT_EQ(p.Run({1}), "Finished");
}

TEST(LibraryOpening, TooManyRecordsOrAPipeAtItsNameAreRefused) {
    test::TempFolder dir;
    ProgramFolder p(dir / "prog");
    fs::create_directories(p.path);
    test::WriteFile(p.path / "Library.bin", "");
    // A sparse file: no disk is used for its length.
    fs::resize_file(p.path / "Library.bin", static_cast<std::uintmax_t>(kMaxDeals + 1) * 26);
    EXPECT_EQ(p.Restart(), Analyzer::StartState::FolderProblem);
    EXPECT_EQ(p.a->problem, TooManyDealsText("Library.bin"));
    EXPECT_NE(p.a->problem.find("2,147,483,646"), std::string::npos);
    LibraryFile lib;
    EXPECT_FALSE(lib.Open(p.path / "Library.bin", LibMode::Binary));
    EXPECT_EQ(lib.Error(), TooManyDealsText("Library.bin"));
    fs::resize_file(p.path / "Library.bin", static_cast<std::uintmax_t>(kMaxDeals) * 26);
    EXPECT_TRUE(lib.Open(p.path / "Library.bin", LibMode::Binary));
    EXPECT_EQ(lib.DealCount(), kMaxDeals);

    // A pipe put at the name after the start is refused at once, not waited on.
    ASSERT_TRUE(p.StartOn(100));
    fs::remove(p.path / "Library.bin");
    ASSERT_EQ(::mkfifo((p.path / "Library.bin").c_str(), 0644), 0);
    EXPECT_EQ(p.Run({1}), "Stopped");
    EXPECT_EQ(p.a->message, "Cannot open the library Library.bin.");
}

}  // namespace
}  // namespace lott
