// The command line of trickscan-batch: a program folder and the clicks, numbers and outputs
// that one analysis run takes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Modes.h"

namespace lott {

struct BatchCommand {
    std::string folder;         // empty: the executable's folder
    std::optional<int> preset;  // option 0 or 1, clicked first
    std::vector<int> clicks;    // option indices, in command-line order
    std::optional<std::int64_t> deals;
    Language language = Language::English;
    bool table = false;
    std::string csv;                         // --csv FILE: the run's tables as CSV
    std::string json;                        // --json FILE: the same as JSON
    std::string report;                      // --report FILE.html: the research report of the run
    std::string graph;                       // --graph FILE: the graph, PNG or SVG by the extension
    std::optional<std::int64_t> graphScale;  // --graph-scale N: PNG at N times the window's pixels
    std::optional<std::int64_t> deal;        // --deal N: one deal's analysis as JSON
    bool noWait = false;  // --no-wait: refuse instead of waiting for another scan
    bool help = false;
};

// Parses the arguments (without the program name). On a bad argument returns nothing and puts a
// one-line reason in error.
std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& args,
                                              std::string& error);

// Whether --graph names an SVG picture (the extension in any case); else it is a PNG.
bool GraphIsSvg(std::string_view file);

extern const char* const kBatchUsage;

}  // namespace lott
