// "Library.making": the note makelibrary keeps beside a library it is still writing, so that a
// later run can tell its own unfinished work from someone else's files and continue it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lott {

inline constexpr const char* kMarkerName = "Library.making";
// A finished shard's note: the marker's lines, kept for the merge to check the shard against.
inline constexpr const char* kShardName = "Library.shard";
inline constexpr std::string_view kMarkerTitle = "makelibrary unfinished library";
inline constexpr std::string_view kShardTitle = "makelibrary finished shard";

// 64-bit FNV-1a, enough to notice that a file is no longer what we wrote.
class ContentHash {
  public:
    ContentHash() = default;
    // Continues a hash whose value so far is `sofar`.
    explicit ContentHash(std::uint64_t sofar) : h_(sofar) {}
    void Add(const void* data, std::size_t size);
    std::uint64_t value() const { return h_; }

  private:
    std::uint64_t h_ = 14695981039346656037ull;
};

struct MakingMarker {
    std::uint64_t seed = 0;
    std::int64_t target = 0;  // deals asked for (of the whole library, for a shard)
    std::int64_t done = 0;    // whole records in both files at the last checkpoint
    // Records being written after the checkpoint: past it the files may hold no more than these
    // (a foreign library copied over a checkpoint of no deals is not taken for ours).
    std::int64_t pending = 0;
    // A shard (shards > 0) holds deals First() .. First() + Count() - 1 of the library.
    std::int64_t shards = 0;
    std::int64_t shard = 0;
    std::uint64_t binHash = ContentHash().value();  // of those records
    std::uint64_t ascHash = ContentHash().value();

    std::int64_t First() const { return shards > 0 ? shard * target / shards + 1 : 1; }
    std::int64_t Count() const {
        return shards > 0 ? (shard + 1) * target / shards - First() + 1 : target;
    }

    std::string Text(std::string_view title = kMarkerTitle) const;
    // Nothing when the text is not a marker of this format (under that first line).
    static std::optional<MakingMarker> Parse(std::string_view text,
                                             std::string_view title = kMarkerTitle);
    // The marker in file; nothing when it is missing, too big to be one or not one. A shard's
    // note (kShardTitle) must also be that of a whole shard.
    static std::optional<MakingMarker> Read(const std::filesystem::path& file,
                                            std::string_view title = kMarkerTitle);
    bool SameShard(const MakingMarker& o) const {
        return seed == o.seed && target == o.target && shards == o.shards && shard == o.shard;
    }
    bool operator==(const MakingMarker&) const = default;
};

}  // namespace lott
