// boardlook-batch: the viewer's exports (HTML, text, PBN) for many deals at once, for scripts.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "BoardlookBatch.h"
#include "ProgramFolder.h"

int main(int argc, char** argv) {
    if (lott::AnswerHelpOrVersion(argc, argv, "boardlook-batch", lott::BoardlookBatch::kUsage, true,
                                  std::cout))
        return 0;
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto cmd = lott::BoardlookBatch::Parse(args, error);
    if (!cmd) {
        std::cerr << "boardlook-batch: " << error << "\n";
        lott::PrintHelp(std::cerr, lott::BoardlookBatch::kUsage, true);
        return 2;
    }
    if (cmd->help) {
        lott::PrintHelp(std::cout, lott::BoardlookBatch::kUsage, true);
        return 0;
    }
    const auto where = lott::FindProgramFolder(cmd->folder, lott::ExecutableFolder());
    if (!lott::ReportProgramFolder(where, "boardlook-batch", std::cerr)) return 1;
    return lott::BoardlookBatch::Run(*cmd, where.folder, std::cout, std::cerr);
}
