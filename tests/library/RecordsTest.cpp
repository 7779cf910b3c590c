// Decoding both record forms, the small tables both programs share, and finding, opening and
// reading library files (bad and odd-sized ones too), case by case from data/records.txt; and
// reading every deal of a large library in both forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <random>
#include <sstream>

#include "ArchiveCheck.h"
#include "Contracts.h"
#include "DataCases.h"
#include "Deal.h"
#include "DealCodec.h"
#include "FitOdds.h"
#include "LibraryFile.h"
#include "TestLibrary.h"

namespace lott {
namespace {

std::string HandsAndPoints(const Deal& d) {
    std::ostringstream out;
    out << "hands";
    for (const auto& hand : d.Hand) {
        out << ' ' << hand[0].view();
        for (int s = 1; s < 4; ++s) out << '.' << hand[s].view();
    }
    out << "\nhcp";
    for (float h : d.HCP) out << ' ' << h;
    return out.str();
}

std::vector<DealRecord> SomeDeals(int n) {
    std::mt19937 rng(11);
    std::vector<DealRecord> v;
    for (int i = 0; i < n; ++i) v.push_back(test::RandomRecord(rng));
    return v;
}

// A case's folder and the library file it has open.
struct Files {
    test::TempFolder dir;
    LibraryFile file;
};

std::string Decoded(const std::string& key, const std::string& value, Files& f) {
    std::ostringstream out;
    std::istringstream in(value);
    Deal d;
    std::string name;
    int n = 0;
    if (key == "deals" || key == "put" || key == "add" || key == "folder" || key == "resize" ||
        key == "open") {
        in >> name >> n;
        const std::filesystem::path file = f.dir / name;
        if (key == "deals")
            (name.ends_with(".asc") ? test::WriteAsc : test::WriteBin)(file, SomeDeals(n));
        if (key == "put" || key == "add")
            test::WriteFile(file, (key == "add" ? test::ReadFile(file) : "") +
                                      std::string(static_cast<std::size_t>(n), 'U'));
        if (key == "folder") std::filesystem::remove(file), std::filesystem::create_directory(file);
        if (key == "resize") std::filesystem::resize_file(file, static_cast<std::uintmax_t>(n));
        if (key != "open") return "";
        out << (f.file.Open(file, name.ends_with(".bin") ? LibMode::Binary : LibMode::Ascii)
                    ? "opened, deals "
                    : "not opened, deals ")
            << f.file.DealCount();
    } else if (key == "discover") {
        const LibraryChoice c = DiscoverLibrary(f.dir.path());
        out << "discover "
            << (c.found ? c.LibFileName + ' ' + std::to_string(c.LibRecLen) + ' ' +
                              std::to_string(c.DealCount)
                        : "none");
    } else if (key == "read") {  // a fresh deal for each; one that is not read stays empty
        static const char* const kStatus[] = {"ok", "out-of-range", "damaged", "read-error"};
        out << "read";
        for (int deal; in >> deal; d = Deal{}) {
            const ReadStatus status = f.file.ReadDeal(deal, d);
            out << ' ' << kStatus[static_cast<int>(status)]
                << (status != ReadStatus::Ok && !d.Hand[0][0].empty() ? "(deal changed)" : "");
        }
    } else if (key == "close") {
        f.file.Close();
        return "";
    } else if (key == "bin") {
        std::array<std::uint8_t, kBinRecLen> rec{};
        for (std::size_t i = 0; i < rec.size(); ++i)
            rec[i] = static_cast<std::uint8_t>(std::stoi(value.substr(2 * i, 2), nullptr, 16));
        d.DecodeBinDeal(rec.data());
        d.DecodeTricks();
        out << HandsAndPoints(d) << "\ntricks";
        for (int strain = -1; strain < 4; ++strain) {
            out << ' ' << (strain < 0 ? "NT" : std::string(1, "SHDC"[strain]));
            for (int seat = 0; seat < 4; ++seat) out << ' ' << d.Tricks[seat][strain];
        }
    } else if (key == "asc") {
        std::string rec = value.size() < kAscRecLen ? value + '\n' : value;
        out << (d.DecodeAscDeal(rec.data()) == RecordStatus::Ok ? "ok\n" : "damaged\n")
            << HandsAndPoints(d);
    } else if (key == "digits") {
        std::copy_n(value.begin(), 4, d.TrickHex[0].begin());
        d.DecodeTricks();
        out << "tricks " << d.Tricks[West][0] << ' ' << d.Tricks[North][0] << ' '
            << d.Tricks[East][0] << ' ' << d.Tricks[South][0];
    } else if (key == "score") {
        int strain = 0, tricks = 0;
        in >> strain >> tricks;
        out << "score " << TrickScore(strain, tricks);
    } else if (key == "declarer") {
        int p = 0, strain = 0, forbid = 0, length = 0, partnerLength = 0;
        in >> p >> strain >> forbid >> d.Tricks[p][strain] >> d.Tricks[p + 2][strain] >> length >>
            partnerLength >> d.HCP[p] >> d.HCP[p + 2];
        if (strain >= 0) d.SuitLen[p][strain] = length, d.SuitLen[p + 2][strain] = partnerLength;
        const DeclarerPick pick = PickDeclarer(d, p, strain, forbid != 0);
        static const char* const kSeat[] = {"W", "N", "E", "S", "WE", "NS"};
        out << "declarer " << kSeat[pick.Declarer] << ' ' << pick.Tricks;
    } else if (key == "chkzip") {
        int rule = 0, flag = 0;
        std::string path;
        in >> rule >> flag >> path;
        const bool refused =
            ChkZip(path, rule ? ArchiveRule::ZipOrTmp : ArchiveRule::ZipOnly, flag);
        out << (refused ? "refused" : "allowed");
    } else if (key == "fitodds") {
        int column = 0, length = 0;
        in >> column >> length;
        out << "fitodds " << std::setprecision(4) << FitOdds()(column, length);
    } else if (key == "encode") {  // four hands, then five strains' digits
        std::array<std::string, 9> w;
        for (std::string& word : w) in >> word;
        const DealRecord r =
            test::MakeRecord({w[0], w[1], w[2], w[3]}, {w[4], w[5], w[6], w[7], w[8]});
        std::array<std::uint8_t, kBinRecLen> bin{};
        std::array<char, kAscRecLen> asc{};
        asc.fill('#');
        const bool ascOk = EncodeAscDeal(r, asc);
        out << "encode bin " << (EncodeBinDeal(r, bin) ? "ok" : "refused") << " asc "
            << (ascOk                                                   ? "ok"
                : std::count(asc.begin(), asc.end(), '#') == kAscRecLen ? "refused"
                                                                        : "refused, written");
    } else {
        out << "unknown input " << key;
    }
    return out.str();
}

class RecordCase : public ::testing::TestWithParam<test::DataCase> {};

TEST_P(RecordCase, DecodesAsExpected) {
    std::string actual;
    Files files;
    for (const auto& [key, value] : GetParam().lines)
        if (key != "expect")
            if (const std::string lines = Decoded(key, value, files); !lines.empty())
                actual += lines + '\n';
    EXPECT_TRUE(test::MatchesExpected(GetParam(), actual));
}

TEST(LibraryFile, ReadsEveryDealOfBothFormsAlikeAcrossBuffers) {
    test::TempFolder dir;
    auto deals = SomeDeals(9000);  // more than one buffer of records
    test::WriteBin(dir / "Library.bin", deals);
    test::WriteAsc(dir / "Library.asc", deals);
    LibraryFile bin, asc;
    ASSERT_TRUE(bin.Open(dir / "Library.bin", LibMode::Binary) &&
                asc.Open(dir / "Library.asc", LibMode::Ascii));
    ASSERT_EQ(bin.DealCount(), 9000);
    ASSERT_EQ(asc.DealCount(), 9000);
    Deal a, b;
    for (int n = 1; n <= 9000; ++n) {
        ASSERT_EQ(bin.ReadDeal(n, a), ReadStatus::Ok);
        ASSERT_EQ(asc.ReadDeal(n, b), ReadStatus::Ok);
        ASSERT_EQ(a.Hand, deals[n - 1].hands);
        ASSERT_EQ(a.Hand, b.Hand);
        ASSERT_EQ(a.TrickHex.v, b.TrickHex.v);
    }
    for (int n : {9000, 4097, 4096, 1, 8193, 2}) {  // backwards across buffer boundaries
        ASSERT_EQ(bin.ReadDeal(n, a), ReadStatus::Ok);
        ASSERT_EQ(a.Hand, deals[n - 1].hands) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Library, RecordCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_LIBRARY_DATA
                                                             "/records.txt")),
                         test::CaseName);

}  // namespace
}  // namespace lott
