// A small reader of PBN files, written from the standard for the tests: escape lines, games
// separated by empty lines, tag pairs with escaped values, comments and the lines of a table.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "Deal.h"

namespace lott::test {

struct PbnGame {
    std::vector<std::pair<std::string, std::string>> tags;  // in file order, values unescaped
    std::vector<std::string> comments;                      // the text between "{" and "}"
    std::string tableTag;                                   // the tag the table lines follow
    std::vector<std::vector<std::string>> table;            // the tokens of each table line
    std::string Tag(const std::string& name) const;         // "" when absent
};

struct PbnFile {
    std::vector<std::string> escapes;  // lines starting with "%"
    std::vector<PbnGame> games;
    std::vector<std::string> problems;  // what breaks the export format
};

PbnFile ReadPbn(const std::string& bytes);

// The hands of a Deal tag value ("W:" or another first seat, hands clockwise), [seat][suit]
// with seats West 0 .. South 3; false when the value is malformed.
bool ParseDealValue(const std::string& value, std::array<std::array<std::string, 4>, 4>& hands);

}  // namespace lott::test
