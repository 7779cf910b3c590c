#include "PbnReader.h"

namespace lott::test {

namespace {
// A tag line "[Name "value"]": name and unescaped value. Inside the value "\\" stands for "\"
// and "\"" for a quote; any other backslash is kept as it is (table formats use "\2R").
bool ParseTag(const std::string& line, std::string& name, std::string& value,
              std::string& problem) {
    if (line.size() < 5 || line.front() != '[' || line.back() != ']') {
        problem = "not a tag line: " + line;
        return false;
    }
    const std::size_t space = line.find(' ');
    if (space == std::string::npos || space + 1 >= line.size() || line[space + 1] != '"') {
        problem = "tag without a quoted value: " + line;
        return false;
    }
    name = line.substr(1, space - 1);
    value.clear();
    std::size_t i = space + 2;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == '"')) {
            value += line[++i];
        } else if (c == '"') {
            break;
        } else {
            value += c;
        }
    }
    if (i + 2 != line.size()) {
        problem = "text after the value: " + line;
        return false;
    }
    return true;
}

std::vector<std::string> Tokens(const std::string& line) {
    std::vector<std::string> t;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ') ++j;
        if (j > i) t.push_back(line.substr(i, j - i));
        i = j;
    }
    return t;
}
}  // namespace

std::string PbnGame::Tag(const std::string& name) const {
    for (const auto& [n, v] : tags)
        if (n == name) return v;
    return {};
}

PbnFile ReadPbn(const std::string& bytes) {
    PbnFile f;
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t lf = bytes.find('\n', pos);
        if (lf == std::string::npos) {
            f.problems.push_back("last line without a line end");
            lines.push_back(bytes.substr(pos));
            break;
        }
        if (lf == pos || bytes[lf - 1] != '\r')
            f.problems.push_back("a line end that is not CR LF");
        lines.push_back(bytes.substr(pos, lf - pos - (lf > pos && bytes[lf - 1] == '\r' ? 1 : 0)));
        pos = lf + 1;
    }
    PbnGame* game = nullptr;
    bool inTable = false;
    for (const std::string& line : lines) {
        if (line.size() > 255) f.problems.push_back("line longer than 255: " + line);
        for (char c : line)
            if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
                f.problems.push_back("character outside printable ASCII: " + line);
        if (!line.empty() && line[0] == '%') {
            f.escapes.push_back(line);
            continue;
        }
        if (line.empty()) {
            game = nullptr;
            inTable = false;
            continue;
        }
        if (!game) {
            f.games.emplace_back();
            game = &f.games.back();
        }
        if (line[0] == ';') {
            game->comments.push_back(line.substr(1));
        } else if (line[0] == '{') {
            if (line.back() != '}')
                f.problems.push_back("comment not closed on its line: " + line);
            else
                game->comments.push_back(line.substr(1, line.size() - 2));
        } else if (line[0] == '[') {
            std::string name, value, problem;
            if (!ParseTag(line, name, value, problem)) {
                f.problems.push_back(problem);
                continue;
            }
            game->tags.emplace_back(name, value);
            inTable = name.size() > 5 && name.compare(name.size() - 5, 5, "Table") == 0;
            if (inTable) game->tableTag = name;
        } else if (inTable) {
            game->table.push_back(Tokens(line));
        } else {
            f.problems.push_back("a line that is no tag, comment or table line: " + line);
        }
    }
    return f;
}

bool ParseDealValue(const std::string& value, std::array<std::array<std::string, 4>, 4>& hands) {
    static const std::string kSeats = "WNES";
    if (value.size() < 2 || value[1] != ':') return false;
    const std::size_t first = kSeats.find(value[0]);
    if (first == std::string::npos) return false;
    const std::vector<std::string> handTexts = Tokens(value.substr(2));
    if (handTexts.size() != 4) return false;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t seat = (first + k) % 4;
        std::size_t suit = 0, start = 0;
        const std::string& h = handTexts[k];
        for (std::size_t i = 0; i <= h.size(); ++i) {
            if (i == h.size() || h[i] == '.') {
                if (suit > 3) return false;
                hands[seat][suit++] = h.substr(start, i - start);
                start = i + 1;
            }
        }
        if (suit != 4) return false;
    }
    return true;
}

}  // namespace lott::test
