// boardlook-batch: deal lists, the Over20 selection, its command line, and runs that write
// files, report what they cannot write and say so in the exit code.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "BoardlookBatch.h"
#include "DealSelection.h"
#include "LibraryFile.h"
#include "PbnReader.h"
#include "TestLibrary.h"
#include "ViewerDeals.h"

namespace lott {
namespace {

namespace fs = std::filesystem;
using Range = DealSelection::Range;

TEST(DealSelection, NumbersAndRanges) {
    std::string e;
    EXPECT_EQ(DealSelection::ParseList("1,5,100-200", e),
              (std::vector<Range>{{1, 1}, {5, 5}, {100, 200}}));
    EXPECT_EQ(DealSelection::ParseList(" 7 , 9-9 ,3", e),
              (std::vector<Range>{{7, 7}, {9, 9}, {3, 3}}));
    EXPECT_EQ(DealSelection::ParseList("0", e), (std::vector<Range>{{0, 0}}));  // run reports it

    // Refused lists; where given, the exact reason.
    const std::pair<const char*, const char*> bad[] = {{"", "empty part in the deal list \"\""},
                                                       {"5-3", "the range \"5-3\" runs backwards"},
                                                       {"-5", "\"-5\" is not a deal number"},
                                                       {"1,,2", nullptr},
                                                       {"3,", nullptr},
                                                       {"1-", nullptr},
                                                       {"1-2-3", nullptr},
                                                       {"12a", nullptr},
                                                       {"1234567890123", nullptr}};
    for (const auto& [list, says] : bad) {
        EXPECT_FALSE(DealSelection::ParseList(list, e)) << list;
        if (says) {
            EXPECT_EQ(e, says);
        }
    }
}

std::optional<BoardlookBatch::Command> Parse(std::vector<std::string> args,
                                             std::string* e = nullptr) {
    std::string error;
    auto cmd = BoardlookBatch::Parse(args, error);
    if (e) *e = error;
    return cmd;
}

TEST(BoardlookBatchCommand, SwitchesDefaultsAndContradictions) {
    auto cmd = Parse({"folder", "--deals", "1,5-6", "--text"});
    ASSERT_TRUE(cmd);
    EXPECT_EQ(cmd->folder, "folder");
    EXPECT_EQ(cmd->deals, (std::vector<Range>{{1, 1}, {5, 6}}));
    EXPECT_EQ(cmd->kind, DealExport::Kind::Text);
    EXPECT_EQ(cmd->TrumpBy, TrumpBy::Score);  // the viewer's start
    EXPECT_EQ(cmd->NoNT, NoNT::Allowed);

    cmd = Parse({"--over20", "all", "--pbn-file", "x.pbn", "--trumps", "length"});
    ASSERT_TRUE(cmd);
    EXPECT_EQ(cmd->over20, 0);
    EXPECT_EQ(cmd->kind, DealExport::Kind::Pbn);
    EXPECT_EQ(cmd->pbnFile, "x.pbn");
    EXPECT_EQ(cmd->TrumpBy, TrumpBy::Length);
    EXPECT_EQ(cmd->NoNT, NoNT::Forbidden);  // trumps by Length forbid notrump
    cmd = Parse({"--over20", "23", "--pbn", "--nt", "forbidden", "--library", "Other.ASC"});
    ASSERT_TRUE(cmd);
    EXPECT_EQ(cmd->over20, 23);
    EXPECT_EQ(cmd->NoNT, NoNT::Forbidden);
    EXPECT_EQ(cmd->library, "Other.ASC");

    EXPECT_TRUE(Parse({"--help"})->help);

    // Refused command lines; where given, the exact one-line reason.
    const std::pair<std::vector<std::string>, const char*> bad[] = {
        {{"--deal", "3", "--trumps", "length", "--nt", "allowed", "--html"},
         "--nt allowed cannot go with --trumps length (trumps by Length forbid notrump)"},
        {{"--deal", "3", "--over20", "21", "--html"},
         "choose the deals once: --deal, --deals or --over20"},
        {{"--html"}, "choose the deals once: --deal, --deals or --over20"},
        {{"--deal", "3"}, "choose the export: --html, --text or --pbn"},
        {{"--deal", "3", "--html", "--text"}, "choose one of --html, --text and --pbn"},
        {{"--deal", "3-4", "--html"}, "bad value \"3-4\" for --deal"},
        {{"--deal", "1", "--html", "--colour", "red"}, "unknown option --colour"},
        {{"--deal", "1", "--html", "extra"}, "unexpected argument \"extra\""},
        {{"--deal"}, "--deal needs a value"},
        {{"", "--deal", "1", "--html"},
         "the folder named on the command line is empty (an unset variable?); name a folder or "
         "leave it out"},
        {{"--deal", "3", "--text", "--pbn-file", "a.pbn"}, nullptr},
        {{"--over20", "20", "--html"}, nullptr},
        {{"--over20", "27", "--html"}, nullptr},
        {{"--deal", "1", "--html", "--library", "Library.txt"}, nullptr}};
    for (const auto& [args, says] : bad) {
        std::string e;
        EXPECT_FALSE(Parse(args, &e)) << args.front();
        if (says) {
            EXPECT_EQ(e, says);
        }
    }
}

// A program folder with the two known deals of the viewer's tests and random ones.
struct Program {
    test::TempFolder dir;
    std::vector<DealRecord> deals = test::KnownDeals(30);
    Program() { test::WriteBin(dir / kBinLibName, deals); }
    int Run(std::vector<std::string> args, std::string& out, std::string& err) {
        args.insert(args.begin(), dir.path().string());
        std::string e;
        auto cmd = BoardlookBatch::Parse(args, e);
        if (!cmd) {
            err = e;
            return 2;
        }
        std::ostringstream o, r;
        const int code = BoardlookBatch::Run(*cmd, "/nonexistent", o, r);
        out = o.str();
        err = r.str();
        return code;
    }
    std::vector<std::string> Lines(const fs::path& relative) const {
        std::vector<std::string> l;
        std::istringstream in(test::ReadFile(dir.path() / relative));
        for (std::string s; std::getline(in, s);) l.push_back(s.substr(0, s.size() - 1));
        return l;
    }
};

TEST(BoardlookBatchRun, WritesTheChosenDealsUnderTheSwitches) {
    Program p;
    std::string out, err;
    ASSERT_EQ(p.Run({"--deals", "2,1", "--text"}, out, err), 0) << err;
    const std::string folder = p.dir.path().string();
    EXPECT_EQ(out, "wrote " + folder + "/TextFiles/No2.Txt\nwrote " + folder +
                       "/TextFiles/No1.Txt\n2 files written, 0 failed\n");
    EXPECT_EQ(err, "");
    EXPECT_EQ(p.Lines("TextFiles/No2.Txt")[1], " N-S  9 tricks in NoTrump  ");
    EXPECT_EQ(p.Lines("TextFiles/No1.Txt")[3], "     17 Total tricks.      (18)");

    // Notrump forbidden: North's spades instead of 3NT.
    ASSERT_EQ(p.Run({"--deal", "2", "--text", "--nt", "forbidden"}, out, err), 0) << err;
    EXPECT_EQ(p.Lines("TextFiles/No2.Txt")[1], " N-S  8 tricks in Spades   ( 9)");
    ASSERT_EQ(p.Run({"--deal", "2", "--html", "--trumps", "length"}, out, err), 0) << err;
    EXPECT_NE(test::ReadFile(p.dir / "HtmlFiles/No2.Html").find("8 tricks in Spades"),
              std::string::npos);

    ASSERT_EQ(p.Run({"--deals", "3-5", "--pbn"}, out, err), 0) << err;
    for (int n = 3; n <= 5; ++n) {
        const test::PbnFile f =
            test::ReadPbn(test::ReadFile(p.dir / "PbnFiles" / ("No" + std::to_string(n) + ".pbn")));
        ASSERT_EQ(f.games.size(), 1u);
        EXPECT_EQ(f.games[0].Tag("Board"), std::to_string(n));
    }
    EXPECT_EQ(out.substr(out.rfind('\n', out.size() - 2) + 1), "3 files written, 0 failed\n");
}

TEST(BoardlookBatchRun, DealsOutsideTheLibraryAreReportedAndTheOthersWritten) {
    Program p;
    std::string out, err;
    EXPECT_EQ(p.Run({"--deals", "0-2,29-33,40", "--html"}, out, err), 1);
    EXPECT_EQ(err,
              "boardlook-batch: deal 0 not in Library.bin (1..30)\n"
              "boardlook-batch: deals 31-33 not in Library.bin (1..30)\n"
              "boardlook-batch: deal 40 not in Library.bin (1..30)\n");
    for (int n : {1, 2, 29, 30})
        EXPECT_TRUE(fs::exists(p.dir / "HtmlFiles" / ("No" + std::to_string(n) + ".Html")));
    EXPECT_EQ(out.substr(out.rfind("wrote")), "wrote " + (p.dir / "HtmlFiles/No30.Html").string() +
                                                  "\n4 files written, 5 failed\n");
    // A huge range costs one line, not one per deal.
    EXPECT_EQ(p.Run({"--deals", "30-999999999999", "--text"}, out, err), 1);
    EXPECT_EQ(err, "boardlook-batch: deals 31-999999999999 not in Library.bin (1..30)\n");
    EXPECT_NE(out.find("1 file written, 999999999969 failed"), std::string::npos);
}

TEST(BoardlookBatchRun, FilesThatCannotBeWrittenAreCountedAndTheUsersFilesKept) {
    Program p;
    std::string out, err;
    fs::create_directories(p.dir / "TextFiles" / "No2.Txt");  // a folder where a file should go
    EXPECT_EQ(p.Run({"--deals", "1-3", "--text"}, out, err), 1);
    EXPECT_NE(err.find("boardlook-batch: deal 2: cannot replace " +
                       (p.dir / "TextFiles/No2.Txt").string()),
              std::string::npos)
        << err;
    EXPECT_TRUE(fs::is_directory(p.dir / "TextFiles/No2.Txt"));
    // No part file is left: deals 1 and 3 and the folder are all there is.
    EXPECT_EQ(std::distance(fs::directory_iterator(p.dir / "TextFiles"), fs::directory_iterator{}),
              3);
    EXPECT_TRUE(fs::is_regular_file(p.dir / "TextFiles/No1.Txt"));
    EXPECT_TRUE(fs::is_regular_file(p.dir / "TextFiles/No3.Txt"));
    EXPECT_NE(out.find("2 files written, 1 failed"), std::string::npos);

    test::WriteFile(p.dir / "HtmlFiles", "mine");  // a file where the folder should be
    EXPECT_EQ(p.Run({"--deals", "1-2", "--html"}, out, err), 1);
    EXPECT_EQ(test::ReadFile(p.dir / "HtmlFiles"), "mine");
    EXPECT_NE(out.find("0 files written, 2 failed"), std::string::npos);

    // One PBN file in a folder that does not exist: said once, every deal counted.
    EXPECT_EQ(
        p.Run({"--deals", "1-4", "--pbn-file", (p.dir / "no/such/all.pbn").string()}, out, err), 1);
    EXPECT_EQ(err, "boardlook-batch: cannot write " + (p.dir / "no/such/all.pbn").string() +
                       ": No such file or directory\n");
    EXPECT_NE(out.find("0 deals written to"), std::string::npos);
    EXPECT_NE(out.find(", 4 failed"), std::string::npos);
}

TEST(BoardlookBatchRun, Over20ListsAndAMissingList) {
    Program p;
    std::string out, err;
    EXPECT_EQ(p.Run({"--over20", "21", "--text"}, out, err), 1);
    EXPECT_EQ(err, "boardlook-batch: Over20.txt is missing in " + p.dir.path().string() + "\n");
    EXPECT_EQ(out, "0 files written, 1 failed\n");

    test::WriteFile(p.dir / "Over20.txt", test::kOver20);
    EXPECT_EQ(p.Run({"--over20", "21", "--text"}, out, err), 1);  // deal 99 is not there
    EXPECT_TRUE(fs::exists(p.dir / "TextFiles/No2.Txt"));
    EXPECT_TRUE(fs::exists(p.dir / "TextFiles/No25.Txt"));
    EXPECT_FALSE(fs::exists(p.dir / "TextFiles/No3.Txt"));
    EXPECT_EQ(err, "boardlook-batch: deal 99 not in Library.bin (1..30)\n");
    EXPECT_EQ(p.Run({"--over20", "24", "--text"}, out, err), 0);
    EXPECT_EQ(out, "0 files written, 0 failed\n");

    const fs::path all = p.dir / "all.pbn";
    EXPECT_EQ(p.Run({"--over20", "all", "--pbn-file", all.string()}, out, err), 1);
    const test::PbnFile f = test::ReadPbn(test::ReadFile(all));
    EXPECT_TRUE(f.problems.empty());
    std::vector<std::string> boards;
    for (const auto& g : f.games) boards.push_back(g.Tag("Board"));
    EXPECT_EQ(boards, (std::vector<std::string>{"2", "25", "3", "7"}));
    EXPECT_NE(
        out.find("wrote " + all.string() + "\n4 deals written to " + all.string() + ", 1 failed\n"),
        std::string::npos)
        << out;
    // Games are separated by exactly one empty line.
    const std::string bytes = test::ReadFile(all);
    EXPECT_EQ(bytes.find("\r\n\r\n\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("W  C  5\r\n\r\n[Event \"Library.bin\"]\r\n[Site"), std::string::npos);
}

TEST(BoardlookBatchRun, LibraryChoiceDamagedRecordsAndRefusedFolders) {
    Program p;
    std::string out, err;
    // Without a binary library the ASCII one is used, as the viewer does; a damaged record is
    // reported and the others written.
    test::WriteAsc(p.dir / "Library.asc", p.deals);
    fs::remove(p.dir / kBinLibName);
    std::string asc = test::ReadFile(p.dir / "Library.asc");
    asc[89 * 4 + 5] = '?';
    test::WriteFile(p.dir / "Library.asc", asc);
    EXPECT_EQ(p.Run({"--deals", "4-6", "--pbn"}, out, err), 1);
    EXPECT_EQ(err, "boardlook-batch: deal 5 of Library.asc is damaged\n");
    EXPECT_EQ(test::ReadPbn(test::ReadFile(p.dir / "PbnFiles/No6.pbn")).games[0].Tag("Event"),
              "Library.asc");

    EXPECT_EQ(p.Run({"--deal", "1", "--html", "--library", "Other.bin"}, out, err), 1);
    EXPECT_EQ(err, "boardlook-batch: cannot open the library \"Other.bin\" in " +
                       p.dir.path().string() + "\n");

    fs::remove(p.dir / "Library.asc");
    EXPECT_EQ(p.Run({"--deal", "1", "--html"}, out, err), 1);
    EXPECT_EQ(err, "boardlook-batch: no library (Library.bin or Library.asc) in " +
                       p.dir.path().string() + "\n");

    // Where the folder really lies counts: reached through a link or ".." from one.
    test::TempFolder base;
    fs::create_directory(base / "unzipped");
    fs::create_directories(base / "zipped" / "inner");
    fs::create_directory_symlink(base / "zipped", base / "bridge");
    fs::create_directory_symlink(base / "zipped" / "inner", base / "deals");
    for (const auto& folder : {base / "unzipped", base / "bridge", base / "deals" / ".."}) {
        std::ostringstream o, r;
        BoardlookBatch::Command cmd;
        cmd.folder = folder.string();
        cmd.deals = {{1, 1}};
        EXPECT_EQ(BoardlookBatch::Run(cmd, "/", o, r), 1) << folder;
        EXPECT_NE(r.str().find("lies in an unpacked archive"), std::string::npos) << r.str();
    }
}

TEST(BoardlookBatchRun, APbnFileThatIsAFileTheProgramsReadIsRefusedAndNothingWritten) {
    Program p;
    std::string out, err;
    test::WriteAsc(p.dir / "Library.asc", p.deals);
    test::WriteBin(p.dir / "Other.bin", p.deals);
    test::WriteFile(p.dir / "Over20.txt", test::kOver20);
    fs::create_directory(p.dir / "DataFiles");
    test::WriteFile(p.dir / "DataFiles/Trickscan_36.bin", "cache");
    test::WriteFile(p.dir / "DataFiles/Trickscan_36.src", "note");
    fs::create_symlink(p.dir / kBinLibName, p.dir / "link.pbn");
    fs::create_hard_link(p.dir / kBinLibName, p.dir / "hard.pbn");
    const auto before = test::FilesIn(p.dir.path());
    const std::pair<fs::path, std::string> outputs[] = {
        {p.dir / "Library.bin", "Library.bin"},
        {p.dir / "link.pbn", "Library.bin"},
        {p.dir / "hard.pbn", "Library.bin"},
        {fs::relative(p.dir / "Library.bin"), "Library.bin"},
        {p.dir / "Library.asc", "Library.asc"},
        {p.dir / "DataFiles/Trickscan_36.bin", "DataFiles/Trickscan_36.bin"},
        {p.dir / "DataFiles/Trickscan_36.src", "DataFiles/Trickscan_36.src"},
        {p.dir / "Over20.txt", "Over20.txt"},
        {p.dir / "Other.bin", "Other.bin"},  // the library named on the command line
    };
    for (const auto& [output, input] : outputs) {
        EXPECT_EQ(p.Run({"--deals", "1-3", "--pbn-file", output.string(), "--library", "Other.bin"},
                        out, err),
                  2)
            << output;
        EXPECT_EQ(err, "boardlook-batch: --pbn-file names " + input +
                           ", which the programs read; choose another file\n");
        EXPECT_EQ(test::FilesIn(p.dir.path()), before) << output;
    }
}

}  // namespace
}  // namespace lott
