#include "DdsSolver.h"

#include <dds/dll.h>
#include <sched.h>

#include <algorithm>
#include <cstring>

namespace lott {

static_assert(DdsSolver::kMaxTables == MAXNOOFTABLES, "DDS's table limit changed");

namespace {

// Our seats are West, North, East, South; DDS counts hands North, East, South, West.
constexpr int DdsHand(int seat) {
    return (seat + 3) % 4;
}
// Our strains run notrump, spades .. clubs (-1..3); DDS has spades .. clubs, then notrump.
constexpr int DdsStrain(int strain) {
    return strain < 0 ? 4 : strain;
}

std::string DdsError(int code) {
    char line[80] = {};
    ErrorMessage(code, line);
    return std::string(line, strnlen(line, sizeof line));
}

}  // namespace

struct DdsSolver::Buffers {
    ddTableDeals deals{};
    ddTablesRes results{};
    allParResults par{};
};

DdsSolver::DdsSolver(int threads) : buf_(std::make_unique<Buffers>()) {
    // On Linux DDS wants this call before any solving. Left to itself (0) it would start a
    // thread per core of the machine, however few of them a cluster job was given.
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    const int usable = sched_getaffinity(0, sizeof cpus, &cpus) == 0 ? CPU_COUNT(&cpus) : 0;
    SetMaxThreads(threads > 0 ? threads : usable);
}

DdsSolver::~DdsSolver() = default;

int DdsSolver::Threads() const {
    DDSInfo info{};
    GetDDSInfo(&info);
    return info.noOfThreads;
}

std::string DdsSolver::Version() const {
    DDSInfo info{};
    GetDDSInfo(&info);
    return std::string(info.versionString, strnlen(info.versionString, sizeof info.versionString));
}

bool DdsSolver::ToDdsCards(const DealRecord& rec, DdsCards& cards) {
    std::array<std::array<int, 13>, 4> owner{};
    if (!rec.OwnerTable(owner)) return false;
    for (auto& h : cards) h.fill(0);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank)
            cards[DdsHand(owner[suit][rank])][suit] |= 1u << (14 - rank);
    return true;
}

StrainIndexed<std::array<std::uint8_t, 4>> DdsSolver::FromDdsTable(const DdsTable& res) {
    static constexpr int kSeatByPosition[4] = {2 /*East*/, 1 /*North*/, 0 /*West*/, 3 /*South*/};
    StrainIndexed<std::array<std::uint8_t, 4>> out{};
    for (int strain = -1; strain <= 3; ++strain)
        for (int pos = 0; pos < 4; ++pos) {
            int seat = kSeatByPosition[pos];
            int declarerSide = res[DdsStrain(strain)][DdsHand(seat)];
            int ns = seat % 2 == 1 ? declarerSide : 13 - declarerSide;
            out[strain][pos] = static_cast<std::uint8_t>(ns);
        }
    return out;
}

bool DdsSolver::Solve(std::span<DealRecord> deals, std::string& error) {
    int trumpFilter[DDS_STRAINS] = {0, 0, 0, 0, 0};  // every strain
    for (std::size_t first = 0; first < deals.size(); first += kMaxTables) {
        std::size_t n = std::min<std::size_t>(kMaxTables, deals.size() - first);
        Buffers& b = *buf_;
        b.deals.noOfTables = static_cast<int>(n);
        for (std::size_t i = 0; i < n; ++i) {
            DdsCards cards{};
            if (!ToDdsCards(deals[first + i], cards)) {
                error = "deal " + std::to_string(first + i + 1) + " is not 52 different cards";
                return false;
            }
            for (int h = 0; h < 4; ++h)
                for (int s = 0; s < 4; ++s) b.deals.deals[i].cards[h][s] = cards[h][s];
        }
        // Mode -1: no par calculation.
        int rc = CalcAllTables(&b.deals, -1, trumpFilter, &b.results, &b.par);
        if (rc != RETURN_NO_FAULT) {
            error = "DDS failed: " + DdsError(rc) + " (code " + std::to_string(rc) + ")";
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) {
            DdsTable t{};
            for (int s = 0; s < 5; ++s)
                for (int h = 0; h < 4; ++h) {
                    int v = b.results.results[i].resTable[s][h];
                    if (v < 0 || v > 13) {
                        error = "DDS returned " + std::to_string(v) + " tricks";
                        return false;
                    }
                    t[s][h] = v;
                }
            deals[first + i].nsTricks = FromDdsTable(t);
        }
    }
    return true;
}

}  // namespace lott
