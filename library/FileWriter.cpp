#include "FileWriter.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace lott {

namespace {
constexpr std::size_t kBufferBytes = 1 << 17;
// Each writer of a process takes the next number, so two writers of one process never meet at
// a name; the process number keeps processes apart.
std::atomic<unsigned> partCounter{0};

std::string Reason() {
    return std::strerror(errno);
}
}  // namespace

FileWriter::FileWriter(std::filesystem::path target) : target_(std::move(target)) {}

FileWriter::~FileWriter() {
    Abandon();
}

bool FileWriter::Fail(std::string& error, const std::string& what) {
    if (failure_.empty()) failure_ = what;
    error = failure_;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    finished_ = false;
    if (!part_.empty()) ::unlink(part_.c_str());
    part_.clear();
    return false;
}

std::filesystem::path FileWriter::PartName(const std::filesystem::path& target, unsigned n) {
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%ld.%u.part", static_cast<long>(::getpid()), n);
    return target.string() + suffix;
}

bool FileWriter::Open(std::string& error) {
    Abandon();
    failure_.clear();
    const std::string base = target_.string();
    // A name that exists (another writer's part file, a link someone left) is never opened:
    // the next number is tried instead.
    for (int attempt = 0; attempt < 64; ++attempt) {
        std::filesystem::path part = PartName(target_, partCounter.fetch_add(1));
        int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            fd_ = fd;
            part_ = std::move(part);
            pending_.clear();
            pending_.reserve(kBufferBytes);
            written_ = 0;
            return true;
        }
        // The message names the file the user asked for; the part file is ours.
        if (errno != EEXIST) return Fail(error, "cannot write " + base + ": " + Reason());
    }
    return Fail(error, "cannot write " + base + ": no free name for a part file beside it");
}

bool FileWriter::Flush(std::string& error) {
    const char* p = pending_.data();
    std::size_t n = pending_.size();
    while (n > 0) {
        ssize_t w = ::write(fd_, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return Fail(error, "cannot write " + target_.string() + ": " + Reason());
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    // The disk starts on what is written while the writer goes on, so that the fsync at the end
    // waits for the last stretch only.
    const auto at = static_cast<off64_t>(written_);
    written_ += pending_.size();
    ::sync_file_range(fd_, at, static_cast<off64_t>(pending_.size()), SYNC_FILE_RANGE_WRITE);
    pending_.clear();
    return true;
}

bool FileWriter::Write(std::string_view bytes, std::string& error) {
    if (fd_ < 0) {
        error = failure_.empty() ? "cannot write " + target_.string() + ": not open" : failure_;
        return false;
    }
    if (pending_.size() + bytes.size() > kBufferBytes && !Flush(error)) return false;
    if (bytes.size() >= kBufferBytes) {
        pending_.assign(bytes.begin(), bytes.end());
        return Flush(error);
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    return true;
}

bool FileWriter::Finish(std::string& error) {
    if (finished_) return true;
    if (fd_ < 0) return Write(std::string_view(), error);
    if (!Flush(error)) return false;
    if (::fsync(fd_) != 0) return Fail(error, "cannot write " + target_.string() + ": " + Reason());
    if (::close(fd_) != 0) {
        fd_ = -1;
        return Fail(error, "cannot write " + target_.string() + ": " + Reason());
    }
    fd_ = -1;
    finished_ = true;
    return true;
}

bool FileWriter::Commit(std::string& error) {
    if (!Finish(error)) return false;
    if (::rename(part_.c_str(), target_.c_str()) != 0)
        return Fail(error, "cannot replace " + target_.string() + ": " + Reason());
    part_.clear();
    finished_ = false;
    SyncFolder(target_.parent_path());
    return true;
}

void FileWriter::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    finished_ = false;
    if (!part_.empty()) ::unlink(part_.c_str());
    part_.clear();
    pending_.clear();
}

bool FileWriter::WriteFile(const std::filesystem::path& target, std::string_view bytes,
                           std::string& error) {
    FileWriter w(target);
    return w.Open(error) && w.Write(bytes, error) && w.Commit(error);
}

namespace {
// The target and the process number of a part file's name "<target>.<pid>.<n>.part"; pid 0
// when the name is not one.
std::pair<std::string, long> PartOwner(const std::string& name) {
    constexpr std::string_view kEnd = ".part";
    if (name.size() <= kEnd.size() ||
        name.compare(name.size() - kEnd.size(), kEnd.size(), kEnd) != 0)
        return {{}, 0};
    std::size_t end = name.size() - kEnd.size();
    long numbers[2] = {0, 0};
    for (long& n : numbers) {
        std::size_t start = end;
        while (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9') --start;
        if (start == end || start == 0 || name[start - 1] != '.' || end - start > 9) return {{}, 0};
        n = std::stol(name.substr(start, end - start));
        end = start - 1;
    }
    return {name.substr(0, end), numbers[1]};
}
}  // namespace

void RemoveStaleParts(const std::filesystem::path& folder,
                      const std::function<bool(const std::string& target)>& ours) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const auto [target, pid] = PartOwner(it->path().filename().string());
        if (pid <= 0 || pid == ::getpid() || !ours(target)) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        std::error_code typeEc;
        if (it->is_regular_file(typeEc) || it->is_symlink(typeEc)) ::unlink(it->path().c_str());
    }
}

void SyncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace lott
