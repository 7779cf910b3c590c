#include "Deal.h"

#include "Names.h"

namespace lott {

namespace {
// The even bits of x packed into its low 16 bits.
constexpr std::uint32_t EvenBits(std::uint32_t x) {
    x &= 0x55555555u;
    x = (x | (x >> 1)) & 0x33333333u;
    x = (x | (x >> 2)) & 0x0F0F0F0Fu;
    x = (x | (x >> 4)) & 0x00FF00FFu;
    return (x | (x >> 8)) & 0x0000FFFFu;
}
// Points of the ace, king, queen and jack bits of a rank mask.
constexpr int kHonourPoints[16] = {0, 4, 3, 7, 2, 6, 5, 9, 1, 5, 4, 8, 3, 7, 6, 10};
}  // namespace

void Deal::Erase() {
    for (auto& seat : Hand)
        for (auto& h : seat) h.clear();
    HCP.fill(0.0f);
    for (auto& t : TrickHex.v) t.fill('\0');
}

void Deal::DecodeBinDeal(const std::uint8_t* rec) {
    int points[4] = {0, 0, 0, 0};
    for (int suit = 0; suit < 4; ++suit) {
        // B3 holds the ace in its lowest bits; reading B3..B0 as one word puts the owner of rank
        // r at bits 2r and 2r + 1. Split the owners into their low and high bits by rank.
        const std::uint8_t* b = rec + suit * 4;
        const std::uint32_t word =
            static_cast<std::uint32_t>(b[3]) | static_cast<std::uint32_t>(b[2]) << 8 |
            static_cast<std::uint32_t>(b[1]) << 16 | static_cast<std::uint32_t>(b[0]) << 24;
        constexpr std::uint32_t all = (1u << 13) - 1;
        const std::uint32_t lo = EvenBits(word) & all;
        const std::uint32_t hi = EvenBits(word >> 1) & all;
        const std::uint32_t held[4] = {~lo & ~hi & all, lo & ~hi, ~lo & hi, lo & hi};
        for (int seat = 0; seat < 4; ++seat) {
            Hand[seat][suit].SetRanks(held[seat]);
            points[seat] += kHonourPoints[held[seat] & 15u];
        }
    }
    for (int seat = 0; seat < 4; ++seat) HCP[seat] = static_cast<float>(points[seat]);
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
        std::uint32_t ranks[4] = {0, 0, 0, 0};
        int suit = 0;
        for (int i = 0; i < 16; ++i) {
            const char c = field[i];
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
            ranks[suit] |= 1u << rank;
            HCP[h] += CardPoints[rank];
        }
        if (suit != 3) {
            Erase();
            return RecordStatus::Damaged;
        }
        // Holdings are kept highest first, as the binary form gives them, whatever order another
        // tool wrote the letters in: the contract logic reads a holding's first card as its top.
        for (int s = 0; s < 4; ++s) Hand[h][s].SetRanks(ranks[s]);
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

namespace {
constexpr std::array<std::uint8_t, 256> MakeHexTable() {
    std::array<std::uint8_t, 256> t{};
    for (int c = '0'; c <= '9'; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c - 'a' + 10);
    return t;
}
constexpr std::array<std::uint8_t, 256> kHexValue = MakeHexTable();
}  // namespace

int HexDigitValue(char c) {
    return kHexValue[static_cast<unsigned char>(c)];
}

}  // namespace lott
