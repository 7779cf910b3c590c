#include "FuzzCheck.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include "Names.h"
#include "ScanCache.h"

namespace lott::fuzz {

void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, file, line);
    std::abort();
}

void ChooseSettings(ByteReader& in, Settings& s) {
    s.DefaultSetting(false);
    s.Click(in.Take() % 2);
    const int clicks = in.Take() % 16;
    for (int i = 0; i < clicks; ++i) s.Click(in.Take() % Settings::kOptionCount);
}

namespace {
std::filesystem::path MakeScratch() {
    std::error_code ec;
    std::filesystem::path base = "/dev/shm";
    if (!std::filesystem::is_directory(base, ec)) base = std::filesystem::temp_directory_path(ec);
    const auto dir = base / ("trickscan-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir, ec);
    std::atexit([] {
        std::error_code e;
        std::filesystem::remove_all(ScratchFolder(), e);
    });
    return dir;
}
}  // namespace

const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path dir = MakeScratch();
    return dir;
}

std::filesystem::path FreshFolder(const char* name) {
    const auto dir = ScratchFolder() / name;
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    std::filesystem::create_directories(dir, ec);
    return dir;
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void UseSettings(ScanDriver& driver, const Settings& s) {
    driver.options = s.Snapshot();
    driver.counter().options = driver.options;
    driver.counter().SetUseFlags();
}

int CardCount(const Deal& d, int seat) {
    int n = 0;
    for (const Holding& h : d.Hand[seat]) n += h.size();
    return n;
}

void CheckDecodedDeal(const Deal& d) {
    float points = 0;
    for (int suit = 0; suit < 4; ++suit) {
        unsigned all = 0;
        for (int seat = 0; seat < 4; ++seat) {
            const Holding& h = d.Hand[seat][suit];
            FUZZ_CHECK((all & h.ranks()) == 0);
            all |= h.ranks();
            int last = -1;
            for (int i = 0; i < h.size(); ++i) {
                const int r = CardRank(h[i]);
                FUZZ_CHECK(r > last);  // highest first, each card once
                last = r;
            }
            FUZZ_CHECK(__builtin_popcount(h.ranks()) == h.size());
        }
        FUZZ_CHECK(all == 0x1FFFu);
    }
    // A binary record may give a seat any number of cards (all 52 to West is a record too).
    for (int seat = 0; seat < 4; ++seat) {
        FUZZ_CHECK(d.HCP[seat] >= 0 && d.HCP[seat] <= 40);
        points += d.HCP[seat];
    }
    FUZZ_CHECK(points == 40);
}

void CheckPasses(const Deal& d, const DealPasses& p) {
    FUZZ_CHECK(p.PairHCP[0] + p.PairHCP[1] == 40);
    FUZZ_CHECK(p.PairHCP[0] >= 0 && p.PairHCP[1] >= 0);
    const bool wide = p.PairHCP[0] >= 15 && p.PairHCP[0] <= 25;
    const bool narrow = p.PairHCP[0] >= 17 && p.PairHCP[0] <= 23;
    FUZZ_CHECK(p.hcpBands == (wide ? 1 : 0) + (narrow ? 2 : 0));

    FUZZ_CHECK(CacheRecord::Plausible(CacheRecord::Pack(p).data()));

    for (const PassResult* r : {&p.first, &p.byLength, &p.byScore}) {
        for (int pair = 0; pair < 2; ++pair) {
            const ContractRec& c = r->Contract[static_cast<std::size_t>(pair)];
            FUZZ_CHECK(c.Strain >= -1 && c.Strain <= 3);
            FUZZ_CHECK(c.Declarer == pair || c.Declarer == pair + 2 || c.Declarer == 4 + pair);
            FUZZ_CHECK(c.Trumps >= 0 && c.Trumps <= 13);
            if (c.Strain >= 0) FUZZ_CHECK(c.Trumps == d.SideStrain[pair][c.Strain].FitLen);
        }
        const int ntPairs = (r->Contract[0].Strain < 0) + (r->Contract[1].Strain < 0);
        FUZZ_CHECK(ntPairs <= 1);
        FUZZ_CHECK(r->TotalTrumps >= 0 && r->TotalTrumps <= 26);
        FUZZ_CHECK(r->TotalTricks >= -4 && r->TotalTricks <= 30);
    }
    for (const PassResult* r : {&p.byLength, &p.byScore}) {
        if (r->NTCount != 0) {
            FUZZ_CHECK(r->NTCount == 1);
            FUZZ_CHECK(r->NTShape >= Shortness::Doubleton && r->NTShape <= Shortness::Void);
            FUZZ_CHECK(r->code == 0x80 + ShortnessFlag(r->NTShape));
            int flags = 0;
            for (int e = 1; e <= 3; ++e) flags += r->EventCount[static_cast<std::size_t>(e)];
            FUZZ_CHECK(flags == 1 &&
                       r->EventCount[static_cast<std::size_t>(ShortnessFlag(r->NTShape))] == 1);
        } else {
            for (int e = 1; e <= 3; ++e)
                FUZZ_CHECK(r->EventCount[static_cast<std::size_t>(e)] >= 0 &&
                           r->EventCount[static_cast<std::size_t>(e)] <= 2);
            FUZZ_CHECK(r->code == r->EventCount[1] * 16 + r->EventCount[2] * 4 + r->EventCount[3]);
        }
    }
}

DealPasses CheckedPasses(DealAnalysis& analysis) {
    DealPasses p;
    analysis.AnalyseDecodedDeal(p);
    CheckPasses(analysis.deal(), p);
    return p;
}

}  // namespace lott::fuzz
