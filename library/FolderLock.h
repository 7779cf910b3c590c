// One scanning run per program folder: a scanning run holds an exclusive advisory lock on a lock
// file in "DataFiles" for its whole life, runs that only read (replays) hold it shared and go
// side by side. The lock goes with the process, however it ends.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace lott {

class FolderLock {
  public:
    enum class Mode { Shared, Exclusive };
    static constexpr const char* kFileName = "Trickscan.lock";

    explicit FolderLock(std::filesystem::path dataDir);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    enum class Result { Taken, GaveUp, Failed };
    // Takes the lock in the given mode (a held lock is released first). While another run holds
    // it, wait is called between tries (about every 50 ms); when it returns false, the lock is
    // not taken (GaveUp). Failed: the lock file cannot be used, with the reason in error.
    Result Acquire(Mode mode, const std::function<bool()>& wait, std::string& error);
    void Release();
    bool Held() const { return held_; }

  private:
    std::filesystem::path file_;
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace lott
