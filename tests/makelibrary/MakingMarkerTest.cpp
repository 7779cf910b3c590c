// The Library.making note: what it records, and that damaged notes are not taken for ours.
#include <gtest/gtest.h>

#include "MakingMarker.h"

namespace lott {
namespace {

TEST(MakingMarker, TextReadsBackAndDamagedTextIsRefused) {
    MakingMarker m;
    m.seed = 18446744073709551615ull;
    m.target = 717102;
    m.done = 4000;
    m.binHash = 0x0123456789abcdefull;
    m.ascHash = 0xfedcba9876543210ull;
    auto back = MakingMarker::Parse(m.Text());
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, m);

    std::string text = m.Text();
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_TRUE(MakingMarker::Parse(crlf)) << "line ends of another system";

    // The marker's lines, one left out or one changed.
    auto edited = [&](std::string_view key, std::string_view newLine) {
        std::string out, line;
        for (char c : text) {
            if (c != '\n') {
                line += c;
                continue;
            }
            bool hit = line.starts_with(std::string(key) + " ");
            if (!hit) out += line + "\n";
            if (hit && !newLine.empty()) out += std::string(newLine) + "\n";
            line.clear();
        }
        return out;
    };
    auto without = [&](std::string_view key) { return edited(key, ""); };
    EXPECT_FALSE(MakingMarker::Parse(""));
    EXPECT_FALSE(MakingMarker::Parse("seed 1\ndeals 2\n")) << "no first line";
    for (auto key : {"seed", "deals", "done", "bin-hash", "asc-hash"})
        EXPECT_FALSE(MakingMarker::Parse(without(key))) << "without " << key;

    EXPECT_FALSE(MakingMarker::Parse(edited("done", "done 800000"))) << "more done than asked";
    EXPECT_FALSE(MakingMarker::Parse(edited("done", "done -1")));
    EXPECT_FALSE(MakingMarker::Parse(edited("deals", "deals 0")));
    EXPECT_FALSE(MakingMarker::Parse(edited("deals", "deals 7x")));
    EXPECT_FALSE(MakingMarker::Parse(edited("bin-hash", "bin-hash xyz")));
    EXPECT_FALSE(MakingMarker::Parse(edited("seed", "seed")));
}

TEST(ContentHash, IsFnv1aAndContinuesAcrossPieces) {
    // Published FNV-1a 64 values.
    EXPECT_EQ(ContentHash().value(), 0xcbf29ce484222325ull);
    ContentHash a;
    a.Add("a", 1);
    EXPECT_EQ(a.value(), 0xaf63dc4c8601ec8cull);
    ContentHash foobar;
    foobar.Add("foobar", 6);
    EXPECT_EQ(foobar.value(), 0x85944171f73967e8ull);

    ContentHash first;
    first.Add("foo", 3);
    ContentHash rest(first.value());
    rest.Add("bar", 3);
    EXPECT_EQ(rest.value(), foobar.value());
}

}  // namespace
}  // namespace lott
