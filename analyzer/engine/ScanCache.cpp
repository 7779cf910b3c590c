#include "ScanCache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace lott {

namespace {
constexpr std::size_t kFlushBytes = 6 * 16384;

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v * 0x9E3779B97F4A7C15ull;
    h = (h << 31) | (h >> 33);
    return h * 0xC2B2AE3D27D4EB4Full;
}

bool WriteAll(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// The library file as the file system sees it: while these stay the same, its contents have
// not been written or replaced, and its checksum need not be taken again.
struct FileStamp {
    std::uint64_t dev = 0, ino = 0;
    std::int64_t size = -1, mtime = 0, ctime = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::filesystem::path& p) {
    FileStamp f;
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return f;
    f.dev = st.st_dev;
    f.ino = st.st_ino;
    f.size = st.st_size;
    f.mtime = st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    f.ctime = st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    return f;
}

struct SourceNote {
    LibraryIdentity id;
    FileStamp stamp;
};

std::string NoteText(const SourceNote& n) {
    std::ostringstream s;
    s << "size " << n.id.size << "\r\nchecksum " << std::hex << n.id.checksum << std::dec
      << "\r\nstamp " << n.stamp.dev << ' ' << n.stamp.ino << ' ' << n.stamp.size << ' '
      << n.stamp.mtime << ' ' << n.stamp.ctime << "\r\n";
    return s.str();
}

bool ParseNote(const std::string& text, SourceNote& n) {
    std::istringstream s(text);
    std::string w1, w2, w3;
    s >> w1 >> n.id.size >> w2 >> std::hex >> n.id.checksum >> std::dec >> w3 >> n.stamp.dev >>
        n.stamp.ino >> n.stamp.size >> n.stamp.mtime >> n.stamp.ctime;
    return s && w1 == "size" && w2 == "checksum" && w3 == "stamp";
}

// Which code bytes a scan writes: a notrump shape 1..3 with the top bit, or three event counts
// of 0..2.
constexpr std::array<bool, 256> MakeCodeTable() {
    std::array<bool, 256> ok{};
    for (unsigned c = 0; c < 256; ++c) {
        if (c & 0x80u)
            ok[c] = (c & 0x7Cu) == 0 && (c & 3u) != 0;
        else
            ok[c] = ((c >> 4) & 7u) <= 2 && ((c >> 2) & 3u) <= 2 && (c & 3u) <= 2;
    }
    return ok;
}
constexpr std::array<bool, 256> kCodeOk = MakeCodeTable();
}  // namespace

LibraryIdentity IdentifyLibrary(const std::filesystem::path& library) {
    LibraryIdentity id;
    int fd = ::open(library.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return id;
    // Four independent lanes over 8-byte words keep this near memory speed.
    std::uint64_t lane[4] = {1, 2, 3, 4};
    // Not zeroed: only what read() fills is looked at.
    constexpr std::size_t kBlock = 1 << 20;
    const auto buf = std::make_unique_for_overwrite<std::uint8_t[]>(kBlock);
    std::int64_t total = 0;
    std::size_t have = 0;
    for (;;) {
        ssize_t n = ::read(fd, buf.get() + have, kBlock - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return LibraryIdentity{};
        }
        have += static_cast<std::size_t>(n);
        total += n;
        std::size_t words = have / 32 * 4;
        for (std::size_t i = 0; i < words; i += 4)
            for (int k = 0; k < 4; ++k) {
                std::uint64_t v;
                std::memcpy(&v, buf.get() + 8 * (i + static_cast<std::size_t>(k)), 8);
                lane[k] = Mix(lane[k], v);
            }
        std::size_t used = words * 8;
        std::memmove(buf.get(), buf.get() + used, have - used);
        have -= used;
        if (n == 0) break;
    }
    ::close(fd);
    std::uint64_t h = static_cast<std::uint64_t>(total);
    for (std::size_t i = 0; i < have; ++i) h = Mix(h, buf[i]);
    for (auto l : lane) h = Mix(h, l);
    id.size = total;
    id.checksum = h;
    return id;
}

bool PlausibleCacheRecord(const std::uint8_t* rec) {
    // HCP bands: only bits 0 and 1, and 17..23 lies inside 15..25.
    return rec[0] <= 3 && rec[0] != 2 && kCodeOk[rec[3]] && kCodeOk[rec[5]];
}

bool ScanCache::Exists() const {
    std::error_code ec;
    return std::filesystem::exists(CachePath(), ec);
}

ScanCache::State ScanCache::Load(const std::filesystem::path& library, std::int32_t dealCount,
                                 std::vector<std::uint8_t>& records) {
    records.clear();
    std::error_code ec;
    if (!std::filesystem::exists(CachePath(), ec)) {
        std::filesystem::remove(SourcePath(), ec);
        return State::Missing;
    }
    auto discard = [&] {
        records.clear();
        Delete();
        return State::Discarded;
    };
    auto size = std::filesystem::file_size(CachePath(), ec);
    if (ec || dealCount <= 0 || size != static_cast<std::uintmax_t>(dealCount) * 6)
        return discard();
    std::ifstream note(SourcePath(), std::ios::binary);
    std::stringstream noteText;
    noteText << note.rdbuf();
    SourceNote n;
    if (!note || !ParseNote(noteText.str(), n)) return discard();
    // The checksum is taken again only when the file system says the library may have changed.
    if (!(StampOf(library) == n.stamp && n.stamp.size == n.id.size)) {
        const LibraryIdentity now = IdentifyLibrary(library);
        // A library that cannot be read says nothing about the cache: keep it for later.
        if (now.size < 0) return State::Unchecked;
        if (!(now == n.id)) return discard();
    }

    records.resize(size);
    std::ifstream in(CachePath(), std::ios::binary);
    in.read(reinterpret_cast<char*>(records.data()), static_cast<std::streamsize>(size));
    if (!in) return discard();
    for (std::size_t i = 0; i < records.size(); i += 6)
        if (!PlausibleCacheRecord(records.data() + i)) return discard();
    return State::Valid;
}

bool ScanCache::Delete() {
    std::error_code ec1, ec2;
    std::filesystem::remove(CachePath(), ec1);
    std::filesystem::remove(SourcePath(), ec2);
    return !ec1 && !ec2;
}

bool ScanCache::BeginWrite(std::string& error) {
    fd_ = ::open(PartPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error = "Cannot write the scan cache " + PartPath().string() + ": " + std::strerror(errno);
        return false;
    }
    pending_.clear();
    pending_.reserve(kFlushBytes);
    return true;
}

bool ScanCache::Flush(std::string& error) {
    if (fd_ < 0) return true;
    if (!WriteAll(fd_, pending_.data(), pending_.size())) {
        error = "Cannot write the scan cache " + PartPath().string() + ": " + std::strerror(errno);
        ::close(fd_);
        fd_ = -1;
        std::error_code ec;
        std::filesystem::remove(PartPath(), ec);
        return false;
    }
    pending_.clear();
    return true;
}

bool ScanCache::Append(const ScanCacheRec& rec, std::string& error) {
    pending_.insert(pending_.end(), rec.begin(), rec.end());
    return pending_.size() < kFlushBytes || Flush(error);
}

bool ScanCache::EndWrite(bool complete, const std::filesystem::path& library, std::string& error) {
    if (fd_ < 0) return true;
    bool ok = Flush(error);
    if (fd_ >= 0 && ::close(fd_) != 0 && ok) {
        error = "Cannot write the scan cache " + PartPath().string();
        ok = false;
    }
    fd_ = -1;
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(PartPath(), CachePath(), ec);
        if (ec) {
            error = "Cannot replace the scan cache " + CachePath().string() + ": " + ec.message();
            ok = false;
        }
    }
    if (!ok) {
        std::filesystem::remove(PartPath(), ec);
        return false;
    }
    if (!complete) {
        // A short cache has no library to name: the next load discards it.
        std::filesystem::remove(SourcePath(), ec);
        return true;
    }
    // The note too is written beside and renamed: a cache is never taken with half a note.
    const std::filesystem::path notePart = SourcePath().string() + ".part";
    std::ofstream note(notePart, std::ios::binary | std::ios::trunc);
    note << NoteText(SourceNote{IdentifyLibrary(library), StampOf(library)});
    note.close();
    if (note) std::filesystem::rename(notePart, SourcePath(), ec);
    if (!note || ec) {
        error = "Cannot write " + SourcePath().string();
        std::filesystem::remove(notePart, ec);
        Delete();
        return false;
    }
    return true;
}

}  // namespace lott
