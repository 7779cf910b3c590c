// Where a program keeps its files without a folder on its command line: the cases lay out an
// executable's folder (and perhaps an installed share folder beside it) in a scratch folder and
// compare what the programs would choose, copy and say with the case's expect lines.
#include <gtest/gtest.h>

#include <sstream>

#include "ProgramFolder.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

class ProgramFolderCase : public ::testing::TestWithParam<test::DataCase> {};

std::string Replaced(std::string s, const std::string& from, const std::string& to) {
    for (auto at = s.find(from); at != s.npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

TEST_P(ProgramFolderCase, ChoosesSeedsAndSays) {
    const test::DataCase& c = GetParam();
    test::TempFolder root;
    const std::string r = root.path().string();
    const fs::path bin = root / "bin";
    fs::create_directories(bin);
    std::string xdg, home;
    for (const auto& [key, value] : c.lines) {
        const std::string v = Replaced(value, "{root}", r), name = v.substr(0, v.find(' '));
        if (key == "file" || key == "folder") fs::create_directories((root / name).parent_path());
        if (key == "file") test::WriteFile(root / name, v.substr(name.size() + 1));
        if (key == "folder") fs::create_directory(root / name);
        if (key == "xdg") xdg = v;
        if (key == "home") home = v;
    }
    const UserEnvironment env{xdg.empty() ? nullptr : xdg.c_str(),
                              home.empty() ? nullptr : home.c_str()};
    const std::string named = Replaced(c.Get("named"), "{root}", r);
    std::ostringstream actual;
    // Every start the case asks for; the later ones find what the first made.
    for (int start = 1; start <= std::max(1, std::atoi(c.Get("starts").c_str())); ++start) {
        const ProgramFolder p = FindProgramFolder(named, bin, env);
        std::ostringstream said;
        const bool usable = ReportProgramFolder(p, "prog", said);
        actual << "start " << start << " kind " << static_cast<int>(p.kind) << " folder "
               << p.folder.string() << " usable " << usable << "\n";
        for (const auto& name : p.seeded) actual << "seeded " << name << "\n";
        actual << said.str();
    }
    if (const fs::path user = PerUserFolder(env); !user.empty() && fs::exists(user))
        for (const auto& [name, bytes] : test::FilesIn(user))
            actual << "keeps " << name << " " << bytes << "\n";
    actual << "web " << WebFolder(bin).string() << "\n";
    EXPECT_TRUE(test::MatchesExpected(c, Replaced(actual.str(), r, "{root}")));
}

INSTANTIATE_TEST_SUITE_P(Library, ProgramFolderCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_LIBRARY_DATA
                                                             "/program-folders.txt")),
                         test::CaseName);

}  // namespace
}  // namespace lott
