// The files of a program folder that the programs read, and the checks an output name and the
// folder itself must pass before a batch tool writes anything.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "ArchiveCheck.h"

namespace lott {

// Relative to the program folder: both libraries, the scan cache and its note, the deal list.
inline constexpr std::array<const char*, 5> kProgramInputs{
    "Library.bin", "Library.asc", "DataFiles/Trickscan_36.bin", "DataFiles/Trickscan_36.src",
    "Over20.txt"};

// The relative name of the input of folder (or the library named, relative to folder) that
// output is the same file as (device and inode, so links and other spellings of the name are
// seen through), or would be once written (an input not made yet); nothing when it is none.
std::optional<std::string> OutputIsAnInput(const std::filesystem::path& folder,
                                           const std::filesystem::path& output,
                                           const std::string& library = {});

// The folder with every link and ".." resolved, for the archive check: a folder reached
// through an innocent name is refused where it really lies. The absolute path when it cannot
// be resolved.
std::filesystem::path ResolvedFolder(const std::filesystem::path& folder);

// ChkZip of the resolved folder.
bool ChkZipResolved(const std::filesystem::path& folder, ArchiveRule rule);

}  // namespace lott
