// boardlook-batch as scripts run it. Each folder under golden/batch is one run: "args" holds its
// arguments, one a line ($DIR: the program folder), "run.txt" its exit code and output, "files/"
// every file it writes or changes. A mismatch leaves "<name>.actual" beside the expected file.
// The PBN round trip reads the games of the sample library back.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "LibraryFile.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
const fs::path kGolden = TEST_GOLDEN_DIR, kSample = TEST_SAMPLE_DIR;

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    for (auto at = s.find(from); !from.empty() && at != std::string::npos;
         at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

// Runs boardlook-batch; its output with the folder written as $DIR and the usage as <usage>.
std::string Batch(const std::vector<std::string>& args, const std::string& dir) {
    test::TempFolder io;
    std::string cmd = BOARDLOOK_BATCH;
    for (const auto& a : args) cmd += " '" + Replace(Replace(a, "$DIR", dir), "'", "'\\''") + "'";
    const int status = std::system(
        (cmd + " >" + (io / "out").string() + " 2>" + (io / "err").string() + " </dev/null")
            .c_str());
    EXPECT_EQ(std::system((BOARDLOOK_BATCH " --help >" + (io / "usage").string()).c_str()), 0);
    const std::string usage = test::ReadFile(io / "usage");
    return "exit " + std::to_string(WEXITSTATUS(status)) + "\n[out]\n" +
           Replace(test::ReadFile(io / "out"), dir, "$DIR") + "[err]\n" +
           Replace(Replace(test::ReadFile(io / "err"), usage, "<usage>\n"), dir, "$DIR");
}

// The program folder of every run: the sample library in both forms, golden/program, links to
// the library, a folder where an export should go, and an archive's folder reached by links.
void MakeProgram(const fs::path& dir) {
    fs::copy(kGolden / "program", dir, fs::copy_options::recursive);
    for (const char* lib : {kBinLibName, kAscLibName}) fs::copy_file(kSample / lib, dir / lib);
    fs::create_symlink(dir / kBinLibName, dir / "link.pbn");
    fs::create_hard_link(dir / kBinLibName, dir / "hard.pbn");
    fs::create_directories(dir / "TextFiles" / "No9999.Txt");
    fs::create_directories(dir / "zipped" / "inner");
    fs::create_directory_symlink(dir / "zipped", dir / "bridge");
    fs::create_directory_symlink(dir / "zipped" / "inner", dir / "deals");
}

class BatchRun : public testing::TestWithParam<std::string> {};

TEST_P(BatchRun, AsTheGoldenFilesSay) {
    const fs::path golden = kGolden / "batch" / GetParam();
    test::TempFolder dir;
    MakeProgram(dir.path());
    std::vector<std::string> args;
    std::istringstream lines(test::ReadFile(golden / "args"));
    for (std::string a; std::getline(lines, a);) args.push_back(a);
    const auto before = test::FilesIn(dir.path());
    std::map<std::string, std::string> actual = {{"run.txt", Batch(args, dir.path().string())}};
    for (const auto& [name, bytes] : test::FilesIn(dir.path()))
        if (!before.count(name) || before.at(name) != bytes) actual["files/" + name] = bytes;
    std::map<std::string, std::string> expected = test::FilesIn(golden);
    std::erase_if(expected,
                  [](const auto& f) { return f.first == "args" || f.first.ends_with(".actual"); });
    for (const auto& [name, bytes] : actual) expected.try_emplace(name, "(missing)");
    for (const auto& [name, bytes] : expected) {
        const fs::path file = golden / name, wrong = file.string() + ".actual";
        const auto got = actual.find(name);
        if (got != actual.end() && got->second == bytes) {
            fs::remove(wrong);
            continue;
        }
        fs::create_directories(wrong.parent_path());
        test::WriteFile(wrong, got == actual.end() ? "(not written)" : got->second);
        ADD_FAILURE() << name << " differs from the expected, see " << wrong;
        if (std::system(("diff -u '" + file.string() + "' '" + wrong.string() + "'").c_str()) < 0)
            ADD_FAILURE() << "diff did not run";
    }
}

std::vector<std::string> Cases() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(kGolden / "batch"))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Golden, BatchRun, testing::ValuesIn(Cases()),
                         [](const auto& p) { return p.param; });

// Every game of the file is its deal of the library: board, library name, hands, the 20 tricks.
void ExpectRoundTrip(const fs::path& library, LibMode mode) {
    LibraryFile lib;
    ASSERT_TRUE(lib.Open(library, mode));
    const std::string pbn = test::ReadFile(library.parent_path() / "out.pbn");
    ASSERT_EQ(pbn.substr(0, 21), "% PBN 2.1\r\n% EXPORT\r\n");
    std::int32_t n = 0;
    Deal d;
    for (std::size_t at = 21, end; at < pbn.size(); at = end + 4) {
        end = std::min(pbn.find("\r\n\r\n", at), pbn.size() - 2);
        std::map<std::string, std::string> tag;
        std::vector<std::string> table;
        std::istringstream game(pbn.substr(at, end + 2 - at));
        for (std::string l; std::getline(game, l);) {
            ASSERT_TRUE(l.ends_with('\r') && l.size() <= 256) << l;
            l.pop_back();
            for (char c : l) ASSERT_TRUE(c >= 32 && c <= 126) << l;
            if (l.starts_with('[')) {
                const auto q = l.find('"');
                std::string& value = tag[l.substr(1, q - 2)];
                for (std::size_t i = q + 1; i + 2 < l.size(); ++i) {
                    if (l[i] == '\\') ++i;  // an escaped quote or backslash
                    value += l[i];
                }
            } else if (!l.starts_with('{'))
                table.push_back(l);
        }
        ASSERT_EQ(tag["Board"], std::to_string(++n));
        ASSERT_EQ(tag["Event"], library.filename().string());
        ASSERT_EQ(lib.ReadDeal(n, d), ReadStatus::Ok);
        d.DecodeTricks();
        std::string hands = "W:";
        for (int seat = 0; seat < 4; ++seat)
            for (int suit = 0; suit < 4; ++suit)
                hands += (suit ? "." : seat ? " " : "") + d.Hand[seat][suit].str();
        ASSERT_EQ(tag["Deal"], hands);
        ASSERT_EQ(table.size(), 20u);
        for (const std::string& row : table) {  // "N NT  5", "W  C 13"
            const int s = row[3] == 'T' ? -1 : static_cast<int>(std::string("SHDC").find(row[3]));
            ASSERT_EQ(std::stoi(row.substr(4)), d.Tricks[std::string("WNES").find(row[0])][s])
                << row;
        }
    }
    ASSERT_EQ(n, lib.DealCount());
}

TEST(PbnRoundTrip, TheSampleInBothFormsAndUnderANameTheTagEscapes) {
    test::TempFolder dir;
    const std::string odd = "my \"odd\\\" deals.bin";
    fs::copy_file(kSample / kBinLibName, dir / odd);
    fs::copy_file(kSample / kAscLibName, dir / kAscLibName);
    for (const auto& [name, mode] :
         {std::pair<std::string, LibMode>{odd, LibMode::Binary}, {kAscLibName, LibMode::Ascii}}) {
        Batch({dir.path().string(), "--deals", "1-10000", "--library", name, "--pbn-file",
               (dir / "out.pbn").string()},
              "");
        ExpectRoundTrip(dir / name, mode);
    }
}

}  // namespace
}  // namespace lott
