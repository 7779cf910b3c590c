// trickscan-batch: its command line, and runs on small program folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
    EXPECT_FALSE(Parse({"", "--deals", "5"}, &e));  // an unset variable as the folder
    EXPECT_EQ(e,
              "the folder named on the command line is empty (an unset variable?); name a "
              "folder or leave it out");
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

    // Where the folder really lies counts: reached through a link or ".." from one.
    test::TempFolder base;
    std::filesystem::create_directory(base / "unzipped");
    std::filesystem::create_directories(base / "tmpdata" / "inner");
    std::filesystem::create_directory_symlink(base / "tmpdata", base / "bridge");
    std::filesystem::create_directory_symlink(base / "tmpdata" / "inner", base / "deals");
    for (const auto& folder : {base / "unzipped", base / "bridge", base / "deals" / ".."}) {
        std::ostringstream o, r;
        BatchCommand cmd;
        cmd.folder = folder.string();
        cmd.preset = 0;
        EXPECT_EQ(RunBatch(cmd, "/", o, r), 1) << folder;
        EXPECT_NE(r.str().find("archive or temporary folder"), std::string::npos) << r.str();
    }
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> f;
    std::stringstream in(line);
    for (std::string x; std::getline(in, x, ',');) f.push_back(x);
    if (!line.empty() && line.back() == ',') f.push_back("");
    return f;
}

TEST(BatchRun, CsvAndJsonHoldTheRunsTablesUnrounded) {
    Folder f(400);
    std::string out, err;
    const auto csv = f.dir / "run.csv";
    const auto json = f.dir / "run.json";
    ASSERT_EQ(f.Run({"--preset", "standard", "--nt", "dorvald", "--double-fit", "0.5", "--csv",
                     csv.string(), "--json", json.string()},
                    out, err),
              0)
        << err;
    const std::string name = out.substr(0, out.find('\n'));
    std::vector<std::vector<std::string>> rows;
    {
        std::istringstream in(test::ReadFile(csv));
        for (std::string line; std::getline(in, line);) {
            ASSERT_EQ(line.back(), '\r');
            line.pop_back();
            rows.push_back(Fields(line));
        }
    }
    ASSERT_GT(rows.size(), 2u);
    const auto& head = rows[0];
    auto col = [&](const std::string& c) {
        return static_cast<std::size_t>(std::find(head.begin(), head.end(), c) - head.begin());
    };
    // Every row: the result name and the settings as given on the command line.
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), head.size());
        EXPECT_EQ(rows[i][col("result")], name);
        EXPECT_EQ(rows[i][col("preset")], "standard");
        EXPECT_EQ(rows[i][col("nt")], "dorvald");
        EXPECT_EQ(rows[i][col("double_fit")], "0.5");
    }
    // The totals rows agree with the result file's rounded totals, and the averages are not
    // rounded to two decimals.
    const std::string file = test::ReadFile(f.dir / "DataFiles" / (name + ".dat"));
    std::vector<std::string> fileTotals;
    for (std::size_t p = file.find("\r\n       "); p != std::string::npos;
         p = file.find("\r\n       ", p + 1))
        fileTotals.push_back(file.substr(p + 2, 119));
    std::vector<const std::vector<std::string>*> csvTotals;
    for (const auto& r : rows)
        if (r[col("row")] == "total") csvTotals.push_back(&r);
    ASSERT_EQ(csvTotals.size(), 2u);
    ASSERT_EQ(fileTotals.size(), 2u);
    bool finer = false;
    for (std::size_t k = 0; k < 2; ++k) {
        const auto& r = *csvTotals[k];
        EXPECT_EQ(r[col("kind")], k == 0 ? "Suit" : "NT");
        const float deals = std::stof(r[col("deals")]);
        EXPECT_EQ(std::stol(fileTotals[k].substr(7, 7)), std::lround(std::floor(deals + 0.5)));
        const float mean = std::stof(r[col("mean")]);
        EXPECT_NEAR(std::stod(fileTotals[k].substr(105, 7)), mean, 0.005 + 1e-6);
        finer = finer || r[col("mean")].size() > 5;
    }
    EXPECT_TRUE(finer);
    const std::string j = test::ReadFile(json);
    EXPECT_NE(j.find("\"result\": \"" + name + "\""), std::string::npos);
    EXPECT_NE(j.find("\"double_fit\": \"0.5\""), std::string::npos);

    // A file that cannot be written is a failure; the result file is still there.
    EXPECT_EQ(f.Run({"--preset", "ostrevan", "--csv", (f.dir / "no" / "x.csv").string()}, out, err),
              1);
    EXPECT_EQ(err, "trickscan-batch: cannot write " + (f.dir / "no" / "x.csv").string() +
                       ": No such file or directory\n");
    std::istringstream printed(out);
    std::string storedName, storedPath;
    std::getline(printed, storedName);
    std::getline(printed, storedPath);
    EXPECT_TRUE(std::filesystem::exists(storedPath)) << out;
    std::string e;
    EXPECT_FALSE(Parse({"--deal", "3", "--json", "x.json"}, &e));
    EXPECT_EQ(e, "--csv and --json write the tables of a run, not of --deal");
}

TEST(BatchRun, AnOutputThatIsAFileTheProgramsReadIsRefusedAndNothingWritten) {
    namespace fs = std::filesystem;
    Folder f(100);
    std::string out, err;
    // The cache before the first scan has made it.
    const fs::path cache = f.dir / "DataFiles" / "Trickscan_36.bin";
    EXPECT_EQ(f.Run({"--preset", "ostrevan", "--csv", cache.string()}, out, err), 2);
    EXPECT_FALSE(fs::exists(f.dir / "DataFiles"));
    ASSERT_EQ(f.Run({"--preset", "ostrevan"}, out, err), 0) << err;
    fs::create_symlink(f.dir / "Library.bin", f.dir / "link.csv");
    fs::create_hard_link(f.dir / "Library.bin", f.dir / "hard.csv");
    const auto before = test::FilesIn(f.dir.path());
    const std::pair<fs::path, std::string> outputs[] = {
        {f.dir / "Library.bin", "Library.bin"},
        {f.dir / "link.csv", "Library.bin"},
        {f.dir / "hard.csv", "Library.bin"},
        {fs::relative(f.dir / "Library.bin"), "Library.bin"},
        {f.dir / "DataFiles" / ".." / "Library.bin", "Library.bin"},
        {f.dir / "DataFiles" / "Trickscan_36.bin", "DataFiles/Trickscan_36.bin"},
        {f.dir / "DataFiles" / "Trickscan_36.src", "DataFiles/Trickscan_36.src"},
        {f.dir / "Over20.txt", "Over20.txt"},
    };
    for (const auto& [output, input] : outputs) {
        ASSERT_TRUE(before.count(input)) << input;
        for (const char* option : {"--csv", "--json"}) {
            EXPECT_EQ(f.Run({"--preset", "standard", "--nt", "dorvald", option, output.string()},
                            out, err),
                      2)
                << output;
            EXPECT_EQ(err, "trickscan-batch: " + std::string(option) + " names " + input +
                               ", which the programs read; choose another file\n");
            EXPECT_EQ(test::FilesIn(f.dir.path()), before) << output;
        }
    }
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
