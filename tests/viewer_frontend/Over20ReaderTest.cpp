// Reading "Over20.txt": a line longer than any the analyzer writes is no list line, and no bad
// line stops the reading of the others.
#include <gtest/gtest.h>

#include "Over20Reader.h"
#include "TestLibrary.h"

namespace lott {
namespace {

TEST(Over20Reader, OverlongAndBadLinesAreSkipped) {
    const std::string listed = " 21, 22 #5 ( 19, 21)";
    const auto padded = [&](std::size_t length) {
        return listed + std::string(length - listed.size(), 'x');
    };
    const std::string text = padded(Over20Reader::kMaxLine) + "\r\n" +
                             padded(Over20Reader::kMaxLine + 1) + "\n" + padded(3 << 20) +
                             "\r\n 21, 22 # 3\r\n 21, 22 #\r\n 21, 22 #99999999999\r\n21.5 #4\n" +
                             "x21 #4\r\n\r\n\n-21 #4\r\n" + listed + "\r\n" +
                             padded(Over20Reader::kMaxLine + 1);  // the last line, without its end
    const std::vector<std::string> expected = {padded(Over20Reader::kMaxLine), listed};
    EXPECT_EQ(Over20Reader::Select(text, 21), expected);
    test::TempFolder dir;
    test::WriteFile(dir / Over20Reader::kFileName, text);
    EXPECT_EQ(Over20Reader::ReadFile(dir / Over20Reader::kFileName, 21), expected);
    EXPECT_TRUE(Over20Reader::ReadFile(dir / "absent.txt", 21).empty());
    EXPECT_TRUE(Over20Reader::ReadFile(dir.path(), 21).empty());  // a folder, not a file
}

}  // namespace
}  // namespace lott
