// A fast 64-bit checksum of a stream of bytes (XXH3), for telling files apart by their contents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace lott {

class ContentHash {
  public:
    ContentHash();
    ~ContentHash();
    ContentHash(const ContentHash&) = delete;
    ContentHash& operator=(const ContentHash&) = delete;

    void Update(const void* data, std::size_t n);
    std::uint64_t Digest() const;

    static std::uint64_t Of(const void* data, std::size_t n);

  private:
    struct State;
    std::unique_ptr<State> s_;
};

}  // namespace lott
