#include "FaultMount.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace lott::test {

// Whether the mount call returned rc 0; else why says what could not be done.
static bool Mounted(int rc, const std::string& what, std::string& why) {
    if (rc != 0)
        why = "cannot " + what + " (" + std::strerror(errno) + "); needs root or CAP_SYS_ADMIN";
    return rc == 0;
}

std::unique_ptr<FaultMount> FaultMount::SmallDisk(const std::filesystem::path& at,
                                                  std::size_t bytes, std::string& why) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (!Mounted(::mount("trickscan-test", at.c_str(), "tmpfs", 0, options.c_str()),
                 "mount a small tmpfs here", why))
        return nullptr;
    return std::unique_ptr<FaultMount>(new FaultMount(at));
}

std::unique_ptr<FaultMount> FaultMount::ReadOnly(const std::filesystem::path& at,
                                                 std::string& why) {
    if (!Mounted(::mount(at.c_str(), at.c_str(), nullptr, MS_BIND, nullptr),
                 "bind-mount the folder", why))
        return nullptr;
    std::unique_ptr<FaultMount> m(new FaultMount(at));  // undoes the bind if the remount fails
    const int rc = ::mount(nullptr, at.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
    return Mounted(rc, "make the bind mount read-only", why) ? std::move(m) : nullptr;
}

FaultMount::~FaultMount() {
    ::umount2(at_.c_str(), MNT_DETACH);
}

std::size_t FillUp(const std::filesystem::path& folder) {
    const std::string file = (folder / "filler").string();
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return 0;
    std::vector<char> block(4096, 'f');
    std::size_t total = 0;
    for (std::size_t size = block.size(); size > 0;) {
        const ssize_t n = ::write(fd, block.data(), size);
        if (n <= 0) size /= 2;  // the last blocks: fill the file system to its last byte
        total += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    ::close(fd);
    return total;
}

}  // namespace lott::test
