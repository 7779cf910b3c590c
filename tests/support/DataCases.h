// Test cases kept as data: blocks of "key value" lines in a text file, read by one parameterised
// test per folder, and the check of what the code gives against a case's "expect" lines.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lott::test {

struct DataCase {
    std::filesystem::path file;
    std::string name;
    std::vector<std::pair<std::string, std::string>> lines;  // key, the rest of the line

    std::string Get(std::string_view key) const;  // the first value of key, or ""
};

// A case opens with "case NAME"; blank lines and lines that open with '#' are skipped.
std::vector<DataCase> ReadCases(const std::filesystem::path& file);

// The case's "expect" lines (each ending in a line feed) equal actual, or a failure showing the
// lines that differ; the actual lines are then written to NAME.actual beside the data file, to
// compare or to take over after checking them.
::testing::AssertionResult MatchesExpected(const DataCase& c, const std::string& actual);

// The case's name as a test name, and in messages.
std::string CaseName(const ::testing::TestParamInfo<DataCase>& info);
inline void PrintTo(const DataCase& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace lott::test
