// The list backup and the start-up tidying of old result files; no existing file is replaced.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <utility>
#include <vector>

#include "ResultHousekeeping.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

TEST(MoveTxtFiles, MovesOldResultFilesIntoDataFilesWithoutReplacing) {
    test::TempFolder dir;
    const fs::path data = dir / "DataFiles";
    fs::create_directory(data);
    test::WriteFile(dir / "(none)40ScoCo.txt", "a");
    test::WriteFile(dir / "40OstLen.txt", "b");
    test::WriteFile(dir / "(D)15LenV2.TXT", "c");  // the extension in any case
    test::WriteFile(dir / "notes.txt", "d");
    test::WriteFile(dir / "table_ScoCo.txt", "mine");  // a mark but no result name
    test::WriteFile(dir / "(DS2-)40LenCo.txt", "old");
    test::WriteFile(dir / "Over20.txt", "e");
    test::WriteFile(dir / "40ScoV1.dat", "f");  // not a .txt
    test::WriteFile(dir / "(E)17LenV1.txt", "new");
    test::WriteFile(data / "(E)17LenV1.txt", "already there");
    fs::create_directory(dir / "40LenCo.txt");

    std::string error;
    EXPECT_TRUE(MoveTxtFiles(dir.path(), data, error)) << error;
    EXPECT_EQ(test::ReadFile(data / "(none)40ScoCo.txt"), "a");
    EXPECT_EQ(test::ReadFile(data / "40OstLen.txt"), "b");
    EXPECT_EQ(test::ReadFile(data / "(D)15LenV2.TXT"), "c");
    EXPECT_FALSE(fs::exists(dir / "(none)40ScoCo.txt"));
    EXPECT_TRUE(fs::exists(dir / "notes.txt"));
    EXPECT_EQ(test::ReadFile(dir / "table_ScoCo.txt"), "mine");
    EXPECT_EQ(test::ReadFile(data / "(DS2-)40LenCo.txt"), "old");
    EXPECT_TRUE(fs::exists(dir / "Over20.txt"));
    EXPECT_TRUE(fs::exists(dir / "40ScoV1.dat"));
    EXPECT_EQ(test::ReadFile(dir / "(E)17LenV1.txt"), "new");
    EXPECT_EQ(test::ReadFile(data / "(E)17LenV1.txt"), "already there");
    EXPECT_TRUE(fs::is_directory(dir / "40LenCo.txt"));

    // No data folder to move into: reported.
    test::TempFolder other;
    test::WriteFile(other / "40OstLen.txt", "b");
    error.clear();
    EXPECT_FALSE(MoveTxtFiles(other.path(), other / "DataFiles", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::ReadFile(other / "40OstLen.txt"), "b");
}

TEST(RenameTxtFiles, BringsOldNamesIntoTheCurrentNamingAndLeavesCurrentOnes) {
    test::TempFolder dir;
    std::vector<std::pair<std::string, std::string>> cases;  // before, after
    std::istringstream table(
        test::ReadFile(fs::path(TRICKSCAN_GOLDEN_DIR) / "old_result_names.tsv"));
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        cases.emplace_back(line.substr(0, tab), line.substr(tab + 1));
        test::WriteFile(dir / cases.back().first, cases.back().first);
    }
    ASSERT_GE(cases.size(), 10u);
    std::string error;
    EXPECT_TRUE(RenameTxtFiles(dir.path(), error)) << error;
    for (const auto& [before, after] : cases) EXPECT_EQ(test::ReadFile(dir / after), before);
    int count = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++count;
    EXPECT_EQ(count, static_cast<int>(cases.size()));
}

TEST(RenameTxtFiles, NeverReplacesAFileThatExists) {
    test::TempFolder dir;
    test::WriteFile(dir / "40OstLen.txt", "old text");
    test::WriteFile(dir / "40OstLen.dat", "current");
    test::WriteFile(dir / "(-)40LenCo.txt", "no correction");
    test::WriteFile(dir / "(none)40LenCo.dat", "none");
    test::WriteFile(dir / "(S1-)40ScoCo.dat", "old filter");
    test::WriteFile(dir / "(S1)40ScoCo.dat", "filter");
    test::WriteFile(dir / "(DS2-)15ScoV1.dat", "with dash");
    test::WriteFile(dir / "(DS2)15ScoV1.dat", "without");
    std::string error;
    EXPECT_FALSE(RenameTxtFiles(dir.path(), error));
    EXPECT_NE(error.find("(S1-)40ScoCo.dat"), std::string::npos) << error;
    EXPECT_NE(error.find("(DS2-)15ScoV1.dat"), std::string::npos) << error;
    // ".txt" names skip quietly.
    EXPECT_EQ(test::ReadFile(dir / "40OstLen.txt"), "old text");
    EXPECT_EQ(test::ReadFile(dir / "40OstLen.dat"), "current");
    EXPECT_EQ(test::ReadFile(dir / "(-)40LenCo.txt"), "no correction");
    EXPECT_EQ(test::ReadFile(dir / "(none)40LenCo.dat"), "none");
    EXPECT_EQ(test::ReadFile(dir / "(S1-)40ScoCo.dat"), "old filter");
    EXPECT_EQ(test::ReadFile(dir / "(S1)40ScoCo.dat"), "filter");
    EXPECT_EQ(test::ReadFile(dir / "(DS2-)15ScoV1.dat"), "with dash");
    EXPECT_EQ(test::ReadFile(dir / "(DS2)15ScoV1.dat"), "without");

    error.clear();
    EXPECT_FALSE(RenameTxtFiles(dir / "missing", error));
    EXPECT_FALSE(error.empty());
}

TEST(RenameNoReplace, RenamesOnlyOntoAFreeName) {
    test::TempFolder dir;
    test::WriteFile(dir / "a", "1");
    test::WriteFile(dir / "b", "2");
    std::error_code ec;
    EXPECT_FALSE(RenameNoReplace(dir / "a", dir / "b", ec));
    EXPECT_EQ(ec, std::errc::file_exists);
    EXPECT_EQ(test::ReadFile(dir / "b"), "2");
    EXPECT_TRUE(RenameNoReplace(dir / "a", dir / "c", ec)) << ec.message();
    EXPECT_EQ(test::ReadFile(dir / "c"), "1");
    EXPECT_FALSE(RenameNoReplace(dir / "a", dir / "d", ec));  // a is gone
    EXPECT_TRUE(ec);
}

}  // namespace
}  // namespace lott
