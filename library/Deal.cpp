#include "Deal.h"

#include "Names.h"

namespace lott {

Holding::Holding(std::string_view cards) {
    for (char c : cards) push(c);
}

void Deal::Erase() {
    for (auto& seat : Hand)
        for (auto& h : seat) h.clear();
    HCP.fill(0.0f);
    for (auto& t : TrickHex.v) t.fill('\0');
}

void Deal::DecodeBinDeal(const std::uint8_t* rec) {
    Erase();
    for (int suit = 0; suit < 4; ++suit) {
        int rank = 0;
        for (int b = 3; b >= 0 && rank < 13; --b) {
            unsigned byte = rec[suit * 4 + b];
            for (int field = 0; field < 4 && rank < 13; ++field, ++rank) {
                int owner = static_cast<int>((byte >> (2 * field)) & 3u);
                Hand[owner][suit].push(CardName[rank]);
                HCP[owner] += CardPoints[rank];
            }
        }
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int strain = -1; strain <= 3; ++strain) {
        const std::uint8_t* w = rec + 16 + 2 * (strain + 1);
        TrickHex[strain] = {kHex[w[0] >> 4], kHex[w[0] & 15], kHex[w[1] >> 4], kHex[w[1] & 15]};
    }
}

RecordStatus Deal::DecodeAscDeal(const char* rec) {
    Erase();
    // A field must be exactly 13 card letters and three dots, and no card may appear twice in
    // the deal. Anything else is a damaged record: the deal stays erased.
    bool seen[4][13] = {};
    for (int h = 0; h < 4; ++h) {
        const char* field = rec + h * 17;
        int suit = 0;
        for (int i = 0; i < 16; ++i) {
            char c = field[i];
            if (c == '.') {
                if (++suit > 3) break;
                continue;
            }
            int rank = CardRank(c);
            if (rank < 0 || seen[suit][rank]) {
                suit = -1;
                break;
            }
            seen[suit][rank] = true;
            Hand[h][suit].push(c);
            HCP[h] += CardPoints[rank];
        }
        if (suit != 3) {
            Erase();
            return RecordStatus::Damaged;
        }
    }
    for (int strain = -1; strain <= 3; ++strain) {
        const char* t = rec + 68 + 4 * (strain + 1);
        TrickHex[strain] = {t[0], t[1], t[2], t[3]};
    }
    return RecordStatus::Ok;
}

void Deal::CountLengths() {
    for (int seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit) SuitLen[seat][suit] = Hand[seat][suit].size();
    for (int p = 0; p < 2; ++p) {
        int best = 0;
        for (int s = 0; s < 4; ++s) {
            SideStrain[p][s].FitLen = SuitLen[p][s] + SuitLen[p + 2][s];
            if (SideStrain[p][s].FitLen > SideStrain[p][best].FitLen) best = s;
        }
        LongestFit[p] = best;
    }
}

void Deal::DecodeTricks() {
    // Digit positions 1..4 name the declarers East, North, West, South; each digit is the
    // number of tricks North-South take.
    static constexpr int kSeatByPosition[4] = {East, North, West, South};
    for (int strain = -1; strain <= 3; ++strain) {
        for (int pos = 0; pos < 4; ++pos) {
            int seat = kSeatByPosition[pos];
            int d = HexDigitValue(TrickHex[strain][pos]);
            Tricks[seat][strain] = PairOf(seat) == kPairWE ? 13 - d : d;
        }
    }
}

std::string SplitSuit(std::string& text) {
    auto dot = text.find('.');
    if (dot == std::string::npos) {
        std::string all;
        all.swap(text);
        return all;
    }
    std::string head = text.substr(0, dot);
    text.erase(0, dot + 1);
    return head;
}

int CardValue(char letter) {
    int r = CardRank(letter);
    return r < 0 ? 0 : static_cast<int>(CardPoints[r]);
}

std::string StrNum(long long n) {
    return std::to_string(n);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

}  // namespace lott
