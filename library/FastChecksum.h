// A fast 64-bit checksum of a stream of bytes (XXH3), for telling files apart by their contents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lott {

class FastChecksum {
  public:
    FastChecksum();
    ~FastChecksum();
    FastChecksum(const FastChecksum&) = delete;
    FastChecksum& operator=(const FastChecksum&) = delete;

    void Update(const void* data, std::size_t n);
    std::uint64_t Digest() const;

    static std::uint64_t Of(const void* data, std::size_t n);

  private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace lott
