#include "ScanCache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <future>

#include "RegularFile.h"

namespace lott {

namespace {
constexpr std::size_t kFlushBytes = 6 * 16384;
// A note is three short lines; anything longer is not one of ours and is never read whole.
constexpr std::size_t kMaxNoteBytes = 256;
constexpr const char* kNoteFirstLine = "Trickscan_36 scan cache";

struct Note {
    LibraryIdentity library, cache;
};

bool ParseNote(const std::string& text, Note& n) {
    long long libSize = -1, cacheSize = -1;
    std::uint64_t libSum = 0, cacheSum = 0;
    int used = -1;
    const std::string format = std::string(kNoteFirstLine) + "\r\nlibrary %lld %16" SCNx64
                                                             "\r\ncache %lld %16" SCNx64 "\r\n%n";
    if (std::sscanf(text.c_str(), format.c_str(), &libSize, &libSum, &cacheSize, &cacheSum,
                    &used) != 4 ||
        used != static_cast<int>(text.size()) || libSize < 0 || cacheSize < 0)
        return false;
    n.library = {libSize, libSum};
    n.cache = {cacheSize, cacheSum};
    // The note's own rendering must give the text back: nothing else is a note of ours.
    return ScanCache::NoteText(n.library, n.cache) == text;
}

bool Exists(const std::filesystem::path& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0;
}

bool RemoveIfThere(const std::filesystem::path& p) {
    return ::unlink(p.c_str()) == 0 || errno == ENOENT;
}
}  // namespace

ScanCache::ScanCache(std::filesystem::path dataDir) : dir_(std::move(dataDir)) {}
ScanCache::~ScanCache() = default;

std::string ScanCache::NoteText(const LibraryIdentity& library, const LibraryIdentity& cache) {
    char text[kMaxNoteBytes];
    std::snprintf(text, sizeof text,
                  "%s\r\nlibrary %lld %016" PRIx64 "\r\ncache %lld %016" PRIx64 "\r\n",
                  kNoteFirstLine, static_cast<long long>(library.size), library.checksum,
                  static_cast<long long>(cache.size), cache.checksum);
    return text;
}

bool ScanCache::Exists() const {
    return lott::Exists(CachePath());
}

ScanCache::State ScanCache::Discard(std::vector<std::uint8_t>& records, std::string why) {
    records.clear();
    why_ = std::move(why);
    Delete();
    return State::Discarded;
}

ScanCache::State ScanCache::Load(const std::filesystem::path& library, std::int32_t dealCount,
                                 std::vector<std::uint8_t>& records) {
    records.clear();
    why_.clear();
    if (!Exists()) {
        RemoveIfThere(SourcePath());
        return State::Missing;
    }
    std::string text;
    Note note;
    if (!ReadSmallRegular(SourcePath(), kMaxNoteBytes, text) || !ParseNote(text, note))
        return Discard(records, "the scan cache has no valid note");
    // The library's checksum (most of the time a replay spends here) is taken on a second
    // thread while this one reads and checks the cache; the verdicts are weighed as before.
    LibraryIdentity now;
    auto libraryRead = std::async(std::launch::async | std::launch::deferred,
                                  [&library, &now] { return LibraryFile::Identify(library, now); });
    const std::int64_t expected = static_cast<std::int64_t>(dealCount) * 6;
    bool whole = dealCount > 0 && note.cache.size == expected &&
                 ReadRegularOfSize(CachePath(), expected, records) &&
                 FastChecksum::Of(records.data(), records.size()) == note.cache.checksum;
    for (std::size_t i = 0; whole && i < records.size(); i += 6)
        whole = CacheRecord::Plausible(records.data() + i);
    // A library that cannot be read says nothing about the cache: keep it for later.
    if (!libraryRead.get()) {
        records.clear();
        return State::Unchecked;
    }
    if (!(now == note.library))
        return Discard(records, "the scan cache was made from another library than " +
                                    library.filename().string());
    if (!whole) return Discard(records, "the scan cache is damaged");
    return State::Valid;
}

bool ScanCache::Delete() {
    const bool note = RemoveIfThere(SourcePath());
    return RemoveIfThere(CachePath()) && note;
}

bool ScanCache::Invalidate() {
    const bool ok = RemoveIfThere(SourcePath());
    SyncFolder(dir_);
    return ok;
}

bool ScanCache::BeginWrite(std::string& error) {
    writer_ = std::make_unique<FileWriter>(CachePath());
    hash_ = std::make_unique<FastChecksum>();
    written_ = 0;
    pending_.clear();
    pending_.reserve(kFlushBytes);
    if (!writer_->Open(error)) {
        error = "Cannot write the scan cache: " + error;
        writer_.reset();
        return false;
    }
    return true;
}

bool ScanCache::Append(const ScanCacheRec& rec, std::string& error) {
    pending_.insert(pending_.end(), rec.begin(), rec.end());
    if (pending_.size() < kFlushBytes) return true;
    hash_->Update(pending_.data(), pending_.size());
    written_ += static_cast<std::int64_t>(pending_.size());
    const bool ok = writer_ && writer_->Write(pending_.data(), pending_.size(), error);
    pending_.clear();
    if (!ok) error = "Cannot write the scan cache: " + error;
    return ok;
}

bool ScanCache::Finish(std::string& error) {
    if (!writer_) {
        error = "Cannot write the scan cache: it was not begun";
        return false;
    }
    hash_->Update(pending_.data(), pending_.size());
    written_ += static_cast<std::int64_t>(pending_.size());
    const bool ok =
        writer_->Write(pending_.data(), pending_.size(), error) && writer_->Finish(error);
    pending_.clear();
    if (!ok) error = "Cannot write the scan cache: " + error;
    return ok;
}

bool ScanCache::CommitCache(std::string& error) {
    if (!writer_ || !writer_->Commit(error)) {
        error = "Cannot write the scan cache: " + error;
        return false;
    }
    committed_ = {written_, hash_->Digest()};
    writer_.reset();
    return true;
}

bool ScanCache::WriteNote(const LibraryIdentity& library, std::string& error) {
    if (!FileWriter::WriteFile(SourcePath(), NoteText(library, committed_), error)) {
        error = "Cannot write the note of the scan cache: " + error;
        return false;
    }
    return true;
}

void ScanCache::Abandon() {
    writer_.reset();
    pending_.clear();
}

}  // namespace lott
