// The one writer: links planted at its part names are never followed, and a full disk leaves the
// earlier file whole and no part file. A folder in the way, no folder and writers dropped before
// they commit are cases of data/records.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FaultMount.h"
#include "FileWriter.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
}

TEST(FileWriter, LinksAtItsPartNamesAreNeverFollowed) {
    test::TempFolder dir;
    const fs::path target = dir / "out.csv";
    const fs::path outside = dir / "outside";
    test::WriteFile(outside, "the user's file");
    // The part names the next writers of this process take: "<target>.<pid>.<n>.part".
    FileWriter probe(target);
    std::string error;
    ASSERT_TRUE(probe.Open(error)) << error;
    const std::string name = probe.PartPath().string();
    probe.Abandon();
    const std::size_t dot = name.rfind('.', name.size() - 6);
    const std::string stem = name.substr(0, dot + 1);
    const unsigned long next = std::stoul(name.substr(dot + 1)) + 1;
    // Links to the user's file and dangling links (which creating through would make).
    for (unsigned long n = next; n < next + 40; ++n)
        fs::create_symlink(n % 2 ? outside : dir / ("made" + std::to_string(n)),
                           stem + std::to_string(n) + ".part");
    fs::create_symlink(outside, target.string() + ".part");

    ASSERT_TRUE(FileWriter::WriteFile(target, "new content", error)) << error;
    EXPECT_EQ(test::ReadFile(target), "new content");
    EXPECT_EQ(test::ReadFile(outside), "the user's file");
    // Only the target, the user's file and the 41 links, still links: nothing was made through
    // a dangling one.
    EXPECT_EQ(Entries(dir.path()), 2u + 41u);
    EXPECT_TRUE(fs::is_symlink(target.string() + ".part"));
}

TEST(FileWriter, AFullDiskKeepsTheEarlierFileAndSaysSo) {
    test::TempFolder dir;
    fs::create_directory(dir / "disk");
    std::string why;
    auto disk = test::FaultMount::SmallDisk(dir / "disk", 64 * 1024, why);
    if (!disk) GTEST_SKIP() << why;
    const fs::path target = dir / "disk" / "earlier.txt";
    test::WriteFile(target, "earlier");
    ASSERT_GT(test::FillUp(dir / "disk"), 0u);
    // Small and large writes, in one piece and in many.
    for (std::size_t size : {std::size_t{10}, std::size_t{300000}}) {
        FileWriter w(target);
        std::string error;
        ASSERT_TRUE(w.Open(error)) << error;
        bool ok = true;
        for (int i = 0; i < 8 && ok; ++i) ok = w.Write(std::string(size, 'x'), error);
        EXPECT_FALSE(ok && w.Commit(error)) << size;
        EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
        // After a failure every call fails with the same reason.
        std::string again;
        EXPECT_FALSE(w.Write("y", again));
        EXPECT_EQ(again, error);
        EXPECT_EQ(test::ReadFile(target), "earlier");
        EXPECT_EQ(Entries(dir / "disk"), 2u);  // the file and the filler
    }
}

}  // namespace
}  // namespace lott
