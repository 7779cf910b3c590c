#include "RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace lott {

namespace {
// Reads up to n bytes; the count read, short only at the end of the file or on an error.
std::size_t ReadUpTo(int fd, void* buf, std::size_t n, bool& failed) {
    std::size_t got = 0;
    while (got < n) {
        ssize_t r = ::read(fd, static_cast<char*>(buf) + got, n - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) failed = true;
        if (r <= 0) break;
        got += static_cast<std::size_t>(r);
    }
    return got;
}
}  // namespace

int OpenRegular(const std::filesystem::path& path, struct stat& st) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

bool ReadSmallRegular(const std::filesystem::path& path, std::size_t maxBytes, std::string& text) {
    struct stat st {};
    int fd = OpenRegular(path, st);
    if (fd < 0) return false;
    std::string buf(maxBytes + 1, '\0');
    bool failed = false;
    const std::size_t got = ReadUpTo(fd, buf.data(), buf.size(), failed);
    ::close(fd);
    if (failed || got > maxBytes) return false;
    buf.resize(got);
    text = std::move(buf);
    return true;
}

bool ReadRegularOfSize(const std::filesystem::path& path, std::int64_t size,
                       std::vector<std::uint8_t>& bytes) {
    struct stat st {};
    int fd = OpenRegular(path, st);
    if (fd < 0) return false;
    if (st.st_size != size) {
        ::close(fd);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    bool failed = false;
    const std::size_t got = ReadUpTo(fd, bytes.data(), bytes.size(), failed);
    // One byte more would mean the file grew since fstat.
    char extra;
    const bool whole = !failed && got == bytes.size() && ReadUpTo(fd, &extra, 1, failed) == 0;
    ::close(fd);
    return whole && !failed;
}

}  // namespace lott
