#include "LibraryChecker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <set>
#include <sstream>
#include <unordered_map>

#include "DealGenerator.h"
#include "FitOdds.h"
#include "LibraryFile.h"
#include "MakingMarker.h"
#include "Names.h"

namespace lott {

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 4> kSeatWord{"West", "North", "East", "South"};
// Digit positions name the declarers East, North, West, South.
constexpr std::array<int, 4> kDeclarerByPosition{East, North, West, South};

std::string Where(std::int32_t dealNo) {
    return "deal " + std::to_string(dealNo) + ": ";
}

std::string DigitPlace(int strain, int pos) {
    return std::string(StrainName[strain]) + " with " + kSeatWord[kDeclarerByPosition[pos]] +
           " declaring";
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Total Length: W-E's longest combined suit plus N-S's.
int TotalLength(Deal& d) {
    d.CountLengths();
    return d.SideStrain[0][d.LongestFit[0]].FitLen + d.SideStrain[1][d.LongestFit[1]].FitLen;
}

// Which deals to solve again: k different numbers of 1..n, drawn from the seed (Floyd's method).
std::vector<std::int32_t> SampleDeals(std::int32_t n, int k, std::uint64_t seed) {
    std::vector<std::int32_t> all;
    if (k >= n) {
        for (std::int32_t i = 1; i <= n; ++i) all.push_back(i);
        return all;
    }
    DealGenerator draw(seed);
    std::set<std::int32_t> chosen;
    for (std::int32_t j = n - k + 1; j <= n; ++j) {
        auto t = static_cast<std::int32_t>(draw.Below(static_cast<std::uint64_t>(j))) + 1;
        chosen.insert(chosen.count(t) ? j : t);
    }
    return {chosen.begin(), chosen.end()};
}

// One fault per file and deal for its trick digits: the first bad one, and how many more.
template <class DigitAt>
void DigitFaults(std::int32_t dealNo, const char* file, DigitAt digitAt, CheckSummary& s) {
    int bad = 0, firstStrain = 0, firstPos = 0;
    for (int strain = -1; strain <= 3; ++strain)
        for (int pos = 0; pos < 4; ++pos) {
            char c = digitAt(strain, pos);
            if (IsHexDigit(c) && HexDigitValue(c) <= 13) continue;
            if (bad++ > 0) continue;
            firstStrain = strain;
            firstPos = pos;
        }
    if (bad == 0) return;
    std::ostringstream text;
    char c = digitAt(firstStrain, firstPos);
    text << Where(dealNo) << file << ": ";
    if (IsHexDigit(c))
        text << HexDigitValue(c) << " tricks in " << DigitPlace(firstStrain, firstPos);
    else
        text << '"' << c << "\" is no trick digit (" << DigitPlace(firstStrain, firstPos) << ")";
    if (bad > 1) text << " and " << bad - 1 << " more bad trick digits";
    s.Fault(text.str());
}

// The first of the 20 results where two tables differ, and how many differ.
struct TableDifference {
    int count = 0;
    int strain = 0, pos = 0;
};
template <class A, class B>
TableDifference Differences(A a, B b) {
    TableDifference d;
    for (int strain = -1; strain <= 3; ++strain)
        for (int pos = 0; pos < 4; ++pos)
            if (a(strain, pos) != b(strain, pos) && d.count++ == 0) {
                d.strain = strain;
                d.pos = pos;
            }
    return d;
}

// The faults of one binary record; true when its hands are a deal (13 cards each).
bool CheckBin(std::int32_t dealNo, const std::uint8_t* rec, Deal& d, CheckSummary& s) {
    for (int suit = 0; suit < 4; ++suit)
        if (rec[suit * 4] & 0xFC)
            s.Fault(Where(dealNo) + "Library.bin: unused bits are set in the " +
                    std::string(StrainName[suit]) + " bytes");
    d.DecodeBinDeal(rec);
    bool handsOk = true;
    for (int seat = 0; seat < 4; ++seat) {
        int cards = 0;
        for (const auto& h : d.Hand[seat]) cards += h.size();
        if (cards != 13) {
            s.Fault(Where(dealNo) + "Library.bin: " + kSeatWord[seat] + " holds " +
                    std::to_string(cards) + " cards");
            handsOk = false;
        }
    }
    DigitFaults(
        dealNo, "Library.bin", [&](int strain, int pos) { return d.TrickHex[strain][pos]; }, s);
    return handsOk;
}

// The faults of one ASCII record; true when it decodes.
bool CheckAsc(std::int32_t dealNo, const std::uint8_t* rec, Deal& d, CheckSummary& s) {
    const char* text = reinterpret_cast<const char*>(rec);
    // The readers pass over the separators, so only a check can see a record out of place.
    for (int seat = 0; seat < 4; ++seat)
        if (text[16 + 17 * seat] != ' ')
            s.Fault(Where(dealNo) + "Library.asc: no space after " + kSeatWord[seat] + "'s hand");
    if (text[88] != '\n' && text[88] != '\r')
        s.Fault(Where(dealNo) + "Library.asc: the record does not end in a line end");
    bool ok = d.DecodeAscDeal(text) == RecordStatus::Ok;
    if (!ok)
        s.Fault(Where(dealNo) + "Library.asc: the hands are not four hands of 13 different cards");
    DigitFaults(
        dealNo, "Library.asc",
        [&](int strain, int pos) { return text[68 + 4 * (strain + 1) + pos]; }, s);
    return ok;
}

void CompareForms(std::int32_t dealNo, const Deal& b, const Deal& a, CheckSummary& s) {
    if (b.Hand != a.Hand) {
        s.Fault(Where(dealNo) + "Library.bin and Library.asc hold other hands");
        return;
    }
    auto vb = [&](int strain, int pos) { return HexDigitValue(b.TrickHex[strain][pos]); };
    auto va = [&](int strain, int pos) { return HexDigitValue(a.TrickHex[strain][pos]); };
    TableDifference d = Differences(vb, va);
    if (d.count)
        s.Fault(Where(dealNo) + "Library.bin and Library.asc differ in " + std::to_string(d.count) +
                " of 20 results, first " + DigitPlace(d.strain, d.pos) + ": " +
                std::to_string(vb(d.strain, d.pos)) + " against " +
                std::to_string(va(d.strain, d.pos)) + " tricks for North-South");
}

// Chi-square of the deals by Total Length against the odds, over the lengths expected to hold
// at least five deals (fewer would dominate the sum by chance); their number in cells.
double ChiSquare(const CheckSummary& s, int& cells) {
    std::int64_t counted = 0;
    for (auto c : s.byTotalLength) counted += c;
    FitOddsTable odds = FitOdds();
    double chi2 = 0;
    cells = 0;
    for (int len = 14; len <= 26; ++len) {
        const auto c = static_cast<double>(s.byTotalLength[static_cast<std::size_t>(len)]);
        const double e = static_cast<double>(odds(1, len)) * static_cast<double>(counted);
        if (e >= 5) {
            chi2 += (c - e) * (c - e) / e;
            ++cells;
        }
    }
    return chi2;
}

}  // namespace

void CheckSummary::Fault(std::string text) {
    ++faultCount;
    if (faults.size() < kListed) faults.push_back(std::move(text));
}

bool LibraryChecker::Check(const fs::path& dir, int sample, std::uint64_t sampleSeed,
                           CheckSummary& s, std::string& error) {
    s = CheckSummary{};
    LibraryFile bin, asc;
    for (auto [file, name, mode] :
         {std::tuple{&bin, kBinLibName, LibMode::Binary}, {&asc, kAscLibName, LibMode::Ascii}}) {
        std::error_code ec;
        fs::path p = dir / name;
        if (!fs::is_regular_file(p, ec)) {
            error = p.string() + " is missing";
            return false;
        }
        if (!file->Open(p, mode)) {
            error = "cannot open " + p.string();
            return false;
        }
    }
    s.unfinished = fs::exists(dir / kMarkerName);
    s.binDeals = bin.DealCount();
    s.ascDeals = asc.DealCount();
    for (const LibraryFile* f : {&bin, &asc}) {
        std::int64_t rest = f->LibFileLen() % f->LibRecLen();
        if (rest)
            s.Fault(std::string(f == &bin ? kBinLibName : kAscLibName) +
                    " ends in a partial record of " + std::to_string(rest) + " bytes");
    }
    if (s.binDeals != s.ascDeals)
        s.Fault("Library.bin holds " + std::to_string(s.binDeals) + " deals, Library.asc " +
                std::to_string(s.ascDeals));
    const std::int32_t n = std::min(bin.DealCount(), asc.DealCount());
    if (n == 0) s.Fault("the library holds no deals");

    std::vector<std::int32_t> wanted = SampleDeals(n, solver_ ? sample : 0, sampleSeed);
    std::vector<std::int32_t> sampleNos;
    std::vector<DealRecord> sampleRecs;
    auto next = wanted.begin();
    // Deals by a hash of their cards (tricks aside), each hit confirmed byte for byte.
    std::unordered_multimap<std::uint64_t, std::int32_t> seen;
    seen.reserve(static_cast<std::size_t>(n));
    Deal b, a;
    for (std::int32_t dealNo = 1; dealNo <= n; ++dealNo) {
        ReadStatus sb, sa;
        const std::uint8_t* rb = bin.RecordBytes(dealNo, sb);
        bool binOk = rb && CheckBin(dealNo, rb, b, s);
        const std::uint8_t* ra = asc.RecordBytes(dealNo, sa);
        bool ascOk = ra && CheckAsc(dealNo, ra, a, s);
        if (!rb || !ra) {
            s.Fault(Where(dealNo) + "cannot read " + (rb ? kAscLibName : kBinLibName));
            break;
        }
        if (ascOk) CompareForms(dealNo, b, a, s);
        if (binOk) ++s.byTotalLength[static_cast<std::size_t>(TotalLength(b))];
        if (binOk) {
            ContentHash h;
            h.Add(rb, 16);
            const auto [from, to] = seen.equal_range(h.value());
            const auto same = std::find_if(from, to, [&](const auto& e) {
                ReadStatus st;
                const std::uint8_t* earlier = bin.RecordBytes(e.second, st);
                return earlier && std::equal(rb, rb + 16, earlier);
            });
            if (same != to)
                s.Fault(Where(dealNo) + "the same hands as deal " + std::to_string(same->second));
            else
                seen.emplace(h.value(), dealNo);
        }
        if (next != wanted.end() && *next == dealNo) {
            ++next;
            if (binOk) {
                sampleNos.push_back(dealNo);
                sampleRecs.push_back(DealRecord::FromDeal(b));
            }
        }
    }
    if (!sampleRecs.empty()) Resolve(sampleNos, sampleRecs, s);
    // Random deals spread over Total Length as the odds say; a library that does not (deals
    // left out or repeated by a faulty generator) fails. The bound is chi-square's upper
    // one-in-a-million point (Wilson-Hilferty), so a sound library fails practically never.
    int cells = 0;
    const double chi2 = ChiSquare(s, cells);
    const double df = cells - 1, z = 4.753;
    if (n >= 1000 && df >= 1 &&
        chi2 > df * std::pow(1 - 2 / (9 * df) + z * std::sqrt(2 / (9 * df)), 3)) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "the Total Length spread is not that of random deals (chi-square %.1f "
                      "with %d degrees of freedom)",
                      chi2, cells - 1);
        // A fault of the whole library is listed before those of single deals.
        ++s.faultCount;
        s.faults.insert(s.faults.begin(), line);
        if (s.faults.size() > CheckSummary::kListed) s.faults.pop_back();
    }
    return true;
}

void LibraryChecker::Resolve(const std::vector<std::int32_t>& dealNos,
                             const std::vector<DealRecord>& recs, CheckSummary& s) {
    std::vector<DealRecord> solved = recs;
    std::string error;
    if (!solver_->Solve(solved, error)) {
        s.Fault("the sample could not be solved again: " + error);
        return;
    }
    s.sampled = static_cast<int>(recs.size());
    for (std::size_t i = 0; i < recs.size(); ++i) {
        auto stored = [&](int strain, int pos) { return int{recs[i].nsTricks[strain][pos]}; };
        auto dds = [&](int strain, int pos) { return int{solved[i].nsTricks[strain][pos]}; };
        TableDifference d = Differences(dds, stored);
        if (d.count == 0) {
            ++s.sampleAgreed;
            continue;
        }
        s.Fault(Where(dealNos[i]) + "DDS differs in " + std::to_string(d.count) +
                " of 20 results, first " + DigitPlace(d.strain, d.pos) +
                ": DDS gives North-South " + std::to_string(dds(d.strain, d.pos)) +
                " tricks, the library " + std::to_string(stored(d.strain, d.pos)));
    }
}

void LibraryChecker::Report(const CheckSummary& s, const fs::path& dir, std::ostream& out) {
    for (const auto& f : s.faults) out << f << "\n";
    if (s.faultCount > static_cast<std::int64_t>(s.faults.size()))
        out << "... and " << s.faultCount - static_cast<std::int64_t>(s.faults.size())
            << " more faults\n";
    out << "Library in " << dir.string() << ": " << s.binDeals << " deals in Library.bin, "
        << s.ascDeals << " in Library.asc";
    if (s.unfinished) out << " (unfinished: Library.making lies beside them)";
    out << ".\n";
    if (s.Ok())
        out << "Every deal has 52 different cards, 13 in each hand, and trick digits 0..13; "
               "both files hold the same deals and tricks.\n";
    if (s.sampled > 0)
        out << "DDS solved " << s.sampled << " sampled deals again: " << s.sampleAgreed
            << " agree in all 20 results.\n";

    std::int64_t counted = 0;
    for (auto c : s.byTotalLength) counted += c;
    if (counted > 0) {
        FitOddsTable odds = FitOdds();
        out << "Total Length   deals   share  expected\n";
        char line[160];
        for (int len = 14; len <= 26; ++len) {
            auto c = s.byTotalLength[static_cast<std::size_t>(len)];
            double share = 100.0 * static_cast<double>(c) / static_cast<double>(counted);
            double expected = 100.0 * static_cast<double>(odds(1, len));
            std::snprintf(line, sizeof line, "%12d %7lld %6.2f %%  %6.2f %%\n", len,
                          static_cast<long long>(c), share, expected);
            out << line;
        }
        int cells = 0;
        const double chi2 = ChiSquare(s, cells);
        if (cells > 1) {
            std::snprintf(line, sizeof line,
                          "Chi-square against the odds: %.1f over %d lengths (%d degrees of "
                          "freedom).\n",
                          chi2, cells, cells - 1);
            out << line;
        }
    }
    if (s.Ok())
        out << "OK\n";
    else
        out << "FAILED: " << s.faultCount << (s.faultCount == 1 ? " fault\n" : " faults\n");
}

}  // namespace lott
