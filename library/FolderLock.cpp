#include "FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace lott {

FolderLock::FolderLock(std::filesystem::path dataDir) : file_(std::move(dataDir) / kFileName) {}

FolderLock::~FolderLock() {
    Release();
    if (fd_ >= 0) ::close(fd_);
}

FolderLock::Result FolderLock::Acquire(Mode mode, const std::function<bool()>& wait,
                                       std::string& error) {
    Release();
    if (fd_ < 0) {
        // Never through a link left at the name: the lock must be on a file of the folder.
        fd_ = ::open(file_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        // A lock can be taken through a descriptor open for reading only.
        if (fd_ < 0 && (errno == EROFS || errno == EACCES))
            fd_ = ::open(file_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        // A folder where no file can be made holds no scan of anyone's: nothing to lock.
        if (fd_ < 0 && (errno == EROFS || errno == EACCES) && !std::filesystem::exists(file_)) {
            held_ = false;
            return Result::Taken;
        }
        if (fd_ < 0) {
            error = "cannot use the lock file " + file_.string() + ": " + std::strerror(errno);
            return Result::Failed;
        }
    }
    const int op = (mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    for (;;) {
        if (::flock(fd_, op) == 0) {
            held_ = true;
            return Result::Taken;
        }
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            error = "cannot lock " + file_.string() + ": " + std::strerror(errno);
            return Result::Failed;
        }
        if (wait && !wait()) return Result::GaveUp;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void FolderLock::Release() {
    if (held_ && fd_ >= 0) ::flock(fd_, LOCK_UN);
    held_ = false;
}

}  // namespace lott
