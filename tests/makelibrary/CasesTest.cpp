// makelibrary's pieces case by case from data/cases.txt: arguments, DDS on deals whose results
// are worked out by hand, the seeded generator, the marker, and the checker on a DDS-made
// library damaged as each case says.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <span>
#include <sstream>

#include "CommandLine.h"
#include "DataCases.h"
#include "DealGenerator.h"
#include "LibraryChecker.h"
#include "LibraryMaker.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

std::string Hands(const DealRecord& r) {
    std::string out;
    for (int seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            out += (suit ? "." : seat ? " " : "") + r.hands[seat][suit].str();
    return out;
}

std::string Digits(const DealRecord& r) {
    std::string out;
    for (int strain = -1; strain <= 3; ++strain) {
        out += ' ';
        for (int pos = 0; pos < 4; ++pos) out += "0123456789ABCDEF"[r.nsTricks[strain][pos]];
    }
    return out;
}

// A library of four deals really solved by DDS, made once; a case damages a copy of it. No
// solver outlives its use: DDS's threads would not block the signals StopSignal takes.
struct MadeLibrary {
    std::string bin, asc;
    MadeLibrary() {
        test::TempFolder dir;
        DdsSolver solver(0);
        LibraryWriter w;
        std::string error;
        if (!w.Create(dir.path(), 12, 4, error) ||
            LibraryMaker(solver).Run(w, nullptr, nullptr, error) != LibraryMaker::Outcome::Finished)
            throw std::runtime_error(error);
        bin = test::ReadFile(dir / "Library.bin");
        asc = test::ReadFile(dir / "Library.asc");
    }
    static const MadeLibrary& Get() {
        static const MadeLibrary made;
        return made;
    }
};

// "\n" and "\r" in a value stand for line-end characters.
std::string LineEnds(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i)
        text += value.compare(i, 2, "\\n") == 0   ? (++i, '\n')
                : value.compare(i, 2, "\\r") == 0 ? (++i, '\r')
                                                  : value[i];
    return text;
}

class MakelibraryCase : public ::testing::TestWithParam<test::DataCase> {
  protected:
    std::string Run(const std::string& key, const std::string& value);
    std::string Write(const std::string& key, std::istringstream& in);
    std::string Dir(std::string text) const {  // the case's folder written as DIR
        if (const auto at = text.find(dir_.path().string()); at != std::string::npos)
            text.replace(at, dir_.path().string().size(), "DIR");
        return text;
    }
    test::TempFolder dir_;
    std::string bin_, asc_;
    std::unique_ptr<LibraryWriter> writer_;
    std::map<std::string, std::string> kept_;
};

// The writer's steps on the case's folder: create SEED DEALS [SUBFOLDER], append FROM N (deals
// of seed 3), finish, resume; and the folder's files: put NAME TEXT, add NAME TEXT, flip NAME
// OFFSET, cut NAME BYTES, remove NAME, other-asc NAME FROM (4 other deals), keep, kept, files,
// codec (the deals FROM..N-1 as the shared codec writes them).
std::string MakelibraryCase::Write(const std::string& key, std::istringstream& in) {
    std::string error, name, text;
    std::int64_t a = 0, b = 0;
    static const std::vector<DealRecord> deals = [] {
        std::mt19937 rng(3);
        std::vector<DealRecord> v;
        for (int i = 0; i < 9; ++i) v.push_back(test::RandomRecord(rng));
        return v;
    }();
    const auto part = [&] {
        return std::span<const DealRecord>(deals).subspan(static_cast<std::size_t>(a),
                                                          static_cast<std::size_t>(b));
    };
    bool ok = true;
    in >> std::ws;
    if (key == "create" || key == "resume") writer_ = std::make_unique<LibraryWriter>();
    if (key == "create") {
        in >> a >> b >> name;
        ok = writer_->Create(dir_ / name, static_cast<std::uint64_t>(a), b, error);
    } else if (key == "resume") {
        if ((ok = writer_->Resume(dir_.path(), error))) {
            const auto& m = writer_->Marker();
            return "resumed seed " + std::to_string(m.seed) + " deals " + std::to_string(m.target) +
                   " done " + std::to_string(m.done);
        }
    } else if (key == "append") {
        in >> a >> b;
        ok = writer_->Append(part(), error);
    } else if (key == "finish") {
        ok = writer_->Finish(error);
    } else if (key == "codec") {
        in >> a >> b;
        test::TempFolder ref;
        test::WriteBin(ref / "Library.bin", {part().begin(), part().end()});
        test::WriteAsc(ref / "Library.asc", {part().begin(), part().end()});
        for (const char* n : {"Library.bin", "Library.asc"})
            text += std::string(text.empty() ? "" : "\n") + n +
                    (test::ReadFile(dir_ / n) == test::ReadFile(ref / n) ? " as the codec writes it"
                                                                         : " differs");
        return text;
    } else if (key == "files" || key == "kept") {
        if (key == "kept") return test::FilesIn(dir_.path()) == kept_ ? "unchanged" : "changed";
        for (const auto& [n, bytes] : test::FilesIn(dir_.path()))
            text += " " + n + " " + std::to_string(bytes.size());
        return "files" + text;
    } else if (key == "keep") {
        kept_ = test::FilesIn(dir_.path());
    } else {
        in >> name;
        if (key == "flip" || key == "cut" || key == "other-asc") in >> a;
        std::getline(in >> std::ws, text);
        const fs::path file = dir_ / name;
        std::string bytes = fs::exists(file) ? test::ReadFile(file) : "";
        if (key == "put") bytes = LineEnds(text);
        if (key == "add") bytes += LineEnds(text);
        if (key == "flip") bytes[static_cast<std::size_t>(a)] ^= 0x10;
        if (key == "cut") bytes.resize(bytes.size() - static_cast<std::size_t>(a));
        if (key == "remove") fs::remove(file);
        if (key == "other-asc") test::WriteAsc(file, {deals.begin() + a, deals.begin() + a + 4});
        if (key != "remove" && key != "other-asc") test::WriteFile(file, bytes);
    }
    return ok ? "" : "refused: " + Dir(error);
}

std::string MakelibraryCase::Run(const std::string& key, const std::string& value) {
    std::istringstream in(value);
    std::ostringstream out;
    std::string error;
    if (key == "args") {  // "" stands for an empty argument
        std::vector<std::string> words;
        for (std::string w; in >> w;) words.push_back(w == "\"\"" ? "" : w);
        const std::vector<std::string_view> args(words.begin(), words.end());
        const auto c = CommandLine::Parse(args, error);
        if (!c) return "refused: " + error;
        if (c->mode != CommandLine::Mode::Make)
            return c->mode == CommandLine::Mode::Help
                       ? "help"
                       : "check " + c->checkDir.string() + " sample " + std::to_string(c->sample);
        out << "make deals " << c->deals << " seed "
            << (c->seed ? std::to_string(*c->seed) : "none") << " threads " << c->threads << " out "
            << c->out.string() << (c->resume ? " resume" : "");
    } else if (key == "dds") {
        std::string w, n, e, s;
        std::size_t strains = 0;  // the first strains (NT S H D C) worked out by hand
        in >> strains >> w >> n >> e >> s;
        std::vector<DealRecord> deal{DealRecord::FromText({w, n, e, s})};
        std::array<std::array<int, 13>, 4> owner{};
        if (!deal[0].OwnerTable(owner)) return "no deal";  // hand-typed: a deal before DDS sees it
        if (!DdsSolver().Solve(deal, error)) return "DDS failed: " + error;
        out << "digits" << Digits(deal[0]).substr(0, 5 * strains);
    } else if (key == "generator") {  // the hands of the deal after K others
        std::uint64_t seed = 0;
        std::int64_t k = 0;
        in >> seed >> k;
        DealGenerator walked(seed), skipped(seed);
        for (std::int64_t i = 0; i < k; ++i) walked.Next();
        skipped.Skip(k);
        const DealRecord r = walked.Next();
        out << Hands(r) << (skipped.Next().hands == r.hands ? "" : " (Skip gives another deal)");
    } else if (key == "marker") {
        const auto m = MakingMarker::Parse(LineEnds(value));
        if (!m) return "marker refused";
        out << "marker seed " << m->seed << " deals " << m->target << " done " << m->done
            << std::hex << " bin-hash " << m->binHash << " asc-hash " << m->ascHash;
    } else if (key == "library") {  // a fresh copy of the made library
        bin_ = MadeLibrary::Get().bin;
        asc_ = MadeLibrary::Get().asc;
        return "";
    } else if (key == "bin" || key == "asc") {  // DEAL OFFSET xor HEX | set HEX | char C
        int deal = 0, offset = 0;
        std::string op, arg;
        in >> deal >> offset >> op >> arg;
        std::string& file = key == "bin" ? bin_ : asc_;
        char& c = file[static_cast<std::size_t>(
            (deal - 1) * (key == "bin" ? kBinRecLen : kAscRecLen) + offset)];
        const int v = op == "char" ? arg[0] : std::stoi(arg, nullptr, 16);
        c = static_cast<char>(op == "xor" ? (c ^ v) : v);
        return "";
    } else if (key == "edit") {  // whole-file changes
        std::string what;
        in >> what;
        if (what == "swap-asc-2-3")
            std::swap_ranges(asc_.begin() + kAscRecLen, asc_.begin() + 2 * kAscRecLen,
                             asc_.begin() + 2 * kAscRecLen);
        if (what == "cut-asc") asc_.resize(asc_.size() - kAscRecLen);
        if (what == "bin-tail") bin_ += "12345";
        if (what == "empty") bin_.clear(), asc_.clear();
        return "";
    } else if (key == "check") {  // solve, nosolve, or missing NAME
        std::string how, name;
        in >> how >> name;
        test::WriteFile(dir_ / "Library.bin", bin_);
        test::WriteFile(dir_ / "Library.asc", asc_);
        if (how == "missing") fs::remove(dir_ / name);
        CheckSummary s;
        DdsSolver solver(0);
        LibraryChecker checker(how == "solve" ? &solver : nullptr);
        if (!checker.Check(dir_.path(), how == "solve" ? 4 : 0, 1, s, error)) {
            out << "error " << error;
        } else {
            LibraryChecker::Report(s, dir_.path(), out);
        }
        std::istringstream report(out.str());
        std::string text;
        for (std::string line; std::getline(report, line);) {
            if (line.starts_with("  ")) continue;  // the rows of the Total Length table
            text += (text.empty() ? "" : "\n") + Dir(line);
        }
        return text;
    } else {
        return Write(key, in);
    }
    return out.str();
}

TEST_P(MakelibraryCase, GivesTheExpectedLines) {
    std::string actual;
    for (const auto& [key, value] : GetParam().lines) {
        if (key == "expect") continue;
        const std::string lines = Run(key, value);
        if (!lines.empty()) actual += lines + '\n';
    }
    EXPECT_TRUE(test::MatchesExpected(GetParam(), actual));
}

INSTANTIATE_TEST_SUITE_P(Makelibrary, MakelibraryCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_MAKELIBRARY_DATA
                                                             "/cases.txt")),
                         test::CaseName);

}  // namespace
}  // namespace lott
