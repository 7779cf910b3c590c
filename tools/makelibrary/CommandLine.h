// makelibrary's command line: what to do and with which numbers, or why not.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "LibraryFile.h"  // kMaxDeals: the most deals the programs can read

namespace lott {

struct CommandLine {
    enum class Mode { Make, Check, Help, Import };
    Mode mode = Mode::Make;
    std::int64_t deals = 0;  // 0: not given (a resumed run takes it from the marker)
    std::optional<std::uint64_t> seed;
    int threads = 0;  // 0: DDS chooses
    bool resume = false;
    std::filesystem::path out = ".";
    std::filesystem::path checkDir;
    int sample = 20;  // deals the check solves again
    // Shard `shard` of `shards` of the library (shards 0: all of it); the shard folders that
    // --merge puts together into `out`; the folder of shards --status sums up. A merge or a
    // status has Mode::Make with merge or statusDir set.
    std::int64_t shard = 0, shards = 0;
    bool merge = false;
    std::vector<std::filesystem::path> mergeDirs;
    std::filesystem::path statusDir;
    // --import FILE...: PBN files, in this order, and how many given tables to solve again.
    std::vector<std::filesystem::path> imports;
    int verify = 0;

    // The arguments after the program name. Nothing, with a one-line reason, when they do not
    // make a command.
    static std::optional<CommandLine> Parse(std::span<const std::string_view> args,
                                            std::string& error);
};

std::string Usage();

}  // namespace lott
