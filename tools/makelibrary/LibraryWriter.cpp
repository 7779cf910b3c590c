#include "LibraryWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

#include "FileWriter.h"
#include "LibraryFile.h"

namespace lott {

namespace fs = std::filesystem;

namespace {

std::string Reason() {
    return std::strerror(errno);
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Hash of the first `bytes` bytes of an open file; false when the file is shorter.
bool HashPrefix(int fd, std::int64_t bytes, std::uint64_t& hash) {
    ContentHash h;
    std::vector<char> buf(1 << 20);
    std::int64_t at = 0;
    while (at < bytes) {
        auto want = static_cast<std::size_t>(
            std::min<std::int64_t>(bytes - at, static_cast<std::int64_t>(buf.size())));
        ssize_t n = ::pread(fd, buf.data(), want, static_cast<off_t>(at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        h.Add(buf.data(), static_cast<std::size_t>(n));
        at += n;
    }
    hash = h.value();
    return true;
}

std::int64_t FileLength(int fd) {
    off_t end = ::lseek(fd, 0, SEEK_END);
    return end < 0 ? -1 : static_cast<std::int64_t>(end);
}

}  // namespace

LibraryWriter::~LibraryWriter() {
    CloseFiles();
}

void LibraryWriter::CloseFiles() {
    if (binFd_ >= 0) ::close(binFd_);
    if (ascFd_ >= 0) ::close(ascFd_);
    binFd_ = ascFd_ = -1;
}

bool LibraryWriter::Create(const fs::path& dir, std::uint64_t seed, std::int64_t target,
                           std::string& error, std::int64_t shards, std::int64_t shard) {
    CloseFiles();
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec)) {
        error = "cannot use " + dir.string() + " as the output folder";
        return false;
    }
    if (fs::exists(fs::symlink_status(dir / kMarkerName, ec))) {
        std::string ignored;
        auto m = ReadMarker(dir, ignored);
        error = dir.string() + " holds an unfinished library";
        if (m)
            error += " (seed " + std::to_string(m->seed) + ", " + std::to_string(m->done) + " of " +
                     std::to_string(m->target) + " deals)";
        error += "; add --resume to continue it, or remove Library.bin, Library.asc and " +
                 std::string(kMarkerName) + " to start again";
        return false;
    }
    for (const char* name : {kBinLibName, kAscLibName, kShardName}) {
        if (fs::exists(fs::symlink_status(dir / name, ec))) {
            error = (dir / name).string() +
                    " already exists and makelibrary does not overwrite a library it did not "
                    "start; choose another --out folder";
            return false;
        }
    }
    dir_ = dir;
    marker_ = MakingMarker{};
    marker_.seed = seed;
    marker_.target = target;
    marker_.shards = shards;
    marker_.shard = shard;
    // The marker comes first: from then on the files are recognisably ours.
    if (!WriteMarker(error)) return false;
    // O_EXCL: a file that appeared in the meantime is not ours to truncate.
    for (auto [fd, name] : {std::pair{&binFd_, kBinLibName}, {&ascFd_, kAscLibName}}) {
        *fd = ::open((dir / name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (*fd < 0) {
            error = "cannot create " + (dir / name).string() + ": " + Reason();
            // Take back what this call made, so that the folder is as it was.
            if (binFd_ >= 0) fs::remove(dir / kBinLibName, ec);
            fs::remove(dir / kMarkerName, ec);
            CloseFiles();
            return false;
        }
    }
    return true;
}

std::optional<MakingMarker> LibraryWriter::ReadMarker(const fs::path& dir, std::string& error) {
    std::ifstream in(dir / kMarkerName, std::ios::binary);
    if (!in) {
        error = "no unfinished library to resume in " + dir.string() + " (no " + kMarkerName + ")";
        return std::nullopt;
    }
    // A marker is a few short lines; anything big under that name is not ours.
    std::string text(4096, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    auto m = in.eof() ? MakingMarker::Parse(text) : std::nullopt;
    if (!m) error = (dir / kMarkerName).string() + " is damaged; cannot resume";
    return m;
}

bool LibraryWriter::Resume(const fs::path& dir, std::string& error) {
    CloseFiles();
    dir_ = dir;
    auto m = ReadMarker(dir, error);
    if (!m) return false;
    marker_ = *m;
    binFd_ = ::open((dir / kBinLibName).c_str(), O_RDWR | O_CLOEXEC);
    ascFd_ = ::open((dir / kAscLibName).c_str(), O_RDWR | O_CLOEXEC);
    if (binFd_ < 0 || ascFd_ < 0) {
        error = "cannot open " + (dir / (binFd_ < 0 ? kBinLibName : kAscLibName)).string() +
                " to resume: " + Reason();
        CloseFiles();
        return false;
    }
    // Records written after the last checkpoint (perhaps cut off mid-record) are dropped, so
    // both files continue from the same whole record; their deals are made again.
    std::int64_t binBytes = marker_.done * kBinRecLen, ascBytes = marker_.done * kAscRecLen;
    std::uint64_t binHash = 0, ascHash = 0;
    bool longEnough = FileLength(binFd_) >= binBytes && FileLength(ascFd_) >= ascBytes;
    if (!longEnough || !HashPrefix(binFd_, binBytes, binHash) ||
        !HashPrefix(ascFd_, ascBytes, ascHash)) {
        error = "the library in " + dir.string() + " is shorter than makelibrary left it (" +
                std::to_string(marker_.done) + " deals); cannot resume";
        CloseFiles();
        return false;
    }
    if (binHash != marker_.binHash || ascHash != marker_.ascHash) {
        error = "the library in " + dir.string() +
                " was changed since makelibrary wrote it; cannot resume";
        CloseFiles();
        return false;
    }
    const std::int64_t upTo = marker_.done + marker_.pending;
    if (FileLength(binFd_) > upTo * kBinRecLen || FileLength(ascFd_) > upTo * kAscRecLen) {
        error = "the library in " + dir.string() + " is longer than makelibrary was writing (" +
                std::to_string(upTo) + " deals); it is not the one to resume";
        CloseFiles();
        return false;
    }
    if (::ftruncate(binFd_, static_cast<off_t>(binBytes)) != 0 ||
        ::ftruncate(ascFd_, static_cast<off_t>(ascBytes)) != 0 ||
        ::lseek(binFd_, 0, SEEK_END) < 0 || ::lseek(ascFd_, 0, SEEK_END) < 0) {
        error =
            "cannot cut the library in " + dir.string() + " back to its checkpoint: " + Reason();
        CloseFiles();
        return false;
    }
    return true;
}

bool LibraryWriter::Append(std::span<const DealRecord> deals, std::string& error) {
    if (binFd_ < 0 || ascFd_ < 0) {
        error = "no library is open for writing";
        return false;
    }
    std::vector<std::uint8_t> bin(deals.size() * kBinRecLen);
    std::vector<char> asc(deals.size() * kAscRecLen);
    for (std::size_t i = 0; i < deals.size(); ++i) {
        std::array<std::uint8_t, kBinRecLen> b{};
        std::array<char, kAscRecLen> a{};
        if (!EncodeBinDeal(deals[i], b) || !EncodeAscDeal(deals[i], a)) {
            error = "deal " + std::to_string(marker_.done + static_cast<std::int64_t>(i) + 1) +
                    " cannot be written: its hands or tricks are not valid";
            return false;
        }
        std::copy(b.begin(), b.end(), bin.begin() + static_cast<std::ptrdiff_t>(i * kBinRecLen));
        std::copy(a.begin(), a.end(), asc.begin() + static_cast<std::ptrdiff_t>(i * kAscRecLen));
    }
    // Said before the files grow, so that a resume knows how far past the checkpoint they may.
    marker_.pending = static_cast<std::int64_t>(deals.size());
    if (!WriteMarker(error)) return false;
    if (!WriteAll(binFd_, bin.data(), bin.size()) || !WriteAll(ascFd_, asc.data(), asc.size()) ||
        ::fdatasync(binFd_) != 0 || ::fdatasync(ascFd_) != 0) {
        error = "cannot write the library in " + dir_.string() + ": " + Reason();
        return false;
    }
    // The running hashes continue from the last checkpoint.
    ContentHash bh(marker_.binHash), ah(marker_.ascHash);
    bh.Add(bin.data(), bin.size());
    ah.Add(asc.data(), asc.size());
    marker_.binHash = bh.value();
    marker_.ascHash = ah.value();
    marker_.done += static_cast<std::int64_t>(deals.size());
    marker_.pending = 0;
    return WriteMarker(error);
}

bool LibraryWriter::Finish(std::string& error) {
    CloseFiles();
    if (marker_.shards > 0 &&
        !FileWriter::WriteFile(dir_ / kShardName, marker_.Text(kShardTitle), error))
        return false;
    std::error_code ec;
    fs::remove(dir_ / kMarkerName, ec);
    if (ec) {
        error = "cannot remove " + (dir_ / kMarkerName).string() + ": " + ec.message();
        return false;
    }
    return true;
}

bool LibraryWriter::WriteMarker(std::string& error) {
    // Renaming replaces the old marker in one step: a crash leaves the old or the new one.
    return FileWriter::WriteFile(dir_ / kMarkerName, marker_.Text(), error);
}

}  // namespace lott
