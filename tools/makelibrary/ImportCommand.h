// makelibrary --import: a library of the deals of PBN files, with their sources.
#pragma once

#include "CommandLine.h"

namespace lott {

// Reads the files, reports skipped games on stderr, solves and writes. 0 when at least one
// deal was imported, 1 otherwise or on a failure, 128 + the signal when stopped.
int RunImport(const CommandLine& c);

}  // namespace lott
