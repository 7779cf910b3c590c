// A library made of the deals of PBN files: each deal once, in the order first met, with its
// double-dummy results from the file or else from DDS, and where it came from (Sources.tsv).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "DealCodec.h"
#include "SourceTable.h"

namespace lott {

class PbnImport {
  public:
    struct Entry {
        DealRecord rec;
        bool solved = false;  // the trick digits came with the game
        DealSource source;
        std::string where;  // "file:line" of the game first met
    };
    struct Counts {
        std::int64_t imported = 0, repeated = 0, skipped = 0;
    };
    using Solve = std::function<bool(std::span<DealRecord>, std::string& error)>;
    using Progress = std::function<void(std::int64_t done, std::int64_t target)>;
    using StopCheck = std::function<bool()>;
    enum class Outcome { Finished, Stopped, Failed };

    // Takes the games of one file, named name in reports and sources. Every game skipped, and
    // every table that cannot be used, is reported on report as "name:line reason".
    void Add(const std::string& name, std::string_view bytes, std::ostream& report);

    const std::vector<Entry>& Deals() const { return deals_; }
    const Counts& counts() const { return counts_; }
    std::int64_t Unsolved() const;
    // "imported N deals, R repeated, S skipped"
    std::string Summary() const;

    // Solves k of the games' own tables again (spread over the library) and fails on the
    // first difference, naming the game.
    bool Verify(int k, const Solve& solve, std::string& error) const;
    // Solves the deals without a table, batch by batch, and writes Library.bin, Library.asc and
    // Sources.tsv into out (which must hold no library). The library is made in a folder of
    // its own inside out and moved in when whole; a run that does not finish removes it.
    Outcome Write(const std::filesystem::path& out, const Solve& solve, int batch,
                  const StopCheck& stop, const Progress& progress, std::string& error);

  private:
    std::vector<Entry> deals_;
    std::unordered_map<std::string, std::size_t> index_;  // card owners -> deal
    Counts counts_;
};

}  // namespace lott
