// makelibrary --check: a sound library passes; every kind of damage is named with its deal.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "LibraryChecker.h"
#include "LibraryMaker.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

std::string AllFaults(const CheckSummary& s) {
    std::string all;
    for (const auto& f : s.faults) all += f + "\n";
    return all;
}

// The listed faults hold this text.
testing::AssertionResult Names(const CheckSummary& s, const std::string& fault) {
    if (AllFaults(s).find(fault) != std::string::npos) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\"" << fault << "\" not in:\n" << AllFaults(s);
}

// A small library really solved by DDS, made once for the whole suite; each test checks a
// copy of it, damaged as it likes.
class LibraryCheckerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        solver_ = new DdsSolver(0);
        made_ = new test::TempFolder;
        LibraryWriter w;
        std::string error;
        ASSERT_TRUE(w.Create(made_->path(), 12, kDeals, error)) << error;
        ASSERT_EQ(LibraryMaker(*solver_).Run(w, nullptr, nullptr, error),
                  LibraryMaker::Outcome::Finished)
            << error;
    }
    static void TearDownTestSuite() {
        delete made_;
        delete solver_;
    }
    void SetUp() override {
        bin_ = test::ReadFile(*made_ / "Library.bin");
        asc_ = test::ReadFile(*made_ / "Library.asc");
        ASSERT_EQ(bin_.size(), static_cast<std::size_t>(kDeals * kBinRecLen));
    }
    // Writes the (changed) files and checks them; DDS solves every deal again when asked.
    CheckSummary Check(bool solveAgain = false) {
        test::WriteFile(dir_ / "Library.bin", bin_);
        test::WriteFile(dir_ / "Library.asc", asc_);
        CheckSummary s;
        std::string error;
        LibraryChecker checker(solveAgain ? solver_ : nullptr);
        EXPECT_TRUE(checker.Check(dir_.path(), kDeals, 1, s, error)) << error;
        return s;
    }
    char& BinByte(int deal, int offset) {
        return bin_[static_cast<std::size_t>((deal - 1) * kBinRecLen + offset)];
    }
    char& AscByte(int deal, int offset) {
        return asc_[static_cast<std::size_t>((deal - 1) * kAscRecLen + offset)];
    }

    static constexpr int kDeals = 4;
    static DdsSolver* solver_;
    static test::TempFolder* made_;
    test::TempFolder dir_;
    std::string bin_, asc_;
};
DdsSolver* LibraryCheckerTest::solver_ = nullptr;
test::TempFolder* LibraryCheckerTest::made_ = nullptr;

TEST_F(LibraryCheckerTest, ASoundLibraryPassesAndDdsAgreesWithEveryDeal) {
    CheckSummary s = Check(true);
    EXPECT_TRUE(s.Ok()) << AllFaults(s);
    EXPECT_EQ(s.binDeals, kDeals);
    EXPECT_EQ(s.ascDeals, kDeals);
    EXPECT_EQ(s.sampled, kDeals);
    EXPECT_EQ(s.sampleAgreed, kDeals);
    std::int64_t counted = 0;
    for (auto c : s.byTotalLength) counted += c;
    EXPECT_EQ(counted, kDeals);

    std::ostringstream out;
    LibraryChecker::Report(s, dir_.path(), out);
    EXPECT_NE(out.str().find(": 4 deals in Library.bin, 4 in Library.asc"), std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("4 agree in all 20 results"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Total Length"), std::string::npos);
    EXPECT_EQ(out.str().substr(out.str().size() - 3), "OK\n");
}

TEST_F(LibraryCheckerTest, AFlippedByteInEitherFileIsFoundAtItsDeal) {
    std::string good = bin_;
    BinByte(2, 5) = static_cast<char>(BinByte(2, 5) ^ 0x0C);  // a heart changes hands
    CheckSummary s = Check();
    EXPECT_FALSE(s.Ok());
    EXPECT_TRUE(Names(s, "deal 2: Library.bin and Library.asc hold other hands"));
    EXPECT_EQ(AllFaults(s).find("deal 1"), std::string::npos) << AllFaults(s);

    bin_ = good;
    char& card = AscByte(3, 20);  // a card letter of North's hand
    card = card == '2' ? '3' : '2';
    s = Check();
    EXPECT_FALSE(s.Ok());
    EXPECT_TRUE(Names(s, "deal 3: "));

    asc_ = test::ReadFile(*made_ / "Library.asc");
    char& digit = BinByte(4, 19);  // spades: West's digit high, South's low
    digit = static_cast<char>(digit ^ 0x01);
    s = Check();
    EXPECT_TRUE(
        Names(s,
              "deal 4: Library.bin and Library.asc differ in 1 of 20 results, first Spades with "
              "South declaring"));

    bin_ = good;
    BinByte(1, 8) = static_cast<char>(BinByte(1, 8) | 0x80);  // the unused bits of diamonds
    s = Check();
    EXPECT_TRUE(Names(s, "deal 1: Library.bin: unused bits are set in the Diamonds"));
}

TEST_F(LibraryCheckerTest, ADigitAboveThirteenIsFoundInBothForms) {
    // The same impossible digit in both files, so only the range check can see it: hearts with
    // North declaring (second digit of the hearts group).
    BinByte(2, 20) = static_cast<char>((BinByte(2, 20) & 0xF0) | 0x0E);
    AscByte(2, 68 + 8 + 1) = 'E';
    CheckSummary s = Check();
    EXPECT_EQ(s.faultCount, 2) << AllFaults(s);
    EXPECT_TRUE(Names(s, "deal 2: Library.bin: 14 tricks in Hearts with North declaring"));
    EXPECT_TRUE(Names(s, "deal 2: Library.asc: 14 tricks in Hearts with North declaring"));

    AscByte(2, 68 + 8 + 1) = 'x';
    s = Check();
    EXPECT_TRUE(Names(s, "\"x\" is no trick digit"));
}

TEST_F(LibraryCheckerTest, ACardTwiceOrAHandOfTheWrongSizeIsFound) {
    // In the text form: the second card of a suit group made equal to the first.
    std::size_t at = 0;
    while (!(asc_[at] != '.' && asc_[at + 1] != '.' && at % 17 < 15)) ++at;
    asc_[at + 1] = asc_[at];
    CheckSummary s = Check();
    EXPECT_TRUE(Names(s,
                      "deal 1: Library.asc: the hands are not four hands of 13 "
                      "different cards"));

    // In the binary form a card can only change hands: one hand then holds 14.
    asc_ = test::ReadFile(*made_ / "Library.asc");
    char& ace = BinByte(3, 3);  // spade ace in bits 0-1 of B3
    int owner = ace & 3;
    ace = static_cast<char>((ace & ~3) | ((owner + 1) & 3));
    s = Check();
    EXPECT_TRUE(Names(s, "holds 14 cards"));
    EXPECT_TRUE(Names(s, "holds 12 cards"));
}

TEST_F(LibraryCheckerTest, FilesOutOfStepAreFound) {
    // Deals 2 and 3 in the other order in the text form.
    std::string d2 = asc_.substr(kAscRecLen, kAscRecLen),
                d3 = asc_.substr(2 * kAscRecLen, kAscRecLen);
    asc_.replace(kAscRecLen, kAscRecLen, d3);
    asc_.replace(2 * kAscRecLen, kAscRecLen, d2);
    CheckSummary s = Check();
    EXPECT_TRUE(Names(s, "deal 2: Library.bin and Library.asc hold other hands"));
    EXPECT_TRUE(Names(s, "deal 3: Library.bin and Library.asc hold other hands"));

    asc_ = test::ReadFile(*made_ / "Library.asc");
    asc_.resize(asc_.size() - kAscRecLen);
    bin_ += "12345";
    s = Check();
    EXPECT_TRUE(Names(s, "Library.bin holds 4 deals, Library.asc 3"));
    EXPECT_TRUE(Names(s, "Library.bin ends in a partial record of 5 bytes"));

    bin_.clear();
    asc_.clear();
    s = Check();
    EXPECT_TRUE(Names(s, "no deals"));
}

TEST_F(LibraryCheckerTest, OnlySolvingAgainCatchesAPlausibleButWrongResult) {
    // Both files agree on a digit that is in range but not what DDS finds.
    int v = BinByte(3, 16) >> 4 & 15;  // notrump, East declaring
    int wrong = v == 13 ? 12 : v + 1;
    BinByte(3, 16) = static_cast<char>((BinByte(3, 16) & 0x0F) | wrong << 4);
    AscByte(3, 68) = "0123456789ABCD"[wrong];
    EXPECT_TRUE(Check(false).Ok());
    CheckSummary s = Check(true);
    EXPECT_EQ(s.sampleAgreed, kDeals - 1);
    EXPECT_TRUE(Names(s,
                      "deal 3: DDS differs in 1 of 20 results, first NoTrump with East "
                      "declaring: DDS gives North-South " +
                          std::to_string(v) + " tricks, the library " + std::to_string(wrong)));
    std::ostringstream out;
    LibraryChecker::Report(s, dir_.path(), out);
    EXPECT_NE(out.str().find("FAILED: 1 fault"), std::string::npos) << out.str();
}

TEST(LibraryChecker, MissingFilesAreAOneLineError) {
    test::TempFolder dir;
    test::WriteBin(dir / "Library.bin", {});
    LibraryChecker checker(nullptr);
    CheckSummary s;
    std::string error;
    EXPECT_FALSE(checker.Check(dir.path(), 0, 1, s, error));
    EXPECT_EQ(error, (dir / "Library.asc").string() + " is missing");
    EXPECT_FALSE(checker.Check(dir / "nowhere", 0, 1, s, error));
    EXPECT_NE(error.find("Library.bin is missing"), std::string::npos);
}

TEST(LibraryChecker, CountsDealsByTotalLength) {
    test::TempFolder dir;
    // One whole suit in each hand: both sides' longest is 13, Total Length 26.
    DealRecord whole = test::MakeRecord(
        {"...AKQJT98765432", "AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432."},
        {"D0D0", "DDDD", "0000", "DDDD", "0000"});
    // Four 4-3-3-3 hands whose fours make one 7-card fit per side: Total Length 14.
    DealRecord flat = test::MakeRecord(
        {"AKQJ.AKQ.AKQ.AKQ", "T98.JT98.JT9.JT9", "765.765.8765.876", "432.432.432.5432"},
        {"7777", "7777", "7777", "7777", "7777"});
    test::WriteBin(dir / "Library.bin", {flat, whole, flat});
    test::WriteAsc(dir / "Library.asc", {flat, whole, flat});
    LibraryChecker checker(nullptr);
    CheckSummary s;
    std::string error;
    ASSERT_TRUE(checker.Check(dir.path(), 0, 1, s, error)) << error;
    EXPECT_TRUE(s.Ok()) << AllFaults(s);
    std::array<std::int64_t, 27> expected{};
    expected[14] = 2;
    expected[26] = 1;
    EXPECT_EQ(s.byTotalLength, expected);

    std::ostringstream out;
    LibraryChecker::Report(s, dir.path(), out);
    EXPECT_NE(out.str().find("          14       2  66.67 %"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("          26       1  33.33 %"), std::string::npos) << out.str();
}

TEST(LibraryChecker, ListsTheFirstFaultsAndCountsTheRest) {
    test::TempFolder dir;
    std::mt19937 rng(4), rng2(5);
    std::vector<DealRecord> one, other;
    for (int i = 0; i < 40; ++i) {
        one.push_back(test::RandomRecord(rng));
        other.push_back(test::RandomRecord(rng2));
    }
    test::WriteBin(dir / "Library.bin", one);
    test::WriteAsc(dir / "Library.asc", other);
    LibraryChecker checker(nullptr);
    CheckSummary s;
    std::string error;
    ASSERT_TRUE(checker.Check(dir.path(), 0, 1, s, error)) << error;
    EXPECT_GE(s.faultCount, 40);  // every deal differs, in hands at least
    EXPECT_EQ(s.faults.size(), CheckSummary::kListed);
    EXPECT_EQ(s.faults.front().rfind("deal 1: ", 0), 0u) << s.faults.front();
    std::ostringstream out;
    LibraryChecker::Report(s, dir.path(), out);
    EXPECT_NE(out.str().find("... and " + std::to_string(s.faultCount - 20) + " more faults"),
              std::string::npos)
        << out.str();
}

}  // namespace
}  // namespace lott
