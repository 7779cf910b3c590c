// The current deal: hands, points and double-dummy tricks decoded from one library record,
// with the suit and fit lengths derived from them.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "Indices.h"
#include "Names.h"

namespace lott {

// One suit of one hand: card letters highest first, at most 13 of them, and the mask of the
// ranks they name. Fixed size so that decoding a deal never allocates. A holding decoded from a
// rank mask spells out its letters only when they are read, which a scan never needs.
class Holding {
  public:
    Holding() = default;
    explicit Holding(std::string_view cards) { assign(cards); }
    void clear() {
        n_ = 0;
        ranks_ = 0;
        spelt_ = true;
    }
    // The cards of a rank mask (bit r = rank r, ace first), highest first.
    void SetRanks(std::uint32_t ranks) {
        ranks_ = static_cast<std::uint16_t>(ranks & 0x1FFFu);
        n_ = CountBits(ranks_);
        spelt_ = n_ == 0;
    }
    // Takes at most 13 letters.
    void assign(std::string_view cards) {
        clear();
        for (char c : cards)
            if (!push(c)) break;
    }
    bool push(char letter) {
        if (n_ >= 13) return false;
        Spell();
        c_[n_++] = letter;
        int r = CardRank(letter);
        if (r >= 0) ranks_ = static_cast<std::uint16_t>(ranks_ | 1u << r);
        return true;
    }
    int size() const { return n_; }
    bool empty() const { return n_ == 0; }
    std::string_view view() const {
        Spell();
        return {c_.data(), n_};
    }
    std::string str() const { return std::string(view()); }
    // Bit r set when the holding has the card of rank r.
    std::uint16_t ranks() const { return ranks_; }
    bool contains(char letter) const {
        int r = CardRank(letter);
        if (r >= 0) return (ranks_ >> r) & 1u;
        return view().find(letter) != std::string_view::npos;
    }
    // The first letter (the highest card of a decoded holding); '\0' when void.
    char front() const {
        if (n_ == 0) return '\0';
        return spelt_ ? c_[0] : CardName[static_cast<std::size_t>(__builtin_ctz(ranks_))];
    }
    char operator[](int i) const {
        Spell();
        return c_[static_cast<std::size_t>(i)];
    }
    bool operator==(const Holding& o) const { return view() == o.view(); }

  private:
    static std::uint8_t CountBits(std::uint32_t x);
    void Spell() const {
        if (spelt_) return;
        std::uint8_t n = 0;
        for (std::uint32_t m = ranks_; m != 0; m &= m - 1)
            c_[n++] = CardName[static_cast<std::size_t>(__builtin_ctz(m))];
        spelt_ = true;
    }

    mutable std::array<char, 13> c_{};
    std::uint8_t n_ = 0;
    std::uint16_t ranks_ = 0;
    mutable bool spelt_ = true;
};

namespace detail {
// The number of cards of every rank mask.
constexpr std::array<std::uint8_t, 8192> MakeBitCounts() {
    std::array<std::uint8_t, 8192> t{};
    for (std::size_t i = 1; i < t.size(); ++i)
        t[i] = static_cast<std::uint8_t>(t[i >> 1] + (i & 1u));
    return t;
}
inline constexpr std::array<std::uint8_t, 8192> kBitCount = MakeBitCounts();
}  // namespace detail

inline std::uint8_t Holding::CountBits(std::uint32_t x) {
    return detail::kBitCount[x & 0x1FFFu];
}

struct SideStrainRec {
    std::int32_t Declarer = 0;
    std::int32_t Tricks = 0;
    std::int32_t FitLen = 0;
    std::int32_t Score = 0;
};

using TrickDigits = std::array<char, 4>;

// How a record decoded.
enum class RecordStatus {
    Ok,
    Damaged,  // an ASCII hand field that is not 13 card letters and three dots, or a card twice
};

class Deal {
  public:
    std::array<std::array<Holding, 4>, 4> Hand{};          // [seat][suit]
    std::array<float, 4> HCP{};                            // [seat]
    StrainIndexed<TrickDigits> TrickHex{};                 // four hex digits per strain
    std::array<StrainIndexed<std::int32_t>, 4> Tricks{};   // [seat][strain], declarer side's tricks
    std::array<std::array<std::int32_t, 4>, 4> SuitLen{};  // [seat][suit]
    std::array<std::int32_t, 2> LongestFit{};              // [pair] suit 0..3
    std::array<StrainIndexed<SideStrainRec>, 2> SideStrain{};  // [pair][strain]

    void Erase();
    // Both decoders erase first. Binary records cannot be damaged: every 2-bit owner is a seat.
    void DecodeBinDeal(const std::uint8_t* rec);
    RecordStatus DecodeAscDeal(const char* rec);
    void CountLengths();
    void DecodeTricks();
};

inline constexpr int kBinRecLen = 26;
inline constexpr int kAscRecLen = 89;

// Returns the text before the first "." of text and removes it, with the dot, from text.
// Without a dot the whole text is returned and text becomes empty.
std::string SplitSuit(std::string& text);
// The points of the card named by letter; 0 for a letter that names no card.
int CardValue(char letter);
// Decimal text of n without blanks.
std::string StrNum(long long n);
// Value of one trick digit; a character that is no hexadecimal digit reads as 0.
int HexDigitValue(char c);

}  // namespace lott
