// Reads the games of a Portable Bridge Notation file (import or export format, versions 1.0 to
// 2.1) as real files write them, and takes the deal and its double-dummy results from a game.
// The input is untrusted: any bytes give games or reasons, never a fault.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DealCodec.h"

namespace lott {

// One game: its tags in file order, with "#" values already replaced by the previous game's,
// values in UTF-8; and the lines of data after the tags that carry a section (auction, play,
// score and result tables), comments removed.
struct PbnGame {
    struct Tag {
        std::string name;
        std::string value;
        std::size_t line = 0;
        std::vector<std::string> section;
    };
    std::size_t line = 0;  // the line of the game's first tag, counted from 1
    std::vector<Tag> tags;

    // The tag of that name (names are case-sensitive, as the standard has them), or nullptr.
    const Tag* Find(std::string_view name) const;
    // Its value; "" when the game has no such tag.
    std::string Value(std::string_view name) const;
};

class PbnReader {
  public:
    // Splits a whole file into games. Lines may end in CR LF or LF; a file that is not valid
    // UTF-8 is taken as Latin-1.
    static std::vector<PbnGame> ReadGames(std::string_view file);

    // The four hands of the game's [Deal] in a record (trick digits zero), hands highest card
    // first. False, with the reason, when the deal is missing or not 52 distinct cards, 13 a
    // hand; one hand given as "-" is the 13 cards the other three lack.
    static bool DealOf(const PbnGame& game, DealRecord& rec, std::string& why);

    // The double-dummy results the game carries, as the library's trick digits.
    enum class Table { None, Given, Damaged };
    static Table TricksOf(const PbnGame& game, StrainIndexed<std::array<std::uint8_t, 4>>& tricks,
                          std::string& why);

    // A tag value as stored: valid UTF-8 kept, anything else read as Latin-1.
    static std::string ToUtf8(std::string_view bytes);
};

}  // namespace lott
