// The scan cache "DataFiles/Trickscan_36.bin": six bytes per deal holding everything the counting
// needs, so that later runs replay it instead of reading and analysing the library. Beside it,
// "Trickscan_36.src" names the library it was made from (size and checksum): a cache is replayed
// only when it covers every deal of that same library and every record is one a scan can write.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lott {

using ScanCacheRec = std::array<std::uint8_t, 6>;

inline constexpr const char* kCacheFileName = "Trickscan_36.bin";
inline constexpr const char* kCacheSourceName = "Trickscan_36.src";

struct LibraryIdentity {
    std::int64_t size = -1;
    std::uint64_t checksum = 0;
    bool operator==(const LibraryIdentity&) const = default;
};

// Size and checksum of a file's whole contents; size -1 when it cannot be read.
LibraryIdentity IdentifyLibrary(const std::filesystem::path& library);

// Whether a record could have been written by a scan.
bool PlausibleCacheRecord(const std::uint8_t* rec);

class ScanCache {
  public:
    explicit ScanCache(std::filesystem::path dataDir) : dir_(std::move(dataDir)) {}

    std::filesystem::path CachePath() const { return dir_ / kCacheFileName; }
    std::filesystem::path SourcePath() const { return dir_ / kCacheSourceName; }
    // Where a scan writes the cache until it ends.
    std::filesystem::path PartPath() const {
        return dir_ / (std::string(kCacheFileName) + ".part");
    }
    bool Exists() const;

    // Unchecked: the library cannot be read, so the cache cannot be compared with it and is
    // left as it is (a scan would fail on the same library).
    enum class State { Missing, Valid, Discarded, Unchecked };
    // Loads a complete cache of dealCount records made from library; any other cache is
    // deleted (with its source note) so that the next run scans again.
    State Load(const std::filesystem::path& library, std::int32_t dealCount,
               std::vector<std::uint8_t>& records);
    // Deletes the cache and its note ("Initialize the Software").
    bool Delete();

    // Writing during a scan: records are appended in deal order to the part file, which takes
    // the cache's name when the scan ends (a stopped scan leaves its short cache, which the next
    // load discards). A write that fails drops the part file and touches no other file.
    bool BeginWrite(std::string& error);
    bool Append(const ScanCacheRec& rec, std::string& error);
    // Flushes what was written; with complete, notes the library it was made from.
    bool EndWrite(bool complete, const std::filesystem::path& library, std::string& error);

  private:
    bool Flush(std::string& error);
    std::filesystem::path dir_;
    int fd_ = -1;
    std::vector<std::uint8_t> pending_;
};

}  // namespace lott
