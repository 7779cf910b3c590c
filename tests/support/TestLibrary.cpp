#include "TestLibrary.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "Names.h"

namespace lott::test {

DealRecord MakeRecord(const std::array<std::string_view, 4>& hands,
                      const std::array<std::string_view, 5>& digits) {
    DealRecord r = DealRecord::FromText(hands);
    for (int i = 0; i < 20; ++i)  // strain i / 4 - 1 (notrump -1), declarer i % 4
        r.nsTricks[i / 4 - 1][i % 4] =
            static_cast<std::uint8_t>(HexDigitValue(digits[i / 4][i % 4]));
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

void WriteLibrary(const std::filesystem::path& file, const std::vector<DealRecord>& deals) {
    std::string bytes;
    for (const auto& d : deals) {
        std::array<std::uint8_t, kBinRecLen> bin{};
        std::array<char, kAscRecLen> asc{};
        if (file.extension() == ".asc" ? !EncodeAscDeal(d, asc) : !EncodeBinDeal(d, bin))
            throw std::runtime_error("not a deal");
        bytes += file.extension() == ".asc" ? std::string(asc.data(), asc.size())
                                            : std::string(bin.begin(), bin.end());
    }
    WriteFile(file, bytes);
}

// The programs refuse folders whose path holds "zip" or "tmp", so test folders go below the
// first of these places whose path holds neither.
static std::filesystem::path TestFolderBase() {
    const char* home = std::getenv("HOME");
    for (const auto& c : {std::filesystem::current_path() / "testfolders",
                          std::filesystem::path(home ? home : "/") / ".trickscan-tests",
                          std::filesystem::path("/var/lib/trickscan-tests")}) {
        std::error_code ec;
        if (!std::regex_search(c.string(), std::regex("zip|tmp", std::regex::icase)) &&
            (std::filesystem::create_directories(c, ec), !ec))
            return c;
    }
    throw std::runtime_error("no folder for tests whose path holds neither zip nor tmp");
}

TempFolder::TempFolder() {
    static const std::filesystem::path base = TestFolderBase();
    static std::mt19937_64 rng{std::random_device{}()};
    do path_ = base / ("case" + std::to_string(rng() % 100000000));
    while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    if (!(std::ofstream(file, std::ios::binary) << bytes << std::flush))
        throw std::runtime_error("cannot write " + file.string());
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

std::string DataCase::Get(std::string_view key) const {
    for (const auto& [k, v] : lines)
        if (k == key) return v;
    return {};
}

std::vector<DataCase> ReadCases(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::vector<DataCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto space = line.find(' ');
        std::string key = line.substr(0, space);
        std::string value = space == std::string::npos ? "" : line.substr(space + 1);
        if (key == "case") {
            cases.push_back({file, value, {}});
        } else if (cases.empty()) {
            throw std::runtime_error(file.string() + ": a line before the first case: " + line);
        } else {
            cases.back().lines.emplace_back(std::move(key), std::move(value));
        }
    }
    return cases;
}

::testing::AssertionResult MatchesExpected(const DataCase& c, const std::string& actual) {
    std::string expected;
    for (const auto& [k, v] : c.lines)
        if (k == "expect") expected += v + '\n';
    const auto actualFile = c.file.parent_path() / (c.name + ".actual");
    std::filesystem::remove(actualFile);
    if (actual == expected) return ::testing::AssertionSuccess();
    std::ofstream(actualFile, std::ios::binary) << actual;
    std::istringstream e(expected), a(actual);
    std::ostringstream diff;
    for (std::string el, al; e.good() || a.good();) {
        if (!std::getline(e, el)) el = "(none)";
        if (!std::getline(a, al)) al = "(none)";
        if (el != al) diff << "- expect " << el << "\n+ expect " << al << '\n';
    }
    return ::testing::AssertionFailure() << c.file.filename().string() << ", case " << c.name
                                         << " (actual in " << actualFile.string() << "):\n"
                                         << diff.str();
}

std::string CaseName(const ::testing::TestParamInfo<DataCase>& info) {
    std::string name = info.param.name;
    std::ranges::replace_if(
        name, [](unsigned char ch) { return !std::isalnum(ch); }, '_');
    return name;
}

// Whether mount(2) with these arguments succeeded; else why says why not.
static bool Mount(const char* source, const std::filesystem::path& at, const char* type,
                  unsigned long flags, const char* options, std::string& why) {
    if (::mount(source, at.c_str(), type, flags, options) == 0) return true;
    why = std::string("cannot mount ") + (type ? type : "a bind") + " on " + at.string() + " (" +
          std::strerror(errno) + "); needs root or CAP_SYS_ADMIN";
    return false;
}

Mounted FaultMount::SmallDisk(const std::filesystem::path& at, std::size_t bytes,
                              std::string& why) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (!Mount("trickscan-test", at, "tmpfs", 0, options.c_str(), why)) return nullptr;
    return Mounted(new std::filesystem::path(at));
}

Mounted FaultMount::ReadOnly(const std::filesystem::path& at, std::string& why) {
    if (!Mount(at.c_str(), at, nullptr, MS_BIND, nullptr, why)) return nullptr;
    Mounted m(new std::filesystem::path(at));  // undoes the bind if the remount fails
    const bool ro = Mount(nullptr, at, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr, why);
    return ro ? std::move(m) : nullptr;
}

void Unmount::operator()(const std::filesystem::path* at) const {
    ::umount2(at->c_str(), MNT_DETACH);
    delete at;
}

std::size_t FillUp(const std::filesystem::path& folder) {
    const int fd =
        ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const std::vector<char> block(4096, 'f');
    std::size_t total = 0;
    for (std::size_t size = block.size(); fd >= 0 && size > 0;) {
        const ssize_t n = ::write(fd, block.data(), size);
        if (n <= 0) size /= 2;  // the last blocks: fill the file system to its last byte
        total += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    if (fd >= 0) ::close(fd);
    return total;
}

}  // namespace lott::test
