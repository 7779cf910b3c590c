// trickscan-batch: its command line, and runs on small program folders.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "BatchCommand.h"
#include "BatchRun.h"
#include "TestLibrary.h"

namespace lott {
namespace {

std::optional<BatchCommand> Parse(std::vector<std::string> args, std::string* error = nullptr) {
    std::string e;
    auto cmd = ParseBatchCommand(args, e);
    if (error) *error = e;
    return cmd;
}

TEST(BatchCommand, OptionsBecomeClicksInOrderAndBadOnesAreNamed) {
    auto cmd = Parse({"folder", "--nt", "void", "--preset", "standard", "--double-fit", "0.5",
                      "--click", "41,3", "--deals", "500", "--table", "--language", "ja"});
    ASSERT_TRUE(cmd);
    EXPECT_EQ(cmd->folder, "folder");
    EXPECT_EQ(cmd->preset, 1);
    EXPECT_EQ(cmd->clicks, (std::vector<int>{24, 15, 41, 3}));
    EXPECT_EQ(cmd->deals, 500);
    EXPECT_TRUE(cmd->table);
    EXPECT_EQ(cmd->language, 1);

    std::string e;
    EXPECT_FALSE(Parse({"--nt", "none"}, &e));
    EXPECT_EQ(e, "bad value \"none\" for --nt");
    EXPECT_FALSE(Parse({"--frobnicate", "1"}, &e));
    EXPECT_EQ(e, "unknown option --frobnicate");
    EXPECT_FALSE(Parse({"--hcp"}, &e));
    EXPECT_EQ(e, "--hcp needs a value");
    EXPECT_FALSE(Parse({"--deals", "12x"}, &e));
    EXPECT_FALSE(Parse({"--click", "3,,44"}, &e));
    EXPECT_FALSE(Parse({"--preset", "standard", "folder"}, &e));
    EXPECT_EQ(e, "unexpected argument \"folder\"");
    auto deal = Parse({"--deal", "7"});
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->deal, 7);
}

struct Folder {
    test::TempFolder dir;
    explicit Folder(int deals) {
        std::mt19937 rng(21);
        std::vector<DealRecord> v;
        for (int i = 0; i < deals; ++i) v.push_back(test::RandomRecord(rng));
        if (deals > 0) test::WriteBin(dir / "Library.bin", v);
    }
    int Run(std::vector<std::string> args, std::string& out, std::string& err) {
        args.insert(args.begin(), dir.path().string());
        std::string e;
        auto cmd = ParseBatchCommand(args, e);
        if (!cmd) {
            err = e;
            return 2;
        }
        std::ostringstream o, r;
        int code = RunBatch(*cmd, "/nonexistent", o, r);
        out = o.str();
        err = r.str();
        return code;
    }
};

TEST(BatchRun, AStandardRunWritesItsResultCacheAndListAndPrintsTheTable) {
    Folder f(300);
    std::string out, err;
    ASSERT_EQ(f.Run({"--preset", "standard", "--nt", "dorvald", "--table"}, out, err), 0) << err;
    std::istringstream lines(out);
    std::string name, path;
    std::getline(lines, name);
    std::getline(lines, path);
    EXPECT_EQ(name, "(none)40ScoV1");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(f.dir / "DataFiles" / "Trickscan_36.bin"), 300u * 6);
    EXPECT_TRUE(std::filesystem::exists(f.dir / "Over20.txt"));
    EXPECT_NE(out.find(" Dorvald Formula (+8, +7, +6) for NT."), std::string::npos);
    EXPECT_NE(out.find("[Suit]"), std::string::npos);
    EXPECT_NE(out.find("[NT]"), std::string::npos);
    // The table's totals are those of the file: 300 deals in all.
    std::string file = test::ReadFile(path);
    auto suitTotal = std::stoi(file.substr(file.find("\r\n       ") + 9, 7));
    EXPECT_GT(suitTotal, 0);
    EXPECT_LE(suitTotal, 300);
}

TEST(BatchRun, RefusalsEndWithOneLineAndNonZeroExit) {
    std::string out, err;
    Folder empty(0);
    EXPECT_EQ(empty.Run({"--preset", "ostrevan"}, out, err), 1);
    EXPECT_NE(err.find("no library"), std::string::npos);

    Folder f(50);
    EXPECT_EQ(f.Run({"--hcp", "15-25"}, out, err), 1);
    EXPECT_NE(err.find("choose a preset"), std::string::npos);
    EXPECT_EQ(f.Run({"--preset", "ostrevan", "--trumps", "score"}, out, err), 1);
    EXPECT_EQ(err, "trickscan-batch: option 3 is disabled at that point\n");
    EXPECT_EQ(f.Run({"--preset", "standard", "--deals", "0"}, out, err), 1);
    EXPECT_FALSE(std::filesystem::exists(f.dir / "DataFiles" / "(none)40ScoCo.dat"));
    EXPECT_EQ(f.Run({"--deal", "51"}, out, err), 1);
    EXPECT_EQ(err, "trickscan-batch: deal 51 is not in Library.bin (1..50)\n");

    test::TempFolder base;
    std::filesystem::create_directory(base / "unzipped");
    std::ostringstream o, r;
    BatchCommand cmd;
    cmd.folder = (base / "unzipped").string();
    cmd.preset = 0;
    EXPECT_EQ(RunBatch(cmd, "/", o, r), 1);
    EXPECT_NE(r.str().find("archive or temporary folder"), std::string::npos);
}

TEST(BatchRun, OneDealAsJsonNamesBothPasses) {
    Folder f(5);
    std::string out, err;
    ASSERT_EQ(f.Run({"--deal", "5"}, out, err), 0) << err;
    for (const char* key : {"\"deal\": 5", "\"hands\"", "\"HCP\"", "\"Tricks\"", "\"PairHCP\"",
                            "\"byLength\"", "\"byScore\"", "\"TotalTricks\"", "\"TotalTrumps\"",
                            "\"NTCount\"", "\"NTShape\"", "\"EventCount\""})
        EXPECT_NE(out.find(key), std::string::npos) << key;
    // Nothing is written by a one-deal report.
    EXPECT_FALSE(std::filesystem::exists(f.dir / "DataFiles"));
}

}  // namespace
}  // namespace lott
