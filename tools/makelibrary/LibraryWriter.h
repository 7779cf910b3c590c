// Writes Library.bin and Library.asc side by side, deal for deal, with the Library.making
// checkpoint that lets an interrupted run be continued and keeps other people's files safe.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "DealCodec.h"
#include "MakingMarker.h"

namespace lott {

class LibraryWriter {
  public:
    LibraryWriter() = default;
    ~LibraryWriter();
    LibraryWriter(const LibraryWriter&) = delete;
    LibraryWriter& operator=(const LibraryWriter&) = delete;

    // Starts a new library in dir (created when missing). Refuses when dir already holds
    // Library.bin, Library.asc or Library.making: those files are never overwritten. With
    // shards > 0 the files are shard `shard` of that many of the target's library.
    bool Create(const std::filesystem::path& dir, std::uint64_t seed, std::int64_t target,
                std::string& error, std::int64_t shards = 0, std::int64_t shard = 0);
    // Continues the unfinished library in dir: checks that both files still hold what the
    // last checkpoint recorded, and past it no more than the batch that was being written, and
    // cuts both back to it.
    bool Resume(const std::filesystem::path& dir, std::string& error);

    // Appends the deals to both files and records a checkpoint once both are on disk.
    bool Append(std::span<const DealRecord> deals, std::string& error);
    // Closes the files of a complete library and removes the marker; a shard keeps it as its
    // Library.shard note.
    bool Finish(std::string& error);

    // The marker of the unfinished library in dir, or nothing with the reason.
    static std::optional<MakingMarker> ReadMarker(const std::filesystem::path& dir,
                                                  std::string& error);

    const MakingMarker& Marker() const { return marker_; }
    const std::filesystem::path& Folder() const { return dir_; }

  private:
    bool WriteMarker(std::string& error);
    void CloseFiles();

    std::filesystem::path dir_;
    MakingMarker marker_;
    int binFd_ = -1;
    int ascFd_ = -1;
};

}  // namespace lott
