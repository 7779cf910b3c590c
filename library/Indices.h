// Index conventions shared by every part of the suite: seats, pairs, strains, table kinds.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace lott {

enum Seat : int { West = 0, North = 1, East = 2, South = 3 };
constexpr int kPairWE = 0;
constexpr int kPairNS = 1;
constexpr int NoTrump = -1;

// Table kinds of the counting tables.
constexpr int KindSuit = 0;
constexpr int KindNT = -1;

constexpr int PairOf(int seat) {
    return seat % 2;
}
constexpr int PartnerOf(int seat) {
    return (seat + 2) % 4;
}

// An array indexed by strain -1..3 (notrump, spades, hearts, diamonds, clubs),
// so that code can use the strain numbers directly.
template <class T>
struct StrainIndexed {
    std::array<T, 5> v{};
    constexpr T& operator[](int strain) {
        assert(strain >= -1 && strain <= 3);
        return v[static_cast<std::size_t>(strain + 1)];
    }
    constexpr const T& operator[](int strain) const {
        assert(strain >= -1 && strain <= 3);
        return v[static_cast<std::size_t>(strain + 1)];
    }
};

}  // namespace lott
