// Uniformly random deals from a seed, the same on every machine and standard library.
#pragma once

#include <cstdint>
#include <random>

#include "DealCodec.h"

namespace lott {

// The 64-bit Mersenne Twister's output is fixed by the C++ standard; the distributions and
// std::shuffle are not, so the shuffle and the bounded draws are our own.
class DealGenerator {
  public:
    explicit DealGenerator(std::uint64_t seed) : rng_(seed) {}

    // The next deal: hands only, trick digits left at zero.
    DealRecord Next();
    // Moves past n deals, as if Next had been called n times.
    void Skip(std::int64_t n);

    // A uniform value in 0..n-1 (n >= 1), by rejection so that no value is favoured.
    std::uint64_t Below(std::uint64_t n);

  private:
    std::mt19937_64 rng_;
};

}  // namespace lott
