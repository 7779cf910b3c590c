// A deal as a game of Portable Bridge Notation 2.1 in export format: the mandatory tags in their
// order, the hands from West, the viewer's contracts in a comment and the double-dummy table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Contracts.h"
#include "Deal.h"
#include "Modes.h"
#include "SourceTable.h"

namespace lott {

class PbnExport {
  public:
    // What a game holds of a deal.
    struct Game {
        std::int32_t board = 0;
        std::string event;                                    // the library's file name
        std::array<std::array<Holding, 4>, 4> Hand{};         // [seat][suit]
        std::array<StrainIndexed<std::int32_t>, 4> Tricks{};  // [declarer][strain]
        std::array<ContractRec, 2> Contract{};                // [pair] as the viewer decided
        std::int32_t totalTricks = 0;
        std::int32_t prediction = 0;
        // The switches the contracts were decided under.
        lott::TrumpBy TrumpBy = lott::TrumpBy::Score;
        lott::NoNT NoNT = lott::NoNT::Allowed;
        // Where an imported deal was played: its tags replace the unknown ones and the board.
        std::optional<DealSource> source;
    };

    // Longest line a reader has to take, without its line end.
    static constexpr std::size_t kMaxLine = 255;
    static constexpr const char* kTableFormat = "Declarer;Denomination\\2R;Result\\2R";

    // The two escape lines that open a file in export format.
    static std::vector<std::string> FileHeader();
    // The game's lines: the fifteen mandatory tags, the contract comment and the
    // OptimumResultTable with its 20 lines.
    static std::vector<std::string> GameLines(const Game& g);

    // A tag value with backslash and quote escaped; characters outside printable ASCII become
    // one "?" each (the file is plain ASCII), and a value too long for one line is cut.
    static std::string Escape(std::string_view value);
    // "[Name "value"]" with the value escaped.
    static std::string Tag(std::string_view name, std::string_view value);
    // "W:" and the four hands clockwise from West, suits spades first, separated by ".".
    static std::string DealValue(const std::array<std::array<Holding, 4>, 4>& hands);
    // The viewer's contracts of both pairs and the Total Tricks with their prediction.
    static std::string ContractComment(const Game& g);
};

}  // namespace lott
