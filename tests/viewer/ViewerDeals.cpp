#include "ViewerDeals.h"

#include <stdexcept>
#include <string_view>

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

}  // namespace lott::test
