#include "ViewerDeals.h"

#include <random>
#include <stdexcept>
#include <string_view>

#include "TestLibrary.h"

namespace lott::test {

DealRecord RecordOf(const TrickTable& t, const std::array<const char*, 4>& hands) {
    DealRecord r = DealRecord::FromText({std::string_view(hands[0]), hands[1], hands[2], hands[3]});
    for (int strain = -1; strain <= 3; ++strain) {
        const SeatTricks& s = t[static_cast<std::size_t>(strain + 1)];
        // Digits name the declarers East, North, West, South and count North-South's tricks.
        r.nsTricks[strain] = {static_cast<std::uint8_t>(13 - s.E), static_cast<std::uint8_t>(s.N),
                              static_cast<std::uint8_t>(13 - s.W), static_cast<std::uint8_t>(s.S)};
    }
    return r;
}

Deal DealOf(const TrickTable& t, const std::array<const char*, 4>& hands) {
    std::array<std::uint8_t, kBinRecLen> bytes{};
    if (!EncodeBinDeal(RecordOf(t, hands), bytes)) throw std::runtime_error("not a deal");
    Deal d;
    d.DecodeBinDeal(bytes.data());
    d.CountLengths();
    d.DecodeTricks();
    return d;
}

TrickTable Flat(int n) {
    TrickTable t;
    t.fill(SeatTricks{n, n, n, n});
    return t;
}

std::vector<DealRecord> KnownDeals(int count) {
    TrickTable suits = Flat(4);
    suits[0] = {5, 5, 5, 5};
    suits[1] = {3, 9, 3, 9};  // spades: W, N, E, S
    suits[2] = {8, 3, 8, 3};  // hearts
    TrickTable nt = Flat(5);
    nt[0] = {5, 9, 5, 8};
    nt[1] = {4, 8, 4, 8};
    nt[2] = {8, 4, 7, 4};
    std::vector<DealRecord> v = {RecordOf(suits), RecordOf(nt)};
    std::mt19937 rng(11);
    while (v.size() < static_cast<std::size_t>(count)) v.push_back(RandomRecord(rng));
    v.resize(static_cast<std::size_t>(count));
    return v;
}

std::vector<DealRecord> RandomDeals(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    for (int i = 0; i < count; ++i) v.push_back(RandomRecord(rng));
    return v;
}

}  // namespace lott::test
