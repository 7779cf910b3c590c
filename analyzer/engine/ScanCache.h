// The scan cache "DataFiles/Trickscan_36.bin": six bytes per deal holding everything the counting
// needs, so that later runs replay it instead of reading and analysing the library. Beside it,
// the note "Trickscan_36.src" identifies the library it was made from and the cache itself, each
// by size and a checksum of its contents: a cache is replayed only when both checksums hold now
// and every record is one a scan can write.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CacheRecord.h"
#include "FastChecksum.h"
#include "FileWriter.h"
#include "LibraryFile.h"

namespace lott {

inline constexpr const char* kCacheFileName = "Trickscan_36.bin";
inline constexpr const char* kCacheSourceName = "Trickscan_36.src";

class ScanCache {
  public:
    explicit ScanCache(std::filesystem::path dataDir);
    ~ScanCache();

    std::filesystem::path CachePath() const { return dir_ / kCacheFileName; }
    std::filesystem::path SourcePath() const { return dir_ / kCacheSourceName; }
    // The part file a scan writes the cache into (empty when none is being written).
    std::filesystem::path PartPath() const { return writer_ ? writer_->PartPath() : ""; }
    bool Exists() const;

    // Unchecked: the library cannot be read, so the cache cannot be compared with it and is
    // left as it is (a scan would fail on the same library).
    enum class State { Missing, Valid, Discarded, Unchecked };
    // Loads a complete cache of dealCount records made from the library as it is now; any other
    // cache is deleted (note first) so that the next run scans again, and Why() says why.
    State Load(const std::filesystem::path& library, std::int32_t dealCount,
               std::vector<std::uint8_t>& records);
    const std::string& Why() const { return why_; }
    // Deletes the note, then the cache ("Initialize the Software").
    bool Delete();
    // Deletes the note only: the cache is then never replayed.
    bool Invalidate();

    // Writing during a scan: records are appended in deal order to a part file. A scan that
    // ends whole finishes the part file, renames it over the cache and writes the note last,
    // so that a kill between any two steps leaves a cache that its note does not vouch for.
    bool BeginWrite(std::string& error);
    bool Append(const ScanCacheRec& rec, std::string& error);
    bool Finish(std::string& error);
    bool CommitCache(std::string& error);
    bool WriteNote(const LibraryIdentity& library, std::string& error);
    // Drops the part file; the cache and note stay as they were.
    void Abandon();

    // The note's text for a library and a cache of these contents.
    static std::string NoteText(const LibraryIdentity& library, const LibraryIdentity& cache);

  private:
    State Discard(std::vector<std::uint8_t>& records, std::string why);

    std::filesystem::path dir_;
    std::unique_ptr<FileWriter> writer_;
    std::unique_ptr<FastChecksum> hash_;
    std::int64_t written_ = 0;
    std::vector<std::uint8_t> pending_;
    LibraryIdentity committed_;  // the cache renamed into place by this writer
    std::string why_;
};

}  // namespace lott
