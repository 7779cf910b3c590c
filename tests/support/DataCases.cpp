#include "DataCases.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lott::test {

std::string DataCase::Get(std::string_view key) const {
    for (const auto& [k, v] : lines)
        if (k == key) return v;
    return {};
}

std::vector<DataCase> ReadCases(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<DataCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto space = line.find(' ');
        std::string key = line.substr(0, space);
        std::string value = space == std::string::npos ? "" : line.substr(space + 1);
        if (key == "case") {
            cases.push_back({file, value, {}});
        } else if (cases.empty()) {
            throw std::runtime_error(file.string() + ": a line before the first case: " + line);
        } else {
            cases.back().lines.emplace_back(std::move(key), std::move(value));
        }
    }
    return cases;
}

::testing::AssertionResult MatchesExpected(const DataCase& c, const std::string& actual) {
    std::string expected;
    for (const auto& [k, v] : c.lines)
        if (k == "expect") expected += v + '\n';
    const auto actualFile = c.file.parent_path() / (c.name + ".actual");
    std::error_code ec;
    std::filesystem::remove(actualFile, ec);
    if (actual == expected) return ::testing::AssertionSuccess();
    std::ofstream(actualFile, std::ios::binary) << actual;
    std::istringstream e(expected), a(actual);
    std::ostringstream diff;
    for (std::string el, al; e.good() || a.good();) {
        if (!std::getline(e, el)) el = "(none)";
        if (!std::getline(a, al)) al = "(none)";
        if (el != al) diff << "- expect " << el << "\n+ expect " << al << '\n';
    }
    return ::testing::AssertionFailure() << c.file.filename().string() << ", case " << c.name
                                         << " (actual in " << actualFile.string() << "):\n"
                                         << diff.str();
}

std::string CaseName(const ::testing::TestParamInfo<DataCase>& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

}  // namespace lott::test
