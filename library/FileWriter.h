// The one way the programs write a file: a part file beside the target, under a name no other
// writer uses and created new (never through a link left at that name), written, flushed to the
// disk and renamed over the target. The earlier file stays whole until the rename; a writer that
// fails or is dropped before Commit removes its part file and leaves the target as it was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lott {

class FileWriter {
  public:
    explicit FileWriter(std::filesystem::path target);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Creates the part file. False, with the reason, when it cannot be made.
    bool Open(std::string& error);
    // Appends bytes (buffered). After a failure every later call fails with the first reason.
    bool Write(std::string_view bytes, std::string& error);
    bool Write(const void* data, std::size_t n, std::string& error) {
        return Write(std::string_view(static_cast<const char*>(data), n), error);
    }
    // Writes what is buffered and makes the part file durable, without renaming it: a caller
    // that commits several files together finishes all of them before the first rename.
    bool Finish(std::string& error);
    // Finish, then rename the part file over the target.
    bool Commit(std::string& error);
    // Removes the part file; the target stays as it was.
    void Abandon();

    bool IsOpen() const { return fd_ >= 0 || finished_; }
    const std::filesystem::path& Target() const { return target_; }
    const std::filesystem::path& PartPath() const { return part_; }

    // The part name "<target>.<pid>.<n>.part" of this process's n-th part file beside target;
    // RemoveStaleParts knows part files of ended processes by it.
    static std::filesystem::path PartName(const std::filesystem::path& target, unsigned n);
    // Open, Write and Commit in one call.
    static bool WriteFile(const std::filesystem::path& target, std::string_view bytes,
                          std::string& error);

  private:
    bool Fail(std::string& error, const std::string& what);
    bool Flush(std::string& error);

    std::filesystem::path target_;
    std::filesystem::path part_;
    int fd_ = -1;
    bool finished_ = false;
    std::string failure_;
    std::vector<char> pending_;
    std::size_t written_ = 0;
};

// Removes the part files in folder that writers of processes no longer running left behind
// (killed between creating and renaming them), for targets whose name ours accepts: a file of
// the user's that merely looks like a part file is never touched. Part files of running
// processes stay.
void RemoveStaleParts(const std::filesystem::path& folder,
                      const std::function<bool(const std::string& target)>& ours);

// Makes the folder's entries (renames, new and removed names) durable.
void SyncFolder(const std::filesystem::path& folder);

// Whether two paths name the same file (device and inode); false when either does not exist.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace lott
