#include "BoardlookBatch.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

#include "Arguments.h"
#include "Cat.h"
#include "FileWriter.h"
#include "FolderArgument.h"
#include "Over20Reader.h"
#include "ProgramFiles.h"
#include "ViewerSession.h"

namespace lott {

const char* const BoardlookBatch::kUsage =
    "usage: boardlook-batch [FOLDER] (--deal N | --deals LIST | --over20 21..26|all)\n"
    "       (--html | --text | --pbn [--pbn-file NAME]) [--trumps length|score]\n"
    "       [--nt allowed|forbidden] [--library NAME]\n"
    "  LIST: deal numbers and ranges, e.g. 1,5,100-200. Trumps by Length always forbid notrump.\n"
    "  Files go to HtmlFiles/No<N>.Html, TextFiles/No<N>.Txt or PbnFiles/No<N>.pbn in FOLDER;\n"
    "  --pbn-file writes all games into NAME instead.\n";

namespace {

namespace fs = std::filesystem;

int Fail(std::ostream& err, const std::string& message) {
    err << "boardlook-batch: " << message << "\n";
    return 1;
}

std::string RangeText(std::int64_t first, std::int64_t last) {
    return first == last ? Cat("deal ", std::to_string(first))
                         : Cat("deals ", std::to_string(first), "-", std::to_string(last));
}

// All games in one PBN file, begun when the first game is written and put in place of an
// earlier file of the name only when every game is in it.
class PbnFileSink {
  public:
    explicit PbnFileSink(fs::path file) : writer_(std::move(file)) {}

    // False when the file cannot be created or written; error says why, once.
    bool Add(const DealExport::Page& page, std::string& error) {
        if (broken_) return false;
        if (!writer_.IsOpen()) {
            if (!writer_.Open(error)) return Broken();
            for (const auto& l : PbnExport::FileHeader()) Line(l);
        } else {
            Line("");  // games are separated by an empty line
        }
        for (const auto& l : PbnExport::GameLines(DealExport::PbnGame(page))) Line(l);
        if (!writer_.Write(text_, error)) return Broken();
        text_.clear();
        ++games_;
        return true;
    }
    // Puts the file in place; false (error says why) when it could not be finished.
    bool Close(std::string& error) {
        if (broken_) return false;
        if (!writer_.IsOpen()) return true;
        if (!writer_.Commit(error)) return Broken();
        return true;
    }
    bool broken() const { return broken_; }
    std::int64_t games() const { return games_; }
    const fs::path& file() const { return writer_.Target(); }

  private:
    void Line(const std::string& l) { text_.append(l).append("\r\n"); }
    bool Broken() {
        broken_ = true;
        return false;
    }
    FileWriter writer_;
    std::string text_;
    bool broken_ = false;
    std::int64_t games_ = 0;
};

struct Tally {
    std::int64_t written = 0;
    std::int64_t failed = 0;
};

// Opens the library the viewer opens at start (the binary form when both exist), or the one
// named on the command line.
bool OpenLibrary(ViewerSession& s, const std::string& named, std::string& error) {
    if (!named.empty()) {
        const auto mode = ViewerSession::ModeOfName(named);
        if (mode && s.Usable(named, *mode) && s.OpenLibrary(*mode, named)) return true;
        error = Cat("cannot open the library \"", named, "\" in ", s.Folder().string());
        return false;
    }
    for (LibMode mode : {LibMode::Binary, LibMode::Ascii}) {
        const std::string name = mode == LibMode::Binary ? s.BinLibName : s.AscLibName;
        if (!s.Usable(name, mode)) continue;
        if (s.OpenLibrary(mode, name)) return true;
        error = Cat("cannot open ", (s.Folder() / name).string());
        return false;
    }
    error = Cat("no library (", kBinLibName, " or ", kAscLibName, ") in ", s.Folder().string());
    return false;
}

// The deals listed in the folder's "Over20.txt" for the value; a missing list is reported and
// counted.
std::vector<DealSelection::Range> Over20Ranges(const fs::path& folder, int value, Tally& tally,
                                               std::ostream& err) {
    const fs::path file = folder / Over20Reader::kFileName;
    std::error_code ec;
    std::ifstream in(file, std::ios::binary);
    if (!fs::is_regular_file(file, ec) || !in) {
        Fail(err, Cat(Over20Reader::kFileName, " is missing in ", folder.string()));
        ++tally.failed;
        return {};
    }
    std::vector<DealSelection::Range> ranges;
    for (std::int32_t n : DealSelection::Over20Deals(in, value)) ranges.push_back({n, n});
    return ranges;
}

}  // namespace

std::optional<BoardlookBatch::Command> BoardlookBatch::Parse(const std::vector<std::string>& args,
                                                             std::string& error) {
    using A = Arguments;
    using Fault = A::Fault;
    Command cmd;
    int selections = 0;
    std::optional<DealExport::Kind> kind;
    std::optional<int> trumpBy, noNT;
    auto setKind = [&](DealExport::Kind k) -> Fault {
        if (kind && *kind != k) return "choose one of --html, --text and --pbn";
        kind = k;
        return {};
    };
    auto deals = [&](bool one) {
        return [&, one](std::string_view v) -> Fault {
            ++selections;
            std::string e;
            const auto list = DealSelection::ParseList(v, e);
            if (!list) return e;
            if (one && (list->size() != 1 || list->front().first != list->front().last))
                return A::BadValue();
            cmd.deals = *list;
            return {};
        };
    };
    // A switch of two named values.
    auto either = [](std::optional<int>& to, std::string_view zero, std::string_view one) {
        return [&to, zero, one](std::string_view v) -> Fault {
            if (v != zero && v != one) return A::BadValue();
            to = v == one ? 1 : 0;
            return {};
        };
    };
    std::vector<A::Option> options = {
        A::Flag("--help", A::Set(cmd.help)),
        A::Flag("-h", A::Set(cmd.help)),
        A::Flag("--html", [&](std::string_view) { return setKind(DealExport::Kind::Html); }),
        A::Flag("--text", [&](std::string_view) { return setKind(DealExport::Kind::Text); }),
        A::Flag("--pbn", [&](std::string_view) { return setKind(DealExport::Kind::Pbn); }),
        A::Value("--deal", deals(true)),
        A::Value("--deals", deals(false)),
        A::Value("--over20",
                 [&](std::string_view v) -> Fault {
                     ++selections;
                     if (v == "all")
                         cmd.over20 = 0;
                     else if (v.size() == 2 && v[0] == '2' && v[1] >= '1' && v[1] <= '6')
                         cmd.over20 = 20 + (v[1] - '0');
                     else
                         return A::BadValue();
                     return {};
                 }),
        A::Value("--pbn-file",
                 [&](std::string_view v) -> Fault {
                     if (v.empty()) return A::BadValue();
                     cmd.pbnFile = v;
                     return setKind(DealExport::Kind::Pbn);
                 }),
        A::Value("--trumps", either(trumpBy, "length", "score")),
        A::Value("--nt", either(noNT, "allowed", "forbidden")),
        A::Value("--library", [&](std::string_view v) -> Fault {
            if (!ViewerSession::ModeOfName(v))
                return "the library name \"" + std::string(v) +
                       "\" ends neither in .bin nor in .asc";
            cmd.library = v;
            return {};
        })};
    auto fault = A(std::move(options)).Positional(1, FolderArgument(cmd.folder)).Read(args);
    // The viewer's switch rule: trumps by Length always forbid notrump.
    const TrumpBy trumps = trumpBy.value_or(1) == 0 ? TrumpBy::Length : TrumpBy::Score;
    if (!fault && !cmd.help) {
        if (selections != 1)
            fault = "choose the deals once: --deal, --deals or --over20";
        else if (!kind)
            fault = "choose the export: --html, --text or --pbn";
        else if (trumps == TrumpBy::Length && noNT == 0)
            fault = "--nt allowed cannot go with --trumps length (trumps by Length forbid notrump)";
    }
    if (fault) {
        error = *fault;
        return std::nullopt;
    }
    if (cmd.help) return cmd;
    cmd.kind = *kind;
    cmd.TrumpBy = trumps;
    cmd.NoNT = trumps == TrumpBy::Length || noNT.value_or(0) == 1 ? NoNT::Forbidden : NoNT::Allowed;
    return cmd;
}

int BoardlookBatch::Run(const Command& cmd, const fs::path& exeFolder, std::ostream& out,
                        std::ostream& err) {
    const fs::path folder = cmd.folder.empty() ? exeFolder : fs::path(cmd.folder);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return Fail(err, "no program folder " + folder.string());
    const fs::path resolved = ResolvedFolder(folder);
    if (ChkZip(resolved.string(), ArchiveRule::ZipOnly))
        return Fail(err, Cat("the program folder ", resolved.string(),
                             " lies in an unpacked archive (its path holds \"zip\"); move the "
                             "programs out of it"));
    if (!cmd.pbnFile.empty())
        if (const auto input = OutputIsAnInput(folder, cmd.pbnFile, cmd.library)) {
            Fail(err, Cat("--pbn-file names ", *input,
                          ", which the programs read; choose another file"));
            return 2;
        }

    ViewerSession s(folder);
    std::string error;
    if (!OpenLibrary(s, cmd.library, error)) return Fail(err, error);
    s.TrumpBy = cmd.TrumpBy;
    s.NoNT = cmd.TrumpBy == TrumpBy::Length ? NoNT::Forbidden : cmd.NoNT;
    const std::string lib = s.LibraryFileName();
    const std::int64_t count = s.DealCount();

    Tally tally;
    std::vector<DealSelection::Range> ranges =
        cmd.over20 ? Over20Ranges(folder, *cmd.over20, tally, err) : cmd.deals;
    std::optional<PbnFileSink> sink;
    if (!cmd.pbnFile.empty()) sink.emplace(cmd.pbnFile);

    for (const auto& r : ranges) {
        // The parts of a range outside the library are reported once each.
        if (r.first < 1) {
            const std::int64_t last = std::min<std::int64_t>(r.last, 0);
            Fail(err, Cat(RangeText(r.first, last), " not in ", lib, " (1..", std::to_string(count),
                          ")"));
            tally.failed += last - r.first + 1;
        }
        if (r.last > count) {
            const std::int64_t first = std::max<std::int64_t>(r.first, count + 1);
            Fail(err, Cat(RangeText(first, r.last), " not in ", lib, " (1..", std::to_string(count),
                          ")"));
            tally.failed += r.last - first + 1;
        }
        const std::int64_t from = std::max<std::int64_t>(r.first, 1);
        const std::int64_t to = std::min<std::int64_t>(r.last, count);
        for (std::int64_t n = from; n <= to; ++n) {
            const auto dealNo = static_cast<std::int32_t>(n);
            const ReadStatus st = s.Show(dealNo);
            if (st != ReadStatus::Ok) {
                Fail(err, Cat("deal ", std::to_string(n), " of ", lib,
                              st == ReadStatus::Damaged ? " is damaged" : " cannot be read"));
                ++tally.failed;
                continue;
            }
            if (sink) {
                const bool wasBroken = sink->broken();
                if (sink->Add(s.ExportPage(), error)) continue;
                // Said once: every later game of the file fails the same way.
                if (!wasBroken) Fail(err, error);
                ++tally.failed;
                continue;
            }
            const DealExport::Result written = s.Export(cmd.kind);
            if (written.ok) {
                out << "wrote " << written.file.string() << "\n";
                ++tally.written;
            } else {
                Fail(err, Cat("deal ", std::to_string(n), ": ", written.error));
                ++tally.failed;
            }
        }
    }

    if (sink) {
        const bool wasBroken = sink->broken();
        const bool closed = sink->Close(error);
        if (!closed && !wasBroken) Fail(err, error);
        if (closed && sink->games() > 0) {
            out << "wrote " << sink->file().string() << "\n";
            tally.written = sink->games();
        } else {
            tally.failed += sink->games();  // a file that could not be finished holds none
        }
        out << tally.written << (tally.written == 1 ? " deal" : " deals") << " written to "
            << sink->file().string() << ", " << tally.failed << " failed\n";
    } else {
        out << tally.written << (tally.written == 1 ? " file" : " files") << " written, "
            << tally.failed << " failed\n";
    }
    return tally.failed == 0 ? 0 : 1;
}

}  // namespace lott
