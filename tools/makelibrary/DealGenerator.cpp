#include "DealGenerator.h"

#include <array>
#include <utility>

#include "Names.h"

namespace lott {

namespace {

constexpr std::uint64_t kGamma = 0x9e3779b97f4a7c15ull;

// SplitMix64's finaliser: every input bit moves about half the output bits.
constexpr std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

}  // namespace

DealGenerator::DealGenerator(std::uint64_t seed) : seed_(seed), state_(Mix(seed)) {}

std::uint64_t DealGenerator::Draw() {
    state_ += kGamma;
    return Mix(state_);
}

std::uint64_t DealGenerator::Below(std::uint64_t n) {
    // Values below 2^64 mod n would make the low residues more likely; skip them.
    const std::uint64_t reject = (0 - n) % n;
    for (;;) {
        std::uint64_t r = Draw();
        if (r >= reject) return r % n;
    }
}

DealRecord DealGenerator::Deal(std::int64_t k) {
    // The deal's stream starts at a hash of the seed and its number, each mixed on its own so
    // that neighbouring seeds or numbers give unrelated streams.
    state_ = Mix(Mix(seed_) ^ Mix(static_cast<std::uint64_t>(k) * kGamma + 1));
    // Card c = suit * 13 + rank; after a Fisher-Yates shuffle the card at position i goes to
    // seat i / 13 (West, North, East, South).
    std::array<std::uint8_t, 52> deck{};
    for (int i = 0; i < 52; ++i) deck[i] = static_cast<std::uint8_t>(i);
    for (int i = 51; i > 0; --i) {
        auto j = static_cast<std::size_t>(Below(static_cast<std::uint64_t>(i) + 1));
        std::swap(deck[static_cast<std::size_t>(i)], deck[j]);
    }
    std::array<std::uint8_t, 52> owner{};
    for (int i = 0; i < 52; ++i) owner[deck[i]] = static_cast<std::uint8_t>(i / 13);
    DealRecord r;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            r.hands[owner[suit * 13 + rank]][suit].push(CardName[rank]);
    return r;
}

}  // namespace lott
