#include "FastChecksum.h"

#include <xxh_x86dispatch.h>
#include <xxhash.h>

#include <new>

namespace lott {

struct FastChecksum::State {
    XXH3_state_t* st = XXH3_createState();
    ~State() { XXH3_freeState(st); }
};

FastChecksum::FastChecksum() : s_(std::make_unique<State>()) {
    if (!s_->st) throw std::bad_alloc();
    XXH3_64bits_reset(s_->st);
}

FastChecksum::~FastChecksum() = default;

void FastChecksum::Update(const void* data, std::size_t n) {
    // The dispatching forms take the widest vector unit the processor has: the same checksum.
    XXH3_64bits_update_dispatch(s_->st, data, n);
}

std::uint64_t FastChecksum::Digest() const {
    return XXH3_64bits_digest(s_->st);
}

std::uint64_t FastChecksum::Of(const void* data, std::size_t n) {
    return XXH3_64bits_dispatch(data, n);
}

}  // namespace lott
