#include "DealJson.h"

#include <sstream>

#include "DealAnalysis.h"
#include "Names.h"

namespace lott {

namespace {

const char* const kSeat[4] = {"W", "N", "E", "S"};
const char* const kStrain[5] = {"NT", "S", "H", "D", "C"};

std::string Declarer(std::int32_t d) {
    if (d >= 0 && d < 4) return kSeat[d];
    return d == 4 ? "W-E" : d == 5 ? "N-S" : std::to_string(d);
}

void Pass(std::ostringstream& j, const char* name, const PassResult& p) {
    j << "  \"" << name << "\": {\n    \"contracts\": [";
    for (int pair = 0; pair < 2; ++pair) {
        const ContractRec& c = p.Contract[pair];
        j << (pair ? ", " : "") << "{\"pair\": \"" << SeatName[4 + pair] << "\", \"declarer\": \""
          << Declarer(c.Declarer) << "\", \"strain\": \"" << kStrain[c.Strain + 1]
          << "\", \"tricks\": " << c.Tricks << ", \"trumps\": " << c.Trumps
          << ", \"score\": " << c.Score << "}";
    }
    j << "],\n    \"TotalTricks\": " << p.TotalTricks << ", \"TotalTrumps\": " << p.TotalTrumps
      << ", \"NTCount\": " << p.NTCount
      << ", \"NTShape\": " << (p.NTCount ? static_cast<int>(p.NTShape) : 0) << ", \"EventCount\": ["
      << p.EventCount[1] << ", " << p.EventCount[2] << ", " << p.EventCount[3] << "]\n  }";
}

}  // namespace

bool DealJson(const std::filesystem::path& folder, std::int64_t dealNo, std::string& json,
              std::string& error) {
    LibraryChoice choice = DiscoverLibrary(folder);
    if (!choice.found) {
        error = "no library (Library.bin or Library.asc) in " + folder.string();
        return false;
    }
    LibraryFile lib;
    if (!lib.Open(folder / choice.LibFileName, choice.LibMode)) {
        error = "cannot open " + (folder / choice.LibFileName).string();
        return false;
    }
    if (dealNo < 1 || dealNo > lib.DealCount()) {
        error = "deal " + std::to_string(dealNo) + " is not in " + choice.LibFileName + " (1.." +
                std::to_string(lib.DealCount()) + ")";
        return false;
    }
    Deal deal;
    DealAnalysis a(deal);
    a.DealNo = static_cast<std::int32_t>(dealNo);
    DealPasses dp;
    ReadStatus st = a.AnalyseBothPasses(lib, dp);
    if (st != ReadStatus::Ok) {
        error = "deal " + std::to_string(dealNo) + " of " + choice.LibFileName +
                (st == ReadStatus::Damaged ? " is damaged" : " cannot be read");
        return false;
    }
    std::ostringstream j;
    j << "{\n  \"deal\": " << dealNo << ",\n  \"library\": \"" << choice.LibFileName
      << "\",\n  \"hands\": {";
    for (int seat = 0; seat < 4; ++seat) {
        j << (seat ? ", " : "") << "\"" << kSeat[seat] << "\": [";
        for (int suit = 0; suit < 4; ++suit)
            j << (suit ? ", " : "") << "\"" << deal.Hand[seat][suit].view() << "\"";
        j << "]";
    }
    j << "},\n  \"HCP\": {";
    for (int seat = 0; seat < 4; ++seat)
        j << (seat ? ", " : "") << "\"" << kSeat[seat] << "\": " << deal.HCP[seat];
    j << "},\n  \"Tricks\": {";
    for (int seat = 0; seat < 4; ++seat) {
        j << (seat ? ", " : "") << "\"" << kSeat[seat] << "\": {";
        for (int s = -1; s <= 3; ++s)
            j << (s > -1 ? ", " : "") << "\"" << kStrain[s + 1] << "\": " << deal.Tricks[seat][s];
        j << "}";
    }
    j << "},\n  \"PairHCP\": [" << dp.PairHCP[0] << ", " << dp.PairHCP[1] << "],\n";
    Pass(j, "byLength", dp.byLength);
    j << ",\n";
    Pass(j, "byScore", dp.byScore);
    j << "\n}\n";
    json = j.str();
    return true;
}

}  // namespace lott
