#include "PbnImport.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>

#include "FileWriter.h"
#include "LibraryFile.h"
#include "LibraryWriter.h"
#include "MakingMarker.h"
#include "PbnReader.h"

namespace lott {

namespace fs = std::filesystem;

namespace {

// Who holds each card, whatever seat the file wrote first: the same deal gives the same key.
std::string CardKey(const DealRecord& rec) {
    std::array<std::uint8_t, kBinRecLen> bin{};
    EncodeBinDeal(rec, bin);
    return std::string(reinterpret_cast<const char*>(bin.data()), 16);
}

std::string DigitText(const DealRecord& rec) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string t;
    for (int strain = -1; strain <= 3; ++strain) {
        if (strain > -1) t += ' ';
        for (auto d : rec.nsTricks[strain]) t += kHex[d & 15];
    }
    return t;
}

}  // namespace

void PbnImport::Add(const std::string& name, std::string_view bytes, std::ostream& report) {
    for (const PbnGame& game : PbnReader::ReadGames(bytes)) {
        const PbnGame::Tag* dealTag = game.Find("Deal");
        const std::string where = name + ":" + std::to_string(dealTag ? dealTag->line : game.line);
        Entry e;
        std::string why;
        if (!PbnReader::DealOf(game, e.rec, why)) {
            report << where << " " << why << "; game skipped\n";
            ++counts_.skipped;
            continue;
        }
        const auto table = PbnReader::TricksOf(game, e.rec.nsTricks, why);
        e.solved = table == PbnReader::Table::Given;
        if (table == PbnReader::Table::Damaged)
            report << where << " " << why << "; solving the deal instead\n";
        const auto [it, fresh] = index_.try_emplace(CardKey(e.rec), deals_.size());
        if (!fresh) {
            Entry& first = deals_[it->second];
            ++first.source.occurrences;
            ++counts_.repeated;
            if (e.solved && !first.solved) {
                first.rec.nsTricks = e.rec.nsTricks;
                first.solved = true;
            } else if (e.solved && first.rec.nsTricks.v != e.rec.nsTricks.v) {
                report << where << " double-dummy results " << DigitText(e.rec)
                       << " differ from those of the same deal at " << first.where << " ("
                       << DigitText(first.rec) << "); the first kept\n";
            }
            continue;
        }
        e.where = where;
        e.source = DealSource{name,
                              game.Value("Event"),
                              game.Value("Site"),
                              game.Value("Date"),
                              game.Value("Board"),
                              game.Value("Dealer"),
                              game.Value("Vulnerable"),
                              1};
        deals_.push_back(std::move(e));
        ++counts_.imported;
    }
}

std::int64_t PbnImport::Unsolved() const {
    return std::count_if(deals_.begin(), deals_.end(), [](const Entry& e) { return !e.solved; });
}

std::string PbnImport::Summary() const {
    return "imported " + std::to_string(counts_.imported) + " deals, " +
           std::to_string(counts_.repeated) + " repeated, " + std::to_string(counts_.skipped) +
           " skipped";
}

bool PbnImport::Verify(int k, const Solve& solve, std::string& error) const {
    std::vector<std::size_t> given;
    for (std::size_t i = 0; i < deals_.size(); ++i)
        if (deals_[i].solved) given.push_back(i);
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(k, 0)), given.size());
    std::vector<std::size_t> picked;
    std::vector<DealRecord> again;
    for (std::size_t j = 0; j < n; ++j) {
        picked.push_back(given[j * given.size() / n]);
        again.push_back(deals_[picked.back()].rec);
    }
    if (again.empty() || !solve(again, error)) return again.empty();
    for (std::size_t j = 0; j < n; ++j) {
        const Entry& e = deals_[picked[j]];
        if (again[j].nsTricks.v != e.rec.nsTricks.v) {
            error = "the double-dummy results of deal " + std::to_string(picked[j] + 1) + " (" +
                    e.where + ") are " + DigitText(e.rec) + ", DDS finds " + DigitText(again[j]);
            return false;
        }
    }
    return true;
}

PbnImport::Outcome PbnImport::Write(const fs::path& out, const Solve& solve, int batch,
                                    const StopCheck& stop, const Progress& progress,
                                    std::string& error) {
    if (deals_.empty()) {
        error = "no deal to import";
        return Outcome::Failed;
    }
    std::error_code ec;
    fs::create_directories(out, ec);
    for (const char* name : {kBinLibName, kAscLibName, kMarkerName})
        if (fs::exists(fs::symlink_status(out / name, ec))) {
            error = (out / name).string() + " already exists; choose another --out folder";
            return Outcome::Failed;
        }
    // The library is made in a folder of its own and moved into out when whole: a run killed on
    // the way leaves no marker in out that --resume would continue with random deals.
    const fs::path staging = out / (".import." + std::to_string(::getpid()));
    std::optional<LibraryWriter> writer(std::in_place);
    // Only what this run created goes when it does not finish.
    auto undo = [&](Outcome o) {
        writer.reset();
        fs::remove_all(staging, ec);
        return o;
    };
    if (!writer->Create(staging, 0, static_cast<std::int64_t>(deals_.size()), error))
        return undo(Outcome::Failed);
    std::vector<std::size_t> todo;
    for (std::size_t i = 0; i < deals_.size(); ++i)
        if (!deals_[i].solved) todo.push_back(i);
    const auto target = static_cast<std::int64_t>(todo.size());
    std::size_t written = 0, solved = 0;
    const auto step = static_cast<std::size_t>(std::max(batch, 1));
    std::vector<DealRecord> recs;
    while (true) {
        // The deals before the first one still to solve are complete: write them.
        const std::size_t upTo = solved < todo.size() ? todo[solved] : deals_.size();
        if (upTo > written) {
            recs.clear();
            for (std::size_t i = written; i < upTo; ++i) recs.push_back(deals_[i].rec);
            if (!writer->Append(recs, error)) return undo(Outcome::Failed);
            written = upTo;
        }
        if (solved == todo.size()) break;
        if (stop && stop()) return undo(Outcome::Stopped);
        const std::size_t n = std::min(step, todo.size() - solved);
        recs.clear();
        for (std::size_t j = 0; j < n; ++j) recs.push_back(deals_[todo[solved + j]].rec);
        if (!solve(recs, error)) return undo(Outcome::Failed);
        for (std::size_t j = 0; j < n; ++j) {
            deals_[todo[solved + j]].rec.nsTricks = recs[j].nsTricks;
            deals_[todo[solved + j]].solved = true;
        }
        solved += n;
        if (progress) progress(static_cast<std::int64_t>(solved), target);
    }
    std::string sources = SourceTable::Header();
    for (std::size_t i = 0; i < deals_.size(); ++i)
        sources += SourceTable::Line(static_cast<std::int64_t>(i + 1), deals_[i].source);
    if (!writer->Finish(error) ||
        !FileWriter::WriteFile(out / SourceTable::kFileName, sources, error))
        return undo(Outcome::Failed);
    // link() never replaces a library that appeared in out meanwhile.
    for (const char* name : {kBinLibName, kAscLibName})
        if (::link((staging / name).c_str(), (out / name).c_str()) != 0) {
            error = "cannot place " + (out / name).string() + ": " + std::strerror(errno);
            // Both forms or neither.
            if (std::string_view(name) == kAscLibName) fs::remove(out / kBinLibName, ec);
            return undo(Outcome::Failed);
        }
    SyncFolder(out);
    fs::remove_all(staging, ec);
    return Outcome::Finished;
}

}  // namespace lott
