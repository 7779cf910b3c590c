// Decoding both record forms, the small tables both programs share, finding, opening and
// reading library files (bad and odd-sized ones too) and the one file writer's failures, case by
// case from data/records.txt; reading every deal of a large library in both forms; the file
// writer never following links planted at its part names.
#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "ArchiveCheck.h"
#include "Contracts.h"
#include "FileWriter.h"
#include "FitOdds.h"
#include "LibraryFile.h"
#include "TestLibrary.h"

namespace lott {
namespace {

namespace fs = std::filesystem;

std::vector<DealRecord> SomeDeals(int n) {
    std::mt19937 rng(11);
    std::vector<DealRecord> v;
    for (int i = 0; i < n; ++i) v.push_back(test::RandomRecord(rng));
    return v;
}

// One line of a case in its folder, with the library file it has open.
std::string Decoded(const std::string& key, const std::string& value, const test::TempFolder& dir,
                    LibraryFile& lib) {
    std::ostringstream out;
    std::istringstream in(value);
    Deal d;
    std::string name, error;
    int n = 0, m = 0;
    if (key == "deals" || key == "put" || key == "add" || key == "folder" || key == "resize" ||
        key == "open" || key == "write" || key == "drop" || key == "finish" || key == "close") {
        in >> name >> n;
        const fs::path file = dir / name;
        const std::string bytes(static_cast<std::size_t>(n), 'U'), folder = dir.path().string();
        if (key == "deals") test::WriteLibrary(file, SomeDeals(n));
        if (key == "put" || key == "add")
            test::WriteFile(file, (key == "add" ? test::ReadFile(file) : "") + bytes);
        if (key == "folder") fs::remove(file), fs::create_directory(file);
        if (key == "close") lib.Close();
        if (key == "resize") fs::resize_file(file, static_cast<std::uintmax_t>(n));
        if (key == "write" && !FileWriter::WriteFile(file, bytes, error))  // the folder as DIR
            out << "write " << error.replace(error.find(folder), folder.size(), "DIR");
        if (FileWriter w(file); key == "drop" || key == "finish")  // given up before committing
            if (!w.Open(error) || !w.Write(bytes, error) || (key == "finish" && !w.Finish(error)))
                out << key << ' ' << error;
        if (key != "open") return out.str();
        const bool opened =
            lib.Open(file, name.ends_with(".bin") ? LibMode::Binary : LibMode::Ascii);
        out << (opened ? "opened" : "not opened") << ", deals " << lib.DealCount();
    } else if (key == "files") {
        out << "files";
        for (const auto& [file, bytes] : test::FilesIn(dir.path()))
            out << ' ' << file << '=' << bytes;
    } else if (key == "discover") {
        const LibraryChoice c = DiscoverLibrary(dir.path());
        out << "discover " << (c.found ? c.LibFileName : "none");
        if (c.found) out << ' ' << c.LibRecLen << ' ' << c.DealCount;
    } else if (key == "read") {  // a fresh deal for each; one that is not read stays empty
        out << "read";
        for (int deal; in >> deal; d = Deal{}) {
            const auto status = static_cast<std::size_t>(lib.ReadDeal(deal, d));
            out << ' ' << std::array{"ok", "out-of-range", "damaged", "read-error"}.at(status)
                << (status != 0 && !d.Hand[0][0].empty() ? "(deal changed)" : "");
        }
    } else if (key == "bin" || key == "asc") {  // the hands, their points, a binary one's tricks
        std::array<std::uint8_t, kBinRecLen> rec{};
        for (std::size_t i = 0; key == "bin" && i < rec.size(); ++i)
            rec[i] = static_cast<std::uint8_t>(std::stoi(value.substr(2 * i, 2), nullptr, 16));
        if (key == "bin") d.DecodeBinDeal(rec.data());
        if (key == "asc")
            out << (d.DecodeAscDeal((value + '\n').data()) == RecordStatus::Ok ? "ok\n"
                                                                               : "damaged\n");
        out << "hands";
        for (const auto& hand : d.Hand)
            for (int s = 0; s < 4; ++s) out << (s ? '.' : ' ') << hand[s].view();
        out << "\nhcp";
        for (float h : d.HCP) out << ' ' << h;
        if (key == "asc") return out.str();
        d.DecodeTricks();
        out << "\ntricks";
        for (int strain = -1; strain < 4; ++strain) {
            out << ' ' << (strain < 0 ? "NT" : std::string(1, "SHDC"[strain]));
            for (int seat = 0; seat < 4; ++seat) out << ' ' << d.Tricks[seat][strain];
        }
    } else if (key == "digits") {
        std::copy_n(value.begin(), 4, d.TrickHex[0].begin());
        d.DecodeTricks();
        out << "tricks " << d.Tricks[West][0] << ' ' << d.Tricks[North][0] << ' '
            << d.Tricks[East][0] << ' ' << d.Tricks[South][0];
    } else if (key == "score" || key == "declarer" || key == "fitodds") {
        std::array<int, 9> v{};  // the numbers of the line, zero where they end
        for (int& x : v) in >> x;
        const int p = v[0], strain = v[1];
        if (key == "score") out << "score " << TrickScore(v[0], v[1]);
        if (key == "fitodds") out << "fitodds " << std::setprecision(4) << FitOdds()(v[0], v[1]);
        if (key != "declarer") return out.str();
        d.Tricks[p][strain] = v[3], d.Tricks[p + 2][strain] = v[4];
        if (strain >= 0) d.SuitLen[p][strain] = v[5], d.SuitLen[p + 2][strain] = v[6];
        d.HCP[p] = static_cast<float>(v[7]), d.HCP[p + 2] = static_cast<float>(v[8]);
        const DeclarerPick pick = PickDeclarer(d, p, strain, v[2] != 0);
        static const char* const kSeat[] = {"W", "N", "E", "S", "WE", "NS"};
        out << "declarer " << kSeat[pick.Declarer] << ' ' << pick.Tricks;
    } else if (key == "chkzip") {  // RULE FLAG PATH
        in >> n >> m >> name;
        out << (ChkZip(name, n ? ArchiveRule::ZipOrTmp : ArchiveRule::ZipOnly, m) ? "refused"
                                                                                  : "allowed");
    } else if (key == "encode") {  // four hands, then five strains' digits
        std::array<std::string, 9> w;
        for (std::string& word : w) in >> word;
        const auto r = test::MakeRecord({w[0], w[1], w[2], w[3]}, {w[4], w[5], w[6], w[7], w[8]});
        std::array<std::uint8_t, kBinRecLen> bin{};
        std::array<char, kAscRecLen> asc{};  // '#' where nothing is written
        asc.fill('#');
        out << "encode bin " << (EncodeBinDeal(r, bin) ? "ok" : "refused") << " asc "
            << (EncodeAscDeal(r, asc) ? "ok" : "refused")
            << (std::count(asc.begin(), asc.end(), '#') % kAscRecLen != 0 ? ", written" : "");
    } else {
        out << "unknown input " << key;
    }
    return out.str();
}

class RecordCase : public ::testing::TestWithParam<test::DataCase> {};

TEST_P(RecordCase, DecodesAsExpected) {
    std::string actual;
    test::TempFolder dir;
    LibraryFile lib;
    for (const auto& [key, value] : GetParam().lines)
        if (const std::string lines = key == "expect" ? "" : Decoded(key, value, dir, lib);
            !lines.empty())
            actual += lines + '\n';
    EXPECT_TRUE(test::MatchesExpected(GetParam(), actual));
}

TEST(LibraryFile, ReadsEveryDealOfBothFormsAlikeAcrossBuffers) {
    test::TempFolder dir;
    auto deals = SomeDeals(9000);  // more than one buffer of records
    test::WriteLibrary(dir / "Library.bin", deals);
    test::WriteLibrary(dir / "Library.asc", deals);
    LibraryFile bin, asc;
    ASSERT_TRUE(bin.Open(dir / "Library.bin", LibMode::Binary) && bin.DealCount() == 9000 &&
                asc.Open(dir / "Library.asc", LibMode::Ascii) && asc.DealCount() == 9000);
    Deal a, b;
    for (int n = 1; n <= 9000; ++n)
        ASSERT_TRUE(bin.ReadDeal(n, a) == ReadStatus::Ok && asc.ReadDeal(n, b) == ReadStatus::Ok &&
                    a.Hand == deals[n - 1].hands && a.Hand == b.Hand &&
                    a.TrickHex.v == b.TrickHex.v)
            << n;
    for (int n : {9000, 4097, 4096, 1, 8193, 2})  // backwards across buffer boundaries
        ASSERT_TRUE(bin.ReadDeal(n, a) == ReadStatus::Ok && a.Hand == deals[n - 1].hands) << n;
}

TEST(FileWriter, LinksAtItsPartNamesAreNeverFollowed) {
    test::TempFolder dir;
    const fs::path target = dir / "out.csv", outside = dir / "outside";
    test::WriteFile(outside, "the user's file");
    // The part names the next writers of this process take: "<target>.<pid>.<n>.part".
    FileWriter probe(target);
    std::string error;
    ASSERT_TRUE(probe.Open(error)) << error;
    const std::string name = probe.PartPath().string();
    probe.Abandon();
    const std::size_t dot = name.rfind('.', name.size() - 6);
    const std::string stem = name.substr(0, dot + 1);
    const unsigned long next = std::stoul(name.substr(dot + 1)) + 1;
    // Links to the user's file and dangling links (which creating through would make).
    for (unsigned long n = next; n < next + 40; ++n)
        fs::create_symlink(n % 2 ? outside : dir / ("made" + std::to_string(n)),
                           stem + std::to_string(n) + ".part");
    fs::create_symlink(outside, target.string() + ".part");

    ASSERT_TRUE(FileWriter::WriteFile(target, "new content", error)) << error;
    EXPECT_EQ(test::ReadFile(target), "new content");
    EXPECT_EQ(test::ReadFile(outside), "the user's file");
    // Only the target, the user's file and the 41 links, still links: nothing was made through
    // a dangling one.
    EXPECT_EQ(std::ranges::distance(fs::directory_iterator(dir.path())), 2 + 41);
    EXPECT_TRUE(fs::is_symlink(target.string() + ".part"));
}

INSTANTIATE_TEST_SUITE_P(Library, RecordCase,
                         ::testing::ValuesIn(test::ReadCases(TRICKSCAN_LIBRARY_DATA
                                                             "/records.txt")),
                         test::CaseName);

}  // namespace
}  // namespace lott
