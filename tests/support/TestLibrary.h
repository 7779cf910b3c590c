// Builds small synthetic deals and library files for tests.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <string_view>
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

// Writes the records as Library.bin and/or Library.asc in folder.
void WriteBin(const std::filesystem::path& file, const std::vector<DealRecord>& deals);
void WriteAsc(const std::filesystem::path& file, const std::vector<DealRecord>& deals);

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

}  // namespace lott::test
