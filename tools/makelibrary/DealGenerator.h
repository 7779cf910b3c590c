// Uniformly random deals from a seed, the same on every machine and standard library.
#pragma once

#include <cstdint>

#include "DealCodec.h"

namespace lott {

// Deal k of a seed depends on (seed, k) alone: its shuffle draws from a SplitMix64 stream that
// starts at a hash of both. So any range of deals can be made anywhere (a shard of a library on
// another machine) and the pieces put together give the library of one run, byte for byte.
class DealGenerator {
  public:
    // Below draws from a stream of the seed's own until the first deal is made.
    explicit DealGenerator(std::uint64_t seed);

    // Deal k (from 1) of the seed: hands only, trick digits left at zero.
    DealRecord Deal(std::int64_t k);
    // The deal after the last one made or skipped (deal 1 first).
    DealRecord Next() { return Deal(++made_); }
    // Moves past n deals, as if Next had been called n times.
    void Skip(std::int64_t n) { made_ += n; }

    // A uniform value in 0..n-1 (n >= 1) from the current deal's stream, by rejection so that
    // no value is favoured.
    std::uint64_t Below(std::uint64_t n);

  private:
    std::uint64_t Draw();

    std::uint64_t seed_;
    std::int64_t made_ = 0;
    std::uint64_t state_ = 0;
};

}  // namespace lott
