#include "FaultMount.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace lott::test {

std::unique_ptr<FaultMount> FaultMount::SmallDisk(const std::filesystem::path& at,
                                                  std::size_t bytes, std::string& why) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("trickscan-test", at.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        why = "cannot mount a small tmpfs here (" + std::string(std::strerror(errno)) +
              "); needs root or CAP_SYS_ADMIN";
        return nullptr;
    }
    return std::unique_ptr<FaultMount>(new FaultMount(at));
}

std::unique_ptr<FaultMount> FaultMount::ReadOnly(const std::filesystem::path& at,
                                                 std::string& why) {
    if (::mount(at.c_str(), at.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        why = "cannot bind-mount the folder (" + std::string(std::strerror(errno)) +
              "); needs root or CAP_SYS_ADMIN";
        return nullptr;
    }
    auto m = std::unique_ptr<FaultMount>(new FaultMount(at));
    if (::mount(nullptr, at.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        why = "cannot make the bind mount read-only (" + std::string(std::strerror(errno)) + ")";
        return nullptr;  // the destructor undoes the bind
    }
    return m;
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
        if (n > 0) {
            total += static_cast<std::size_t>(n);
        } else {
            size /= 2;  // the last blocks: fill the file system to its last byte
        }
    }
    ::close(fd);
    return total;
}

}  // namespace lott::test
