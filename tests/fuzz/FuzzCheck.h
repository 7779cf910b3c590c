// What the fuzz targets share: a check that stops the run on a broken expectation (so that
// libFuzzer keeps the input and the replay test fails), a reader of the input's bytes, settings
// chosen by those bytes, a scratch folder and files in it, a scan set up by settings, and the
// checks of a decoded deal and its passes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "Deal.h"
#include "DealAnalysis.h"
#include "ScanDriver.h"
#include "Settings.h"

namespace lott::fuzz {

[[noreturn]] void Fail(const char* what, const char* file, int line);

#define FUZZ_CHECK(cond)                                            \
    do {                                                            \
        if (!(cond)) ::lott::fuzz::Fail(#cond, __FILE__, __LINE__); \
    } while (0)

// Takes the input from the front; past its end every byte reads as 0.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : p_(data), n_(size) {}
    std::uint8_t Take() {
        if (n_ == 0) return 0;
        --n_;
        return *p_++;
    }
    std::size_t Left() const { return n_; }
    std::string_view Rest() const { return {reinterpret_cast<const char*>(p_), n_}; }

  private:
    const std::uint8_t* p_;
    std::size_t n_;
};

// Settings as a user reaches them: the start-up state, a preset, then up to 15 clicks, each
// input byte naming an option (refused clicks change nothing). Takes 1 + 1 + clicks bytes.
void ChooseSettings(ByteReader& in, Settings& s);

// A folder of this process for files the targets write, emptied at exit.
const std::filesystem::path& ScratchFolder();
// The folder `name` in the scratch folder, emptied (or made).
std::filesystem::path FreshFolder(const char* name);
// Writes the bytes as the whole file.
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// A scan or replay that counts under the settings' options.
void UseSettings(ScanDriver& driver, const Settings& s);

// The cards a seat holds, all suits.
int CardCount(const Deal& d, int seat);

// Every card once, hands highest first, 40 points; lengths, fits and tricks as decoded.
void CheckDecodedDeal(const Deal& d);
// Both passes of a deal: contracts, totals and the cache record they make, which a cache load
// must accept.
void CheckPasses(const Deal& d, const DealPasses& p);
// Both passes of the analysis's deal as the scan makes them, checked by CheckPasses.
DealPasses CheckedPasses(DealAnalysis& analysis);

}  // namespace lott::fuzz
