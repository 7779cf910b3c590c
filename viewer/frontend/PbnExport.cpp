#include "PbnExport.h"

#include "Cat.h"
#include "Names.h"

namespace lott {

namespace {
constexpr char kSeatLetter[4] = {'W', 'N', 'E', 'S'};
// The table lists declarers North, South, East, West.
constexpr int kTableSeats[4] = {North, South, East, West};

std::string RightAligned(std::string s, std::size_t width) {
    if (s.size() < width) s.insert(0, width - s.size(), ' ');
    return s;
}

std::string DeclarerText(std::int32_t declarer) {
    if (declarer >= 0 && declarer < 4) return std::string(1, kSeatLetter[declarer]);
    // Both partners take the same tricks: either may declare.
    const int pair = declarer == 4 ? 0 : 1;
    return Cat(std::string(1, kSeatLetter[pair]), " or ", std::string(1, kSeatLetter[pair + 2]));
}

std::string PairText(const char* name, const ContractRec& c) {
    std::string t = Cat(name, " ", std::to_string(c.Tricks), " tricks in ", StrainName[c.Strain]);
    if (c.Strain != NoTrump) t += Cat(" (", std::to_string(c.Trumps), " trumps)");
    return Cat(t, " by ", DeclarerText(c.Declarer));
}
}  // namespace

std::vector<std::string> PbnExport::FileHeader() {
    return {"% PBN 2.1", "% EXPORT"};
}

std::string PbnExport::Escape(std::string_view value) {
    std::string out;
    bool inCharacter = false;  // within the bytes of one UTF-8 character
    for (char ch : value) {
        const auto u = static_cast<unsigned char>(ch);
        const bool continuation = inCharacter && (u & 0xC0) == 0x80;
        inCharacter = u >= 0xC0 || continuation;
        if (ch == '\\' || ch == '"') {
            out += '\\';
            out += ch;
        } else if (continuation) {
            continue;  // one "?" stands for the whole character
        } else if (u < 32 || u > 126) {
            out += '?';
        } else {
            out += ch;
        }
    }
    return out;
}

std::string PbnExport::Tag(std::string_view name, std::string_view value) {
    std::string v = Escape(value);
    // "[", name, " \"", value, "\"]" on one line of at most kMaxLine characters; a cut never
    // leaves half an escape behind.
    const std::size_t room = kMaxLine > name.size() + 5 ? kMaxLine - name.size() - 5 : 0;
    if (v.size() > room) {
        std::size_t keep = 0;
        for (std::size_t i = 0; i < v.size();) {
            const std::size_t step = v[i] == '\\' ? 2 : 1;
            if (i + step > room) break;
            i += step;
            keep = i;
        }
        v.resize(keep);
    }
    return Cat("[", name, " \"", v, "\"]");
}

std::string PbnExport::DealValue(const std::array<std::array<Holding, 4>, 4>& hands) {
    std::string t = "W:";
    for (int seat = West; seat <= South; ++seat) {
        if (seat != West) t += ' ';
        for (int suit = 0; suit < 4; ++suit) {
            if (suit) t += '.';
            t += hands[seat][suit].view();
        }
    }
    return t;
}

std::string PbnExport::ContractComment(const Game& g) {
    const char* trumps = g.TrumpBy == TrumpBy::Length ? "trumps by Length" : "trumps by Score";
    const char* nt = g.NoNT == NoNT::Allowed ? "notrump allowed" : "notrump forbidden";
    return Cat("{Boardlook, ", trumps, ", ", nt, ": ", PairText("N-S", g.Contract[1]), "; ",
               PairText("W-E", g.Contract[0]), "; Total Tricks ", std::to_string(g.totalTricks),
               " (predicted ", std::to_string(g.prediction), ")}");
}

std::vector<std::string> PbnExport::GameLines(const Game& g) {
    // Tags that describe the table and the play of a deal that was never played are unknown;
    // an imported deal keeps those of the game it came from.
    const DealSource* s = g.source ? &*g.source : nullptr;
    const auto known = [](const std::string& v) { return v.empty() ? std::string("?") : v; };
    std::vector<std::string> out = {
        Tag("Event", s ? known(s->event) : g.event),
        Tag("Site", s ? known(s->site) : "?"),
        Tag("Date", s ? known(s->date) : "?"),
        Tag("Board", s ? known(s->board) : std::to_string(g.board)),
        Tag("West", "?"),
        Tag("North", "?"),
        Tag("East", "?"),
        Tag("South", "?"),
        Tag("Dealer", s ? known(s->dealer) : "N"),
        Tag("Vulnerable", s ? known(s->vulnerable) : "None"),
        Tag("Deal", DealValue(g.Hand)),
        Tag("Scoring", "?"),
        Tag("Declarer", "?"),
        Tag("Contract", "?"),
        Tag("Result", "?"),
        ContractComment(g),
        // The column format is the standard's own text: its backslashes are not escapes.
        Cat("[OptimumResultTable \"", kTableFormat, "\"]"),
    };
    for (int seat : kTableSeats)
        for (int strain = -1; strain <= 3; ++strain)
            out.push_back(Cat(std::string(1, kSeatLetter[seat]), " ",
                              RightAligned(std::string(StrainLetter[strain]), 2), " ",
                              RightAligned(std::to_string(g.Tricks[seat][strain]), 2)));
    return out;
}

}  // namespace lott
