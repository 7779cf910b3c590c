#include "LibraryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "FastChecksum.h"
#include "RegularFile.h"

namespace lott {

namespace {
constexpr std::int32_t kBufferRecords = 4096;
constexpr std::size_t kIdentifyBlock = 1 << 20;

std::int64_t RegularFileLength(const std::filesystem::path& p) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(p, ec)) return -1;
    auto n = std::filesystem::file_size(p, ec);
    return ec ? -1 : static_cast<std::int64_t>(n);
}

std::string GroupedNumber(std::int64_t n) {
    std::string digits = std::to_string(n), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

// Hashes the file from offset at to its end through fd; total becomes at + the bytes read.
bool HashRest(int fd, std::int64_t at, FastChecksum& hash, std::int64_t& total) {
    const auto buf = std::make_unique_for_overwrite<std::uint8_t[]>(kIdentifyBlock);
    total = at;
    for (;;) {
        ssize_t n = ::pread(fd, buf.get(), kIdentifyBlock, static_cast<off_t>(total));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        hash.Update(buf.get(), static_cast<std::size_t>(n));
        total += n;
    }
}

struct Stamp {
    std::uint64_t dev = 0, ino = 0;
    std::int64_t size = -1, mtime = 0, ctime = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp StampOf(const struct stat& st) {
    return Stamp{st.st_dev, st.st_ino, st.st_size,
                 st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
                 st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec};
}
}  // namespace

struct LibraryFile::Digest {
    FastChecksum hash;
    std::int64_t at = 0;  // bytes hashed so far, all from the start of the file
    Stamp opened;
};

std::string TooManyDealsText(const std::string& fileName) {
    return fileName + " holds more than " + GroupedNumber(kMaxDeals) +
           " deals, more than the programs can count.";
}

int RecLenOfMode(LibMode libMode) {
    return libMode == LibMode::Ascii ? kAscRecLen : kBinRecLen;
}

LibraryChoice DiscoverLibrary(const std::filesystem::path& folder) {
    LibraryChoice c;
    for (LibMode mode : {LibMode::Binary, LibMode::Ascii}) {
        const char* name = mode == LibMode::Binary ? kBinLibName : kAscLibName;
        std::int64_t len = RegularFileLength(folder / name);
        // A file without one whole record is no library: the other form is looked for.
        if (len < RecLenOfMode(mode)) continue;
        c.LibMode = mode;
        c.LibFileName = name;
        c.LibRecLen = RecLenOfMode(mode);
        c.found = true;
        c.LibFileLen = len;
        const std::int64_t count = len / c.LibRecLen;
        c.tooLarge = count > kMaxDeals;
        c.DealCount = c.tooLarge ? 0 : static_cast<std::int32_t>(count);
        return c;
    }
    return c;
}

LibraryFile::LibraryFile() = default;

LibraryFile::~LibraryFile() {
    Close();
}

bool LibraryFile::Open(const std::filesystem::path& path, lott::LibMode libMode) {
    Close();
    struct stat st {};
    int fd = OpenRegular(path, st);
    if (fd < 0) {
        error_ = "cannot open " + path.filename().string() + ": " + std::strerror(errno);
        return false;
    }
    const int recLen = RecLenOfMode(libMode);
    if (st.st_size / recLen > kMaxDeals) {
        ::close(fd);
        error_ = TooManyDealsText(path.filename().string());
        return false;
    }
    error_.clear();
    fd_ = fd;
    path_ = path;
    libMode_ = libMode;
    recLen_ = recLen;
    fileLen_ = st.st_size;
    dealCount_ = static_cast<std::int32_t>(fileLen_ / recLen_);
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
    digest_.reset();
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
        if (digest_ && digest_->at == static_cast<std::int64_t>(at)) {
            digest_->hash.Update(buf_.data(), got);
            digest_->at += static_cast<std::int64_t>(got);
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
    if (libMode_ == lott::LibMode::Binary) {
        d.DecodeBinDeal(rec);
        return ReadStatus::Ok;
    }
    return d.DecodeAscDeal(reinterpret_cast<const char*>(rec)) == RecordStatus::Ok
               ? ReadStatus::Ok
               : ReadStatus::Damaged;
}

void LibraryFile::TrackContent() {
    if (fd_ < 0) return;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return;
    digest_ = std::make_unique<Digest>();
    digest_->opened = StampOf(st);
    // Records already buffered were read before the tracking began.
    bufFirst_ = bufCount_ = 0;
}

bool LibraryFile::Unchanged() const {
    struct stat now {
    }, named{};
    if (::fstat(fd_, &now) != 0 || !(StampOf(now) == digest_->opened)) return false;
    // Replaced under its name: the bytes read are still those of one file, but not of the
    // library the folder now holds.
    return ::stat(path_.c_str(), &named) == 0 && named.st_dev == now.st_dev &&
           named.st_ino == now.st_ino;
}

bool LibraryFile::TrackedIdentity(LibraryIdentity& id, std::string& why) {
    const std::string name = path_.filename().string();
    if (!digest_) {
        why = "the contents of " + name + " were not followed";
        return false;
    }
    std::int64_t total = 0;
    const bool read = HashRest(fd_, digest_->at, digest_->hash, total);
    if (!read || total != fileLen_ || !Unchanged()) {
        why = name + " changed while it was scanned; nothing of this run was stored. Start again.";
        digest_.reset();
        return false;
    }
    id.size = total;
    id.checksum = digest_->hash.Digest();
    digest_.reset();
    return true;
}

bool LibraryFile::Identify(LibraryIdentity& id) {
    if (fd_ < 0) return false;
    Digest d;
    std::int64_t total = 0;
    if (!HashRest(fd_, 0, d.hash, total)) return false;
    id.size = total;
    id.checksum = d.hash.Digest();
    return true;
}

bool LibraryFile::Identify(const std::filesystem::path& path, LibraryIdentity& id) {
    struct stat st {};
    int fd = OpenRegular(path, st);
    if (fd < 0) return false;
    Digest d;
    std::int64_t total = 0;
    const bool ok = HashRest(fd, 0, d.hash, total);
    ::close(fd);
    if (!ok) return false;
    id.size = total;
    id.checksum = d.hash.Digest();
    return true;
}

}  // namespace lott
