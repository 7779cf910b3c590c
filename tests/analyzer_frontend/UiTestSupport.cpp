#include "UiTestSupport.h"

#include <gtest/gtest.h>

namespace lott::test {

Settings Clicked(const std::vector<int>& clicks) {
    Settings s;
    s.DefaultSetting(false);
    for (int i : clicks) EXPECT_TRUE(s.Click(i)) << "click on o(" << i << ") refused";
    return s;
}

Settings Clicked(std::initializer_list<int> clicks) {
    return Clicked(std::vector<int>(clicks));
}

std::vector<std::string> CrLfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "text after the last CR LF: " << text.substr(start);
            break;
        }
        std::string line(text.substr(start, end - start));
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line end in " << line;
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

}  // namespace lott::test
