#include "DealGenerator.h"

#include <array>
#include <utility>

#include "Names.h"

namespace lott {

std::uint64_t DealGenerator::Below(std::uint64_t n) {
    // Values below 2^64 mod n would make the low residues more likely; skip them.
    const std::uint64_t reject = (0 - n) % n;
    for (;;) {
        std::uint64_t r = rng_();
        if (r >= reject) return r % n;
    }
}

DealRecord DealGenerator::Next() {
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

void DealGenerator::Skip(std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) Next();
}

}  // namespace lott
