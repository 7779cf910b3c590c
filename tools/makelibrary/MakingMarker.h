// "Library.making": the note makelibrary keeps beside a library it is still writing, so that a
// later run can tell its own unfinished work from someone else's files and continue it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lott {

inline constexpr const char* kMarkerName = "Library.making";

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
    std::int64_t target = 0;  // deals asked for
    std::int64_t done = 0;    // whole records in both files at the last checkpoint
    std::uint64_t binHash = ContentHash().value();  // of those records
    std::uint64_t ascHash = ContentHash().value();

    std::string Text() const;
    // Nothing when the text is not a marker of this format.
    static std::optional<MakingMarker> Parse(std::string_view text);
    bool operator==(const MakingMarker&) const = default;
};

}  // namespace lott
