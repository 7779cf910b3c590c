// The double-dummy solver (DDS) behind one small class: fills the trick digits of deals.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>

#include "DealCodec.h"

namespace lott {

// DDS keeps its threads and memory in process-wide state, so a program makes one of these.
class DdsSolver {
  public:
    // Full tables (all five strains) per CalcAllTables call in DDS 2.9.
    static constexpr int kMaxTables = 40;

    // threads = 0: one per core this process may run on (its CPU affinity, which a batch
    // scheduler sets), not one per core of the machine.
    explicit DdsSolver(int threads = 0);
    ~DdsSolver();
    DdsSolver(const DdsSolver&) = delete;
    DdsSolver& operator=(const DdsSolver&) = delete;

    // The number of threads DDS runs with, and its version text.
    int Threads() const;
    std::string Version() const;

    // Solves every deal (in calls of at most kMaxTables) and stores its trick digits. On a
    // refusal by DDS, or hands that are not a deal, returns false with a one-line message;
    // records not yet solved keep their digits.
    bool Solve(std::span<DealRecord> deals, std::string& error);

    // DDS's view of a deal: cards[hand][suit] as rank bits (bit 14 ace .. bit 2 two), hands
    // North, East, South, West; suits spades, hearts, diamonds, clubs. False when the hands are
    // not 52 different cards.
    using DdsCards = std::array<std::array<unsigned, 4>, 4>;
    static bool ToDdsCards(const DealRecord& rec, DdsCards& cards);
    // resTable[strain][hand] (strains spades, hearts, diamonds, clubs, notrump; hands as above;
    // tricks of the declarer's side) into our digits: per strain NT, S, H, D, C the tricks of
    // North-South for declarers East, North, West, South.
    using DdsTable = std::array<std::array<int, 4>, 5>;
    static StrainIndexed<std::array<std::uint8_t, 4>> FromDdsTable(const DdsTable& res);

  private:
    struct Buffers;
    std::unique_ptr<Buffers> buf_;
};

}  // namespace lott
