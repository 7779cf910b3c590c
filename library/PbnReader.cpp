#include "PbnReader.h"

#include <algorithm>
#include <cctype>

#include "Names.h"

namespace lott {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// Length of the valid UTF-8 sequence at s[i], or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || (n == 2 && c < 0xC2) || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    const auto c1 = static_cast<unsigned char>(s[i + 1 < s.size() ? i + 1 : i]);
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) ||
        (c == 0xF4 && c1 >= 0x90) || c > 0xF4)
        return 0;
    return n;
}

bool ValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8Length(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

// Scans the lines of a file into games.
class GameScanner {
  public:
    std::vector<PbnGame> games;

    void Line(std::string_view line, std::size_t lineNo) {
        std::size_t i = 0;
        if (inComment_) {
            i = line.find('}');
            if (i == std::string_view::npos) return;
            inComment_ = false;
            ++i;
        } else if (!line.empty() && line[0] == '%') {
            return;  // an escape line: directives to other programs
        } else if (std::all_of(line.begin(), line.end(), IsBlank)) {
            EndGame();
            return;
        }
        std::string data;
        bool quoted = false;
        for (; i < line.size(); ++i) {
            const char c = line[i];
            if (quoted) {
                data += c;
                quoted = c != '"';
            } else if (c == '{') {
                const std::size_t end = line.find('}', i + 1);
                if (end == std::string_view::npos) {
                    inComment_ = true;
                    break;
                }
                i = end;
                data += ' ';
            } else if (c == ';') {
                break;
            } else if (c == '[') {
                Section(data);
                i = TagAt(line, i, lineNo);
            } else {
                quoted = c == '"';
                data += c;
            }
        }
        Section(data);
    }

    void EndGame() {
        if (!current_.tags.empty()) {
            // "#": the value (and the section, when the game gives none) of the previous game.
            for (auto& tag : current_.tags) {
                if (tag.value != "#") continue;
                const PbnGame::Tag* prev = games.empty() ? nullptr : games.back().Find(tag.name);
                tag.value = prev ? prev->value : "?";
                if (prev && tag.section.empty()) tag.section = prev->section;
            }
            games.push_back(std::move(current_));
        }
        current_ = PbnGame{};
    }

  private:
    // The data of a line belongs to the section of the game's last tag.
    void Section(std::string& data) {
        const auto first = data.find_first_not_of(" \t\r\f\v");
        if (first != std::string::npos && !current_.tags.empty())
            current_.tags.back().section.push_back(data.substr(first));
        data.clear();
    }

    // Reads '[Name "value"]' from line[at]; returns the index of its ']' (or the line's end for
    // a tag that is not whole, which is dropped).
    std::size_t TagAt(std::string_view line, std::size_t at, std::size_t lineNo) {
        std::size_t i = at + 1;
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t nameStart = i;
        while (i < line.size() && !IsBlank(line[i]) && line[i] != '"' && line[i] != ']') ++i;
        PbnGame::Tag tag;
        tag.name = std::string(line.substr(nameStart, i - nameStart));
        tag.line = lineNo;
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size() || line[i] != '"' || tag.name.empty()) return line.size();
        for (++i; i < line.size() && line[i] != '"'; ++i) {
            // Only a quote and a backslash are escaped; column formats keep theirs ("\\2R").
            if (line[i] == '\\' && i + 1 < line.size() &&
                (line[i + 1] == '"' || line[i + 1] == '\\'))
                ++i;
            tag.value += line[i];
        }
        if (i >= line.size()) return line.size();
        const std::size_t close = line.find(']', i);
        if (close == std::string_view::npos) return line.size();
        // A file without empty lines between its games: a tag the game already has opens the
        // next game.
        if (current_.Find(tag.name)) EndGame();
        if (current_.tags.empty()) current_.line = lineNo;
        current_.tags.push_back(std::move(tag));
        return close;
    }

    PbnGame current_;
    bool inComment_ = false;
};

constexpr const char* kSeatWord[4] = {"West", "North", "East", "South"};

int SeatOfLetter(char c) {
    switch (c) {
        case 'W':
        case 'w':
            return West;
        case 'N':
        case 'n':
            return North;
        case 'E':
        case 'e':
            return East;
        case 'S':
        case 's':
            return South;
        default:
            return -1;
    }
}

int StrainOfText(std::string_view t) {
    if (t == "NT" || t == "N" || t == "nt") return NoTrump;
    if (t.size() != 1) return -2;
    switch (t[0]) {
        case 'S':
        case 's':
            return 0;
        case 'H':
        case 'h':
            return 1;
        case 'D':
        case 'd':
            return 2;
        case 'C':
        case 'c':
            return 3;
        default:
            return -2;
    }
}

// The digit position of a declarer in the library's trick digits: East, North, West, South.
int Position(int seat) {
    static constexpr int kPos[4] = {2, 1, 0, 3};
    return kPos[seat];
}

std::uint8_t NsTricks(int declarer, int tricks) {
    return static_cast<std::uint8_t>(declarer % 2 == 1 ? tricks : 13 - tricks);
}

std::vector<std::string_view> Words(std::string_view s, char sep = 0) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (sep ? s[i] == sep : IsBlank(s[i])) {
            if (sep) out.emplace_back();
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < s.size() && !(sep ? s[j] == sep : IsBlank(s[j]))) ++j;
        if (sep && !out.empty() && out.back().empty()) out.pop_back();
        out.push_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

using Digits = StrainIndexed<std::array<std::uint8_t, 4>>;

// OptimumResultTable: the column format names where declarer, strain and result stand.
bool FromOptimumTable(const PbnGame::Tag& tag, Digits& out, std::string& why) {
    int colDeclarer = -1, colStrain = -1, colResult = -1, col = 0;
    for (std::string_view c : Words(tag.value, ';')) {
        // A column is its name and perhaps a width and alignment: "Result\\2R".
        std::size_t letters = 0;
        while (letters < c.size() && std::isalpha(static_cast<unsigned char>(c[letters])))
            ++letters;
        c = c.substr(0, letters);
        if (c == "Declarer") colDeclarer = col;
        if (c == "Denomination") colStrain = col;
        if (c == "Result") colResult = col;
        ++col;
    }
    if (colDeclarer < 0 || colStrain < 0 || colResult < 0) {
        why = "OptimumResultTable without Declarer, Denomination and Result columns";
        return false;
    }
    std::array<std::array<bool, 5>, 4> seen{};
    for (const std::string& line : tag.section) {
        const auto w = Words(line);
        if (static_cast<int>(w.size()) != col) {
            why = "OptimumResultTable line \"" + line + "\" has not " + std::to_string(col) +
                  " columns";
            return false;
        }
        const auto r = w[static_cast<std::size_t>(colResult)];
        const int seat = w[static_cast<std::size_t>(colDeclarer)].size() == 1
                             ? SeatOfLetter(w[static_cast<std::size_t>(colDeclarer)][0])
                             : -1;
        const int strain = StrainOfText(w[static_cast<std::size_t>(colStrain)]);
        int tricks = -1;
        if (r.size() == 1 && r[0] >= '0' && r[0] <= '9') tricks = r[0] - '0';
        if (r.size() == 2 && r[0] == '1' && r[1] >= '0' && r[1] <= '3') tricks = 10 + r[1] - '0';
        if (seat < 0 || strain < -1 || tricks < 0) {
            why = "OptimumResultTable line \"" + line + "\" is not declarer, strain, tricks";
            return false;
        }
        auto& s = seen[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain + 1)];
        if (s) {
            why = "OptimumResultTable gives \"" + line + "\" twice";
            return false;
        }
        s = true;
        out[strain][static_cast<std::size_t>(Position(seat))] = NsTricks(seat, tricks);
    }
    for (const auto& s : seen)
        for (bool b : s)
            if (!b) {
                why = "OptimumResultTable lacks some of the 20 results";
                return false;
            }
    return true;
}

// DoubleDummyTricks: declarers N, S, E, W, each in NT, S, H, D, C, tricks as 0-9a-d.
bool FromDdTricks(std::string_view v, Digits& out, std::string& why) {
    static constexpr int kSeats[4] = {North, South, East, West};
    if (v.size() != 20) {
        why = "DoubleDummyTricks \"" + std::string(v) + "\" is not 20 characters";
        return false;
    }
    for (std::size_t i = 0; i < 20; ++i) {
        const char c = v[i];
        const int t = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'd' ? c - 'a' + 10
                      : c >= 'A' && c <= 'D' ? c - 'A' + 10
                                             : -1;
        if (t < 0) {
            why = "DoubleDummyTricks \"" + std::string(v) + "\" holds a character not 0-9a-d";
            return false;
        }
        const int seat = kSeats[i / 5];
        out[static_cast<int>(i % 5) - 1][static_cast<std::size_t>(Position(seat))] =
            NsTricks(seat, t);
    }
    return true;
}

bool Unknown(std::string_view v) {
    return v.empty() || v == "?" || v == "-";
}

}  // namespace

const PbnGame::Tag* PbnGame::Find(std::string_view name) const {
    for (const auto& t : tags)
        if (t.name == name) return &t;
    return nullptr;
}

std::string PbnGame::Value(std::string_view name) const {
    const Tag* t = Find(name);
    return t ? t->value : std::string();
}

std::string PbnReader::ToUtf8(std::string_view bytes) {
    if (ValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::vector<PbnGame> PbnReader::ReadGames(std::string_view file) {
    const std::string text = ToUtf8(file);
    std::string_view rest = text;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    GameScanner scan;
    for (std::size_t lineNo = 1; !rest.empty(); ++lineNo) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        scan.Line(line, lineNo);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    scan.EndGame();
    return std::move(scan.games);
}

bool PbnReader::DealOf(const PbnGame& game, DealRecord& rec, std::string& why) {
    const PbnGame::Tag* tag = game.Find("Deal");
    if (!tag || Unknown(tag->value)) {
        why = "no deal";
        return false;
    }
    const std::string_view v = tag->value;
    // "N:" (or E, S, W) and the four hands clockwise from that seat.
    const int first = v.size() > 2 && v[1] == ':' ? SeatOfLetter(v[0]) : -1;
    const std::size_t colon = 1;
    const auto hands = first < 0 ? std::vector<std::string_view>{} : Words(v.substr(colon + 1));
    if (first < 0 || hands.size() != 4) {
        why = "deal \"" + tag->value + "\" is not a first seat and four hands";
        return false;
    }
    std::array<std::uint16_t, 4> held{};  // [suit] ranks seen
    std::array<std::array<std::uint16_t, 4>, 4> ranks{};
    int unknownSeat = -1, unknownCount = 0;
    for (int i = 0; i < 4; ++i) {
        const int seat = (first + i) % 4;
        const std::string_view h = hands[static_cast<std::size_t>(i)];
        if (h == "-") {
            unknownSeat = seat;
            ++unknownCount;
            continue;
        }
        int suit = 0, cards = 0;
        for (char c : h) {
            if (c == '.') {
                if (++suit > 3) break;
                continue;
            }
            const char up = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            const int r = CardRank(up);
            if (r < 0) {
                why = "deal \"" + tag->value + "\" holds '" + std::string(1, c) + "', no card";
                return false;
            }
            const auto bit = static_cast<std::uint16_t>(1u << r);
            if (held[static_cast<std::size_t>(suit)] & bit) {
                why = std::string("deal has the ") + "SHDC"[suit] + up + " twice";
                return false;
            }
            held[static_cast<std::size_t>(suit)] |= bit;
            ranks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(suit)] |= bit;
            ++cards;
        }
        if (suit != 3) {
            why = "hand \"" + std::string(h) + "\" is not four suits";
            return false;
        }
        if (cards != 13) {
            why = std::string(kSeatWord[seat]) + " has " + std::to_string(cards) + " cards";
            return false;
        }
    }
    if (unknownCount > 1) {
        why = "deal incomplete: " + std::to_string(unknownCount) + " hands unknown";
        return false;
    }
    if (unknownSeat >= 0)
        for (int suit = 0; suit < 4; ++suit)
            ranks[static_cast<std::size_t>(unknownSeat)][static_cast<std::size_t>(suit)] =
                static_cast<std::uint16_t>(~held[static_cast<std::size_t>(suit)] & 0x1FFFu);
    rec = DealRecord{};
    for (int seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            rec.hands[seat][suit].SetRanks(
                ranks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(suit)]);
    return true;
}

PbnReader::Table PbnReader::TricksOf(const PbnGame& game, Digits& tricks, std::string& why) {
    const PbnGame::Tag* opt = game.Find("OptimumResultTable");
    const PbnGame::Tag* ddt = game.Find("DoubleDummyTricks");
    const bool hasOpt = opt && !(Unknown(opt->value) && opt->section.empty());
    const bool hasDdt = ddt && !Unknown(ddt->value);
    if (!hasOpt && !hasDdt) return Table::None;
    Digits d{};
    if (hasOpt && FromOptimumTable(*opt, d, why)) {
        tricks = d;
        return Table::Given;
    }
    std::string whyDdt;
    if (hasDdt && FromDdTricks(ddt->value, d, hasOpt ? whyDdt : why)) {
        tricks = d;
        return Table::Given;
    }
    return Table::Damaged;
}

}  // namespace lott
