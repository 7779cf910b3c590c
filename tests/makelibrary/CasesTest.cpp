// makelibrary's pieces case by case from data/cases.txt: arguments, DDS on deals whose results
// are worked out by hand, the seeded generator, the marker, and the checker on a DDS-made
// library damaged as each case says.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <tuple>

#include "CommandLine.h"
#include "DealGenerator.h"
#include "LibraryChecker.h"
#include "LibraryMaker.h"
#include "ShardMerger.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

// A deal as its text record: the hands West to South up to offset 67, the trick digits from 68.
std::string Text(const DealRecord& r) {
    std::array<char, kAscRecLen> rec{};
    return EncodeAscDeal(r, rec) ? std::string(rec.begin(), rec.end()) : "not encoded";
}

// "\n" and "\r" in a value stand for line-end characters.
std::string LineEnds(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i)
        text += value.compare(i, 2, "\\n") == 0   ? (++i, '\n')
                : value.compare(i, 2, "\\r") == 0 ? (++i, '\r')
                                                  : value[i];
    return text;
}

// Libraries made with DDS once (folder, seed, deals, shards, shard), as folder/file -> bytes.
using Made = std::tuple<std::string, int, int, int, int>;
std::map<std::string, std::string> MakeWithDds(const std::vector<Made>& libraries) {
    test::TempFolder dir;
    DdsSolver solver(0);
    std::string why;
    for (const auto& [name, seed, deals, shards, shard] : libraries) {
        LibraryWriter w;
        if (!w.Create(dir / name, seed, deals, why, shards, shard) ||
            LibraryMaker(solver).Run(w, nullptr, nullptr, why) != LibraryMaker::Outcome::Finished)
            throw std::runtime_error(why);
    }
    return test::FilesIn(dir.path());
}

class MakelibraryCase : public ::testing::TestWithParam<test::DataCase> {
  protected:
    std::string Run(const std::string& key, const std::string& value);
    std::string Dir(std::string text) const {  // the case's folder written as DIR
        for (auto at = text.find(dir_.path().string()); at != std::string::npos;
             at = text.find(dir_.path().string()))
            text.replace(at, dir_.path().string().size(), "DIR");
        return text;
    }
    test::TempFolder dir_;
    std::unique_ptr<LibraryWriter> writer_;
    std::map<std::string, std::string> kept_;
};

std::string MakelibraryCase::Run(const std::string& key, const std::string& value) {
    std::istringstream in(value);
    std::ostringstream out;
    std::string error, name, text;
    std::int64_t a = 0, b = 0;
    static const std::vector<DealRecord> deals = [] {  // the writer's deals: seed 3
        std::mt19937 rng(3);
        std::vector<DealRecord> v;
        for (int i = 0; i < 9; ++i) v.push_back(test::RandomRecord(rng));
        return v;
    }();
    const auto part = [&] {
        in >> a >> b;
        return std::vector<DealRecord>(deals.begin() + a, deals.begin() + a + b);
    };
    bool ok = true;
    if (key == "create" || key == "resume") writer_ = std::make_unique<LibraryWriter>();
    if (key == "args") {  // "" stands for an empty argument
        std::vector<std::string> words;
        for (std::string w; in >> w;) words.push_back(w == "\"\"" ? "" : w);
        const std::vector<std::string_view> args(words.begin(), words.end());
        const auto c = CommandLine::Parse(args, error);
        if (!c) return "refused: " + error;
        if (c->merge || !c->statusDir.empty()) {
            out << (c->merge ? "merge out " + c->out.string() : "status " + c->statusDir.string());
            for (const auto& d : c->mergeDirs) out << ' ' << d.string();
            return out.str();
        }
        if (c->mode != CommandLine::Mode::Make)
            return c->mode == CommandLine::Mode::Help
                       ? "help"
                       : "check " + c->checkDir.string() + " sample " + std::to_string(c->sample);
        out << "make deals " << c->deals << " seed "
            << (c->seed ? std::to_string(*c->seed) : "none") << " threads " << c->threads << " out "
            << c->out.string() << (c->resume ? " resume" : "");
        if (c->shards > 0) out << " shard " << c->shard << '/' << c->shards;
    } else if (key == "dds") {
        std::string w, n, e, s;
        int strains = 0;  // the first strains (NT S H D C) worked out by hand
        in >> strains >> w >> n >> e >> s;
        std::vector<DealRecord> deal{DealRecord::FromText({w, n, e, s})};
        std::array<std::array<int, 13>, 4> owner{};
        if (!deal[0].OwnerTable(owner)) return "no deal";  // hand-typed: a deal before DDS sees it
        if (!DdsSolver().Solve(deal, error)) return "DDS failed: " + error;
        out << "digits";
        for (int i = 0; i < strains; ++i) out << ' ' << Text(deal[0]).substr(68 + 4 * i, 4);
    } else if (key == "generator") {  // the hands of the deal after K others
        std::uint64_t seed = 0;
        in >> seed >> a;
        DealGenerator walked(seed), skipped(seed);
        for (std::int64_t i = 0; i < a; ++i) walked.Next();
        skipped.Skip(a);
        const DealRecord r = walked.Next();
        out << Text(r).substr(0, 67)
            << (skipped.Next().hands == r.hands ? "" : " (Skip gives another deal)");
    } else if (key == "marker") {
        const auto m = MakingMarker::Parse(LineEnds(value));
        if (!m) return "marker refused";
        out << "marker seed " << m->seed << " deals " << m->target << " done " << m->done
            << std::hex << " bin-hash " << m->binHash << " asc-hash " << m->ascHash;
    } else if (key == "library" || key == "shards") {  // made once; no solver outlives its use:
                                                       // DDS's threads would not block the
                                                       // signals StopSignal takes
        static const auto library = MakeWithDds({{".", 12, 4, 0, 0}});
        static const auto shards = MakeWithDds({{"shard-0", 12, 7, 3, 0},
                                                {"shard-1", 12, 7, 3, 1},
                                                {"shard-2", 12, 7, 3, 2},
                                                {"other-seed-1", 13, 7, 3, 1},
                                                {"other-deals-1", 12, 8, 3, 1}});
        for (const auto& [file, bytes] : key == "library" ? library : shards) {
            fs::create_directories((dir_ / file).parent_path());
            test::WriteFile(dir_ / file, bytes);
        }
    } else if (key == "merge") {  // the shard folders into DIR/out
        std::vector<fs::path> dirs;
        for (std::string w; in >> w;) dirs.push_back(dir_ / w);
        const auto o = ShardMerger::Merge(dir_ / "out", dirs, error);
        if (o != ShardMerger::Outcome::Merged)
            return (o == ShardMerger::Outcome::Refused ? "refused: " : "failed: ") + Dir(error);
        for (const auto& [n, bytes] : test::FilesIn(dir_ / "out"))
            text += " " + n + " " + std::to_string(bytes.size());
        return "merged" + text;
    } else if (key == "status") {
        if (!ShardMerger::Status(dir_.path(), out, error)) return "refused: " + Dir(error);
        return Dir(out.str().substr(0, out.str().size() - 1));
    } else if (key == "check") {  // solve or nosolve
        CheckSummary s;
        DdsSolver solver(0);
        LibraryChecker checker(value == "solve" ? &solver : nullptr);
        if (!checker.Check(dir_.path(), value == "solve" ? 4 : 0, 1, s, error))
            out << "error " << error;
        else
            LibraryChecker::Report(s, dir_.path(), out);
        std::istringstream report(out.str());
        for (std::string line; std::getline(report, line);)  // not the Total Length table's rows
            if (!line.starts_with("  ")) text += (text.empty() ? "" : "\n") + Dir(line);
        return text;
    } else if (key == "create") {
        in >> a >> b >> name;
        ok = writer_->Create(dir_ / name, static_cast<std::uint64_t>(a), b, error);
    } else if (key == "resume") {
        if ((ok = writer_->Resume(dir_.path(), error))) {
            const auto& m = writer_->Marker();
            return "resumed seed " + std::to_string(m.seed) + " deals " + std::to_string(m.target) +
                   " done " + std::to_string(m.done);
        }
    } else if (key == "append") {
        ok = writer_->Append(part(), error);
    } else if (key == "finish") {
        ok = writer_->Finish(error);
    } else if (key == "codec") {  // the files as test::WriteLibrary writes the deals
        const std::vector<DealRecord> v = part();
        const std::string bin = test::ReadFile(dir_ / "Library.bin");
        const std::string asc = test::ReadFile(dir_ / "Library.asc");
        test::WriteLibrary(dir_ / "Library.bin", v), test::WriteLibrary(dir_ / "Library.asc", v);
        for (const auto& [n, was] : {std::pair{"Library.bin", bin}, {"Library.asc", asc}})
            text += std::string(text.empty() ? "" : "\n") + n +
                    (test::ReadFile(dir_ / n) == was ? " as the codec writes it" : " differs");
        return text;
    } else if (key == "files") {
        for (const auto& [n, bytes] : test::FilesIn(dir_.path()))
            text += " " + n + " " + std::to_string(bytes.size());
        return "files" + text;
    } else if (key == "keep" || key == "kept") {
        if (key == "kept") return test::FilesIn(dir_.path()) == kept_ ? "unchanged" : "changed";
        kept_ = test::FilesIn(dir_.path());
    } else {  // the changes to a file
        std::getline(in >> name >> std::ws, text);
        const fs::path file = dir_ / name;
        if (key == "remove") return fs::remove_all(file), "";
        std::string bytes = key == "put" || !fs::exists(file) ? "" : test::ReadFile(file), op, arg;
        std::size_t at = 0;
        std::istringstream(text) >> at >> op >> arg;
        if (key == "put" || key == "add") bytes += LineEnds(text);
        fs::create_directories(file.parent_path());
        if (key == "byte") {
            const int v = op == "char" ? arg[0] : std::stoi(arg, nullptr, 16);
            bytes.at(at) = static_cast<char>(op == "xor" ? (bytes.at(at) ^ v) : v);
        }
        if (key == "cut") bytes.resize(bytes.size() - at);
        for (const std::string once = bytes; key == "repeat" && at > 1; --at) bytes += once;
        if (key == "swap-asc-2-3")
            std::swap_ranges(bytes.begin() + kAscRecLen, bytes.begin() + 2 * kAscRecLen,
                             bytes.begin() + 2 * kAscRecLen);
        if (key == "other-asc")
            bytes =
                Text(deals[at]) + Text(deals[at + 1]) + Text(deals[at + 2]) + Text(deals[at + 3]);
        test::WriteFile(file, bytes);
    }
    return ok ? out.str() : "refused: " + Dir(error);
}

TEST_P(MakelibraryCase, GivesTheExpectedLines) {
    std::string actual;
    for (const auto& [key, value] : GetParam().lines)
        if (const std::string lines = key == "expect" ? "" : Run(key, value); !lines.empty())
            actual += lines + '\n';
    EXPECT_TRUE(test::MatchesExpected(GetParam(), actual));
}

INSTANTIATE_TEST_SUITE_P(Makelibrary, MakelibraryCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_MAKELIBRARY_DATA
                                                             "/cases.txt")),
                         test::CaseName);

}  // namespace
}  // namespace lott
