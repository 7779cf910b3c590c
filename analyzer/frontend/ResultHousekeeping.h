// File housekeeping around the result files: bringing result files of older versions into
// "DataFiles" and into the current naming.
#pragma once

#include <filesystem>
#include <string>

namespace lott {

// Moves the ".txt" result files of older versions from the program folder into dataDir: only
// names that are result names of this or an older version, so other ".txt" files stay. A file
// that already exists in dataDir is never replaced. Failures are collected in error.
bool MoveTxtFiles(const std::filesystem::path& programDir, const std::filesystem::path& dataDir,
                  std::string& error);

// Inside dataDir: a ".txt" result of an older version takes its current name with ".dat"; a
// ".dat" name that no settings give now and that is an old name ("(-)" for "(none)", a dash
// before the ")") takes its current name. Names the current naming gives are never renamed.
// No existing file is replaced: a rename onto an existing name is left undone (and, for
// ".dat" names, reported in error).
bool RenameTxtFiles(const std::filesystem::path& dataDir, std::string& error);

// Renames from to to unless to exists; false with ec set when it could not be done.
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to,
                     std::error_code& ec);

}  // namespace lott
