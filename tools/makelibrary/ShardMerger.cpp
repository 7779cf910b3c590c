#include "ShardMerger.h"

#include <algorithm>
#include <fstream>
#include <iomanip>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>
#include <vector>

#include "FileWriter.h"
#include "LibraryFile.h"
#include "MakingMarker.h"

namespace lott {

namespace fs = std::filesystem;

namespace {

std::string Split(const MakingMarker& m) {
    return std::to_string(m.shard) + "/" + std::to_string(m.shards);
}

// Copies the shard's file to w in pieces; false when it is not exactly what the shard's note
// says was written (the copy is then abandoned by the caller).
bool CopyChecked(const fs::path& file, std::int64_t bytes, std::uint64_t hash, FileWriter& w,
                 std::string& error) {
    std::ifstream in(file, std::ios::binary);
    std::error_code ec;
    if (!in || fs::file_size(file, ec) != static_cast<std::uintmax_t>(bytes)) return false;
    std::vector<char> piece(1 << 22);
    ContentHash h;
    for (std::int64_t left = bytes; left > 0;) {
        const auto n = static_cast<std::streamsize>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(piece.size())));
        if (!in.read(piece.data(), n)) return false;
        h.Add(piece.data(), static_cast<std::size_t>(n));
        if (!w.Write(piece.data(), static_cast<std::size_t>(n), error)) return false;
        left -= n;
    }
    return h.value() == hash;
}

}  // namespace

ShardMerger::Outcome ShardMerger::Merge(const fs::path& out, std::span<const fs::path> shards,
                                        std::string& error) {
    std::error_code ec;
    std::vector<std::pair<MakingMarker, fs::path>> slot;
    for (const fs::path& dir : shards) {
        if (auto u = MakingMarker::Read(dir / kMarkerName, kMarkerTitle)) {
            error = "shard " + Split(*u) + " in " + dir.string() + " is unfinished (" +
                    std::to_string(u->done) + " of " + std::to_string(u->Count()) +
                    " deals); continue it with makelibrary --resume --out " + dir.string();
            return Outcome::Refused;
        }
        auto m = MakingMarker::Read(dir / kShardName, kShardTitle);
        if (!m) {
            error = fs::exists(dir / kShardName, ec) || fs::exists(dir / kMarkerName, ec)
                        ? dir.string() + " holds a damaged shard note; make that shard again"
                        : dir.string() + " holds no finished shard (no " + kShardName + ")";
            return Outcome::Refused;
        }
        if (!slot.empty()) {
            const auto& [first, firstDir] = slot.front();
            const auto what = [&](const fs::path& d, const MakingMarker& x) {
                return d.string() + " has seed " + std::to_string(x.seed) + ", " +
                       std::to_string(x.target) + " deals in " + std::to_string(x.shards) +
                       " shards";
            };
            if (m->seed != first.seed || m->target != first.target || m->shards != first.shards) {
                error = "the shards are of different libraries: " + what(firstDir, first) + ", " +
                        what(dir, *m);
                return Outcome::Refused;
            }
        }
        slot.emplace_back(*m, dir);
    }
    if (slot.empty()) {
        error = "--merge needs the shard folders";
        return Outcome::Refused;
    }
    std::stable_sort(slot.begin(), slot.end(),
                     [](const auto& a, const auto& b) { return a.first.shard < b.first.shard; });
    for (std::size_t i = 0; i < slot.size(); ++i) {
        const MakingMarker& m = slot[i].first;
        if (i > 0 && slot[i - 1].first.shard == m.shard) {
            error = "shard " + Split(m) + " is given twice: " + slot[i - 1].second.string() +
                    " and " + slot[i].second.string();
            return Outcome::Refused;
        }
    }
    // Sorted, each once and all below their count: a missing number is a gap.
    for (std::int64_t i = 0, k = slot.front().first.shards; i < k; ++i) {
        if (static_cast<std::size_t>(i) >= slot.size() ||
            slot[static_cast<std::size_t>(i)].first.shard != i) {
            error = "shard " + std::to_string(i) + "/" + std::to_string(k) + " is missing";
            return Outcome::Refused;
        }
    }
    for (const char* name : {kBinLibName, kAscLibName, kMarkerName}) {
        if (fs::exists(fs::symlink_status(out / name, ec))) {
            error = (out / name).string() +
                    " already exists and makelibrary does not overwrite it; choose another --out "
                    "folder";
            return Outcome::Refused;
        }
    }
    // A folder made here goes again when the merge does not happen.
    const bool made = fs::create_directories(out, ec);
    const auto undo = [&](Outcome o) {
        if (made) fs::remove(out, ec);
        return o;
    };
    FileWriter bin(out / kBinLibName), asc(out / kAscLibName);
    if (!bin.Open(error) || !asc.Open(error)) return undo(Outcome::Failed);
    for (const auto& [m, dir] : slot) {
        for (auto [w, name, len, hash] : {std::tuple{&bin, kBinLibName, kBinRecLen, m.binHash},
                                          {&asc, kAscLibName, kAscRecLen, m.ascHash}}) {
            error.clear();
            if (!CopyChecked(dir / name, m.Count() * len, hash, *w, error)) {
                bin.Abandon(), asc.Abandon();
                if (!error.empty()) return undo(Outcome::Failed);
                error = (dir / name).string() + " of shard " + Split(m) +
                        " is not what makelibrary wrote; make that shard again";
                return undo(Outcome::Refused);
            }
        }
    }
    return bin.Finish(error) && asc.Finish(error) && bin.Commit(error) && asc.Commit(error)
               ? Outcome::Merged
               : Outcome::Failed;
}

bool ShardMerger::Status(const fs::path& dir, std::ostream& out, std::string& error) {
    std::vector<fs::path> dirs{dir};
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec))
        if (e.is_directory(ec)) dirs.push_back(e.path());
    std::sort(dirs.begin() + 1, dirs.end());
    std::int64_t count = 0, done = 0, target = 0, finished = 0, shards = 0;
    std::ostringstream rows;
    for (const fs::path& d : dirs) {
        auto m = MakingMarker::Read(d / kMarkerName, kMarkerTitle);
        const bool unfinished = m.has_value();
        if (!m) m = MakingMarker::Read(d / kShardName, kShardTitle);
        if (!m || m->shards < 1) continue;
        rows << std::left << std::setw(24) << fs::relative(d, dir, ec).string() << std::right
             << std::setw(8) << Split(*m) << std::setw(12) << m->done << std::setw(12) << m->Count()
             << "  " << (unfinished ? "making" : "finished") << "\n";
        count += m->Count(), done += m->done, target = m->target, shards = m->shards;
        finished += unfinished ? 0 : 1;
    }
    if (target == 0) {
        error = "no shards in " + dir.string();
        return false;
    }
    out << std::left << std::setw(24) << "folder" << std::right << std::setw(8) << "shard"
        << std::setw(12) << "done" << std::setw(12) << "deals"
        << "  state\n"
        << rows.str() << std::left << std::setw(24) << "all" << std::right << std::setw(8) << shards
        << std::setw(12) << done << std::setw(12) << target << "  " << finished << " of " << shards
        << " finished, " << std::fixed << std::setprecision(1)
        << 100.0 * static_cast<double>(done) / static_cast<double>(target) << " %\n";
    if (count != target) out << "deals of missing shards: " << target - count << "\n";
    return true;
}

}  // namespace lott
