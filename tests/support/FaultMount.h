// Folders that fail as real ones do, for one test: a small file system that fills up, and a
// read-only view of a folder (permissions do not stop root, a read-only mount does). Mounting
// needs privileges; without them Mount says why, and the test skips with that reason.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace lott::test {

class FaultMount {
  public:
    // A tmpfs of the given size on the (empty) folder at.
    static std::unique_ptr<FaultMount> SmallDisk(const std::filesystem::path& at, std::size_t bytes,
                                                 std::string& why);
    // The folder at, seen read-only where it is.
    static std::unique_ptr<FaultMount> ReadOnly(const std::filesystem::path& at, std::string& why);
    ~FaultMount();
    FaultMount(const FaultMount&) = delete;
    FaultMount& operator=(const FaultMount&) = delete;

  private:
    explicit FaultMount(std::filesystem::path at) : at_(std::move(at)) {}
    std::filesystem::path at_;
};

// Writes a file in folder until its file system is full; returns the bytes written.
std::size_t FillUp(const std::filesystem::path& folder);

}  // namespace lott::test
