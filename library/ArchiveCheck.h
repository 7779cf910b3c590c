// Whether a program folder lies where the programs refuse to run: inside an unpacked archive
// (a path containing "zip") or, for the analyzer, a temporary folder ("tmp").
#pragma once

#include <string_view>

namespace lott {

enum class ArchiveRule {
    ZipOnly,   // the viewer
    ZipOrTmp,  // the analyzer
};

// True when the lower-cased folder path contains "zip" (or "tmp" under ZipOrTmp), or when flag
// is not 0 (a caller's way to force the refusal).
bool ChkZip(std::string_view folderPath, ArchiveRule rule, int flag = 0);

}  // namespace lott
