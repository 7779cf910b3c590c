#include "DealCodec.h"

#include "Names.h"

namespace lott {

bool DealRecord::OwnerTable(std::array<std::array<int, 13>, 4>& owner) const {
    for (auto& s : owner) s.fill(-1);
    for (int seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            for (char c : hands[seat][suit].view()) {
                int r = CardRank(c);
                if (r < 0 || owner[suit][r] >= 0) return false;
                owner[suit][r] = seat;
            }
    for (auto& s : owner)
        for (int o : s)
            if (o < 0) return false;
    return true;
}

DealRecord DealRecord::FromDeal(const Deal& d) {
    DealRecord r;
    r.hands = d.Hand;
    for (int strain = -1; strain <= 3; ++strain)
        for (int i = 0; i < 4; ++i)
            r.nsTricks[strain][i] = static_cast<std::uint8_t>(HexDigitValue(d.TrickHex[strain][i]));
    return r;
}

DealRecord DealRecord::FromText(const std::array<std::string_view, 4>& hands) {
    DealRecord r;
    for (int seat = 0; seat < 4; ++seat) {
        int suit = 0;
        for (char c : hands[seat]) {
            if (c == '.') {
                if (++suit > 3) break;
            } else {
                r.hands[seat][suit].push(c);
            }
        }
    }
    return r;
}

static bool DigitsOk(const DealRecord& rec) {
    for (const auto& s : rec.nsTricks.v)
        for (auto d : s)
            if (d > 15) return false;
    return true;
}

bool EncodeBinDeal(const DealRecord& rec, std::array<std::uint8_t, kBinRecLen>& out) {
    std::array<std::array<int, 13>, 4> owner{};
    if (!rec.OwnerTable(owner) || !DigitsOk(rec)) return false;
    out.fill(0);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank) {
            // rank 0..3 live in B3, 4..7 in B2, 8..11 in B1, 12 in B0; low bits first.
            int byte = 3 - rank / 4;
            int shift = 2 * (rank % 4);
            out[static_cast<std::size_t>(suit * 4 + byte)] |=
                static_cast<std::uint8_t>(owner[suit][rank] << shift);
        }
    for (int strain = -1; strain <= 3; ++strain) {
        const auto& d = rec.nsTricks[strain];
        std::size_t at = static_cast<std::size_t>(16 + 2 * (strain + 1));
        out[at] = static_cast<std::uint8_t>(d[0] << 4 | d[1]);
        out[at + 1] = static_cast<std::uint8_t>(d[2] << 4 | d[3]);
    }
    return true;
}

bool EncodeAscDeal(const DealRecord& rec, std::array<char, kAscRecLen>& out) {
    std::array<std::array<int, 13>, 4> owner{};
    if (!rec.OwnerTable(owner) || !DigitsOk(rec)) return false;
    // A hand field holds 13 letters and three dots: a deal that gives a seat more or fewer
    // cards (the binary form can say so) has no ASCII form.
    for (int seat = 0; seat < 4; ++seat) {
        int cards = 0;
        for (int suit = 0; suit < 4; ++suit) cards += rec.hands[seat][suit].size();
        if (cards != 13) return false;
    }
    out.fill(' ');
    for (int seat = 0; seat < 4; ++seat) {
        std::size_t at = static_cast<std::size_t>(seat * 17);
        // Cards highest first within each suit, whatever order the holding was given in.
        for (int suit = 0; suit < 4; ++suit) {
            if (suit > 0) out[at++] = '.';
            for (int rank = 0; rank < 13; ++rank)
                if (owner[suit][rank] == seat) out[at++] = CardName[rank];
        }
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int strain = -1; strain <= 3; ++strain)
        for (int i = 0; i < 4; ++i)
            out[static_cast<std::size_t>(68 + 4 * (strain + 1) + i)] =
                kHex[rec.nsTricks[strain][i]];
    out[88] = '\n';
    return true;
}

}  // namespace lott
