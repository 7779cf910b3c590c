#include "TestLibrary.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Names.h"

namespace lott::test {

DealRecord MakeRecord(const std::array<std::string_view, 4>& hands,
                      const std::array<std::string_view, 5>& digits) {
    DealRecord r = DealRecord::FromText(hands);
    for (int strain = -1; strain <= 3; ++strain)
        for (int i = 0; i < 4; ++i)
            r.nsTricks[strain][i] = static_cast<std::uint8_t>(HexDigitValue(digits[strain + 1][i]));
    return r;
}

DealRecord RandomRecord(std::mt19937& rng) {
    std::array<int, 52> cards{};
    for (int i = 0; i < 52; ++i) cards[i] = i;
    std::shuffle(cards.begin(), cards.end(), rng);
    std::array<std::array<int, 13>, 4> owner{};
    for (int i = 0; i < 52; ++i) owner[cards[i] / 13][cards[i] % 13] = i / 13;
    DealRecord r;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 0; rank < 13; ++rank) r.hands[owner[suit][rank]][suit].push(CardName[rank]);
    std::uniform_int_distribution<int> digit(0, 13);
    for (auto& s : r.nsTricks.v)
        for (auto& d : s) d = static_cast<std::uint8_t>(digit(rng));
    return r;
}

// The records in the form of Encode (EncodeBinDeal or EncodeAscDeal), one after another.
template <typename Rec, typename Encode>
static void WriteRecords(const std::filesystem::path& file, const std::vector<DealRecord>& deals,
                         Encode encode) {
    std::string bytes;
    for (const auto& d : deals) {
        Rec rec{};
        if (!encode(d, rec)) throw std::runtime_error("not a deal");
        bytes.append(reinterpret_cast<const char*>(rec.data()), rec.size());
    }
    WriteFile(file, bytes);
}

void WriteBin(const std::filesystem::path& file, const std::vector<DealRecord>& deals) {
    WriteRecords<std::array<std::uint8_t, kBinRecLen>>(file, deals, EncodeBinDeal);
}

void WriteAsc(const std::filesystem::path& file, const std::vector<DealRecord>& deals) {
    WriteRecords<std::array<char, kAscRecLen>>(file, deals, EncodeAscDeal);
}

// The programs refuse folders whose path holds "zip" or "tmp", so test folders go below the
// first of these places whose path holds neither.
static std::filesystem::path TestFolderBase() {
    const char* home = std::getenv("HOME");
    for (const auto& c :
         {std::filesystem::current_path() / "testfolders",
          std::filesystem::path(home ? home : "/") / ".trickscan-tests",
          std::filesystem::path("/var/lib/trickscan-tests")}) {
        std::string lower = c.string();
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        std::error_code ec;
        if (lower.find("zip") == std::string::npos && lower.find("tmp") == std::string::npos &&
            (std::filesystem::create_directories(c, ec), !ec))
            return c;
    }
    throw std::runtime_error("no folder for tests whose path holds neither zip nor tmp");
}

TempFolder::TempFolder() {
    static const std::filesystem::path base = TestFolderBase();
    static std::mt19937_64 rng{std::random_device{}()};
    for (;;) {
        path_ = base / ("case" + std::to_string(rng() % 100000000));
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::map<std::string, std::string> FilesIn(const std::filesystem::path& folder,
                                           std::string_view ending) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = std::filesystem::relative(e.path(), folder).string();
        if (e.is_regular_file() && e.path().filename() != "filler" && name.ends_with(ending))
            files[name] = ReadFile(e.path());
    }
    return files;
}

}  // namespace lott::test
