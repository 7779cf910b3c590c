// The tests' helpers: small synthetic deals and library files, temporary folders, test cases kept
// as data, and folders that fail as real ones do.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DealCodec.h"

namespace lott::test {

// A deal from hand texts (West, North, East, South as "AKQ.JT9.8765.432") and the five strains'
// trick digits as hex text in the library's order: notrump, spades, hearts, diamonds, clubs,
// each four digits for declarers East, North, West, South (tricks of North-South).
DealRecord MakeRecord(const std::array<std::string_view, 4>& hands,
                      const std::array<std::string_view, 5>& digits);

// A uniformly random deal with random (not double-dummy) trick digits 0..13.
DealRecord RandomRecord(std::mt19937& rng);

// Writes the records as a library file, in the text form when file ends in ".asc", else binary.
void WriteLibrary(const std::filesystem::path& file, const std::vector<DealRecord>& deals);

// A fresh empty folder below the system temp folder, removed by the destructor.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& file);
// Every regular file below folder whose name ends in ending, but the filler of a full disk:
// relative name -> bytes. FilesIn(folder, ".part") are the part files left behind.
std::map<std::string, std::string> FilesIn(const std::filesystem::path& folder,
                                           std::string_view ending = "");
void WriteFile(const std::filesystem::path& file, std::string_view bytes);

// Test cases kept as data: blocks of "key value" lines in a text file, read by one parameterised
// test per folder, and the check of what the code gives against a case's "expect" lines.
struct DataCase {
    std::filesystem::path file;
    std::string name;
    std::vector<std::pair<std::string, std::string>> lines;  // key, the rest of the line

    std::string Get(std::string_view key) const;  // the first value of key, or ""
    friend void PrintTo(const DataCase& c, std::ostream* os) { *os << c.name; }  // in messages
};

// A case opens with "case NAME"; blank lines and lines that open with '#' are skipped.
std::vector<DataCase> ReadCases(const std::filesystem::path& file);

// The case's "expect" lines (each ending in a line feed) equal actual, or a failure showing the
// lines that differ; the actual lines are then written to NAME.actual beside the data file, to
// compare or to take over after checking them.
::testing::AssertionResult MatchesExpected(const DataCase& c, const std::string& actual);

// The case's name as a test name.
std::string CaseName(const ::testing::TestParamInfo<DataCase>& info);

// Folders that fail as real ones do, for one test: a small file system that fills up, and a
// read-only view of a folder (permissions do not stop root, a read-only mount does). Mounting
// needs privileges; without them Mount says why, and the test skips with that reason.
struct Unmount {  // detaches the mount on the folder pointed to, and deletes that path
    void operator()(const std::filesystem::path* at) const;
};
using Mounted = std::unique_ptr<const std::filesystem::path, Unmount>;
namespace FaultMount {
// A tmpfs of the given size on the (empty) folder at.
Mounted SmallDisk(const std::filesystem::path& at, std::size_t bytes, std::string& why);
// The folder at, seen read-only where it is.
Mounted ReadOnly(const std::filesystem::path& at, std::string& why);
}  // namespace FaultMount

// Writes a file in folder until its file system is full; returns the bytes written.
std::size_t FillUp(const std::filesystem::path& folder);

}  // namespace lott::test
