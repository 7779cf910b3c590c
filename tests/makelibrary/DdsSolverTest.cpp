// DDS behind DdsSolver: the seat, strain and side mapping, proved on deals whose double-dummy
// results can be worked out by hand.
#include <gtest/gtest.h>

#include "DdsSolver.h"
#include "DealGenerator.h"
#include "TestLibrary.h"

namespace lott {
namespace {

// Digits as the library writes them: per strain NT, S, H, D, C the tricks of North-South for
// declarers East, North, West, South.
std::array<std::string, 5> DigitText(const DealRecord& r) {
    std::array<std::string, 5> out;
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int strain = -1; strain <= 3; ++strain)
        for (int pos = 0; pos < 4; ++pos) out[strain + 1] += kHex[r.nsTricks[strain][pos]];
    return out;
}

DealRecord Hands(std::string_view w, std::string_view n, std::string_view e, std::string_view s) {
    return DealRecord::FromText({w, n, e, s});
}

TEST(DdsSolver, SolvesHandBuiltDealsToTheResultsWorkedOutByHand) {
    std::vector<DealRecord> deals{
        // Each hand one solid suit: a trump suit belongs to one side outright, and in notrump
        // the opening leader's side takes every trick (so E and W declaring give 13 to N-S).
        Hands("...AKQJT98765432", "AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432."),
        // South holds the top diamonds and clubs, West the small ones: in notrump only North
        // declaring loses everything (East leads hearts); South declaring, West must lead into
        // South's winners.
        Hands("..765432.8765432", "AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98.AKQJT9"),
        // The mirror image within E-W: West holds the winners over North's small cards, so in
        // notrump N-S take everything only when South leads (East declaring).
        Hands("..AKQJT98.AKQJT9", "..765432.8765432", ".AKQJT98765432..", "AKQJT98765432..."),
        // N-S hold all thirteen spades and every top card: 13 tricks in notrump and spades
        // whoever declares.
        Hands(".98765432.T9876.", "AKQJT98.AK.AK.AK", "..5432.T98765432", "765432.QJT.QJ.QJ"),
    };
    // Hand-typed hands: make sure each is a deal before trusting what DDS says of it.
    std::array<std::array<int, 13>, 4> owner{};
    for (const auto& d : deals) ASSERT_TRUE(d.OwnerTable(owner));

    DdsSolver solver;
    std::string error;
    ASSERT_TRUE(solver.Solve(deals, error)) << error;

    // NT: East and West declaring, N-S lead and run their suit; each suit is its holder's.
    EXPECT_EQ(DigitText(deals[0]),
              (std::array<std::string, 5>{"D0D0", "DDDD", "0000", "DDDD", "0000"}));

    auto b = DigitText(deals[1]);
    EXPECT_EQ(b[0], "D0DD");
    EXPECT_EQ(b[1], "DDDD");
    EXPECT_EQ(b[2], "0000");
    EXPECT_EQ(b[3], "DDDD");  // South's seven diamonds over West's six

    auto c = DigitText(deals[2]);
    EXPECT_EQ(c[0], "D000");
    EXPECT_EQ(c[1], "DDDD");
    EXPECT_EQ(c[2], "0000");
    EXPECT_EQ(c[3], "0000");  // West's seven diamonds over North's six

    auto d = DigitText(deals[3]);
    EXPECT_EQ(d[0], "DDDD");
    EXPECT_EQ(d[1], "DDDD");
}

}  // namespace
}  // namespace lott
