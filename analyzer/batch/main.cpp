// trickscan-batch: the analyzer's run without a window, for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "BatchCommand.h"
#include "BatchRun.h"
#include "ProgramFolder.h"

int main(int argc, char** argv) {
    if (lott::AnswerHelpOrVersion(argc, argv, "trickscan-batch", lott::kBatchUsage, true,
                                  std::cout))
        return 0;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto cmd = lott::ParseBatchCommand(args, error);
    if (!cmd) {
        std::cerr << "trickscan-batch: " << error << "\n";
        lott::PrintHelp(std::cerr, lott::kBatchUsage, true);
        return 2;
    }
    if (cmd->help) {
        lott::PrintHelp(std::cout, lott::kBatchUsage, true);
        return 0;
    }
    const auto where = lott::FindProgramFolder(cmd->folder, lott::ExecutableFolder());
    if (!lott::ReportProgramFolder(where, "trickscan-batch", std::cerr)) return 1;
    return lott::RunBatch(*cmd, where.folder, std::cout, std::cerr);
}
