// Reading files the programs keep, only when they are regular files: O_NONBLOCK keeps a pipe put
// at the name from blocking the open (it has no effect on the reads of a regular file), and
// nothing else than a regular file is ever read.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lott {

// An open descriptor of a regular file with its status, or -1 (errno EINVAL for another kind).
int OpenRegular(const std::filesystem::path& path, struct stat& st);

// The whole file when it is regular and at most maxBytes long; never reads more than one byte
// past maxBytes.
bool ReadSmallRegular(const std::filesystem::path& path, std::size_t maxBytes, std::string& text);

// The whole file when it is regular and exactly size bytes long, also at the end of the read.
bool ReadRegularOfSize(const std::filesystem::path& path, std::int64_t size,
                       std::vector<std::uint8_t>& bytes);

}  // namespace lott
