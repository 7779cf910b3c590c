#include "LibraryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace lott {

namespace {
constexpr std::int32_t kBufferRecords = 4096;

std::int64_t RegularFileLength(const std::filesystem::path& p) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(p, ec)) return -1;
    auto n = std::filesystem::file_size(p, ec);
    return ec ? -1 : static_cast<std::int64_t>(n);
}
}  // namespace

int RecLenOfMode(int libMode) {
    return libMode == 0 ? kAscRecLen : kBinRecLen;
}

LibraryChoice DiscoverLibrary(const std::filesystem::path& folder) {
    LibraryChoice c;
    for (int mode : {1, 0}) {
        const char* name = mode == 1 ? kBinLibName : kAscLibName;
        std::int64_t len = RegularFileLength(folder / name);
        if (len >= 0) {
            c.LibMode = mode;
            c.LibFileName = name;
            c.LibRecLen = RecLenOfMode(mode);
            c.found = true;
            c.LibFileLen = len;
            c.DealCount =
                static_cast<std::int32_t>(std::min<std::int64_t>(len / c.LibRecLen, INT32_MAX));
            return c;
        }
    }
    return c;
}

LibraryFile::~LibraryFile() {
    Close();
}

bool LibraryFile::Open(const std::filesystem::path& path, int libMode) {
    Close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    libMode_ = libMode == 0 ? 0 : 1;
    recLen_ = RecLenOfMode(libMode_);
    fileLen_ = st.st_size;
    dealCount_ = static_cast<std::int32_t>(std::min<std::int64_t>(fileLen_ / recLen_, INT32_MAX));
    buf_.resize(static_cast<std::size_t>(kBufferRecords) * static_cast<std::size_t>(recLen_));
    bufFirst_ = bufCount_ = 0;
    return true;
}

void LibraryFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    fileLen_ = 0;
    dealCount_ = 0;
    bufFirst_ = bufCount_ = 0;
}

const std::uint8_t* LibraryFile::RecordBytes(std::int32_t dealNo, ReadStatus& status) {
    if (fd_ < 0 || dealNo < 1 || dealNo > dealCount_) {
        status = ReadStatus::OutOfRange;
        return nullptr;
    }
    if (dealNo < bufFirst_ || dealNo >= bufFirst_ + bufCount_) {
        // Fill the buffer from this record on; short reads (a file cut while open) keep only
        // the whole records that arrived.
        std::int32_t want = std::min(kBufferRecords, dealCount_ - dealNo + 1);
        std::size_t bytes = static_cast<std::size_t>(want) * static_cast<std::size_t>(recLen_);
        off_t at = static_cast<off_t>(dealNo - 1) * recLen_;
        std::size_t got = 0;
        while (got < bytes) {
            ssize_t n = ::pread(fd_, buf_.data() + got, bytes - got, at + static_cast<off_t>(got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        bufFirst_ = dealNo;
        bufCount_ = static_cast<std::int32_t>(got / static_cast<std::size_t>(recLen_));
        if (bufCount_ == 0) {
            status = ReadStatus::ReadError;
            return nullptr;
        }
    }
    status = ReadStatus::Ok;
    return buf_.data() +
           static_cast<std::size_t>(dealNo - bufFirst_) * static_cast<std::size_t>(recLen_);
}

ReadStatus LibraryFile::ReadDeal(std::int32_t dealNo, Deal& d) {
    ReadStatus st;
    const std::uint8_t* rec = RecordBytes(dealNo, st);
    if (!rec) {
        d.Erase();
        return st;
    }
    if (libMode_ == 1) {
        d.DecodeBinDeal(rec);
        return ReadStatus::Ok;
    }
    return d.DecodeAscDeal(reinterpret_cast<const char*>(rec)) == RecordStatus::Ok
               ? ReadStatus::Ok
               : ReadStatus::Damaged;
}

}  // namespace lott
