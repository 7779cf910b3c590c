// One run of trickscan-batch: the analysis a press of Start makes in the program folder, or one
// deal's analysis as JSON.
#pragma once

#include <filesystem>
#include <ostream>

#include "BatchCommand.h"
#include "GraphRequest.h"

namespace lott {

// Returns the exit code: 0 when the run finished and its result file was written, 2 when an
// output names a file the programs read (nothing is written then), else 1. graph draws --graph
// and the report's picture; without one (a build without the windows) --graph is refused and
// the report goes without its graph.
int RunBatch(const BatchCommand& cmd, const std::filesystem::path& exeFolder, std::ostream& out,
             std::ostream& err, const GraphRenderer& graph = {});

// The whole of trickscan-batch's main: --help and --version, the command line, the program
// folder, the run. graph draws the pictures (none: --graph and the report's picture fail).
int BatchMain(int argc, char** argv, const GraphRenderer& graph = {});

}  // namespace lott
