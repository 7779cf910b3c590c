// "Sources.tsv" beside an imported library: where each deal came from (the PBN file, its event,
// site, date, board, dealer and vulnerability) and how often the import met it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lott {

struct DealSource {
    std::string file, event, site, date, board, dealer, vulnerable;
    std::int64_t occurrences = 1;
    bool operator==(const DealSource&) const = default;
};

class SourceTable {
  public:
    static constexpr const char* kFileName = "Sources.tsv";
    // Files of more bytes are not read: no import writes one (about 100 bytes a deal).
    static constexpr std::size_t kMaxBytes = std::size_t{1} << 30;

    // The header line and a deal's line, each ending in CR LF.
    static std::string Header();
    static std::string Line(std::int64_t dealNo, const DealSource& s);
    // A field as the file holds it: tabs and line ends become blanks.
    static std::string Clean(std::string_view field);

    // Reads the table in folder. False (and empty) when there is none or it is not one; lines
    // that are not a deal's line are passed over.
    bool Load(const std::filesystem::path& folder);
    void Parse(std::string_view text);
    std::optional<DealSource> Of(std::int64_t dealNo) const;
    std::size_t size() const { return rows_.size(); }

  private:
    std::map<std::int64_t, DealSource> rows_;
};

}  // namespace lott
