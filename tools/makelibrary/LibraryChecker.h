// makelibrary --check: reads both forms of a library, finds every damaged or disagreeing
// deal, solves a sample again with DDS, and compares the Total Length spread with the odds.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "DdsSolver.h"

namespace lott {

struct CheckSummary {
    static constexpr std::size_t kListed = 20;  // faults kept as text; the rest are counted

    std::int64_t binDeals = 0;
    std::int64_t ascDeals = 0;
    std::int64_t faultCount = 0;
    std::vector<std::string> faults;
    std::array<std::int64_t, 27> byTotalLength{};  // deals by Total Length (both sides' longest)
    int sampled = 0;                               // deals solved again
    int sampleAgreed = 0;                          // of those, the ones whose 20 results all agree
    bool unfinished = false;                       // a Library.making lies beside the files

    bool Ok() const { return faultCount == 0; }
    void Fault(std::string text);
};

class LibraryChecker {
  public:
    // solver may be null: then no deal is solved again.
    explicit LibraryChecker(DdsSolver* solver) : solver_(solver) {}

    // Checks Library.bin and Library.asc in dir; sample deals (chosen from sampleSeed) are
    // solved again. False, with a one-line reason, only when the files cannot be read at all;
    // everything wrong inside them ends up in the summary.
    bool Check(const std::filesystem::path& dir, int sample, std::uint64_t sampleSeed,
               CheckSummary& summary, std::string& error);

    // The short report: faults, deal count, sample result, Total Length against FitOdds.
    static void Report(const CheckSummary& s, const std::filesystem::path& dir, std::ostream& out);

  private:
    void Resolve(const std::vector<std::int32_t>& dealNos, const std::vector<DealRecord>& recs,
                 CheckSummary& s);

    DdsSolver* solver_;
};

}  // namespace lott
