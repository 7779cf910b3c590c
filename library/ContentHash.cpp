#include "ContentHash.h"

#include <xxhash.h>

#include <new>

namespace lott {

struct ContentHash::State {
    XXH3_state_t* st = XXH3_createState();
    ~State() { XXH3_freeState(st); }
};

ContentHash::ContentHash() : s_(std::make_unique<State>()) {
    if (!s_->st) throw std::bad_alloc();
    XXH3_64bits_reset(s_->st);
}

ContentHash::~ContentHash() = default;

void ContentHash::Update(const void* data, std::size_t n) {
    XXH3_64bits_update(s_->st, data, n);
}

std::uint64_t ContentHash::Digest() const {
    return XXH3_64bits_digest(s_->st);
}

std::uint64_t ContentHash::Of(const void* data, std::size_t n) {
    return XXH3_64bits(data, n);
}

}  // namespace lott
