// The shards of a library put together into the library one run would have made, once every
// shard is there exactly once, finished and as makelibrary wrote it; and how far shards have got.
#pragma once

#include <filesystem>
#include <ostream>
#include <span>
#include <string>

namespace lott {

class ShardMerger {
  public:
    enum class Outcome { Merged, Refused, Failed };

    // Writes Library.bin and Library.asc into out from the shard folders (any order). Refused
    // (a gap, an overlap, a mixed seed, an unfinished or changed shard, a library already in
    // out) or Failed (the disk) with a one-line reason; either way out is left as it was.
    static Outcome Merge(const std::filesystem::path& out,
                         std::span<const std::filesystem::path> shards, std::string& error);

    // A table of the shards in dir and its subfolders, with their sum. False, with the reason,
    // when there are none.
    static bool Status(const std::filesystem::path& dir, std::ostream& out, std::string& error);
};

}  // namespace lott
