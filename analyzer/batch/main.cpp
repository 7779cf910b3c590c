// trickscan-batch: the analyzer's run without a window, for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "BatchCommand.h"
#include "BatchRun.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    auto cmd = lott::ParseBatchCommand(args, error);
    if (!cmd) {
        std::cerr << "trickscan-batch: " << error << "\n" << lott::kBatchUsage;
        return 2;
    }
    if (cmd->help) {
        std::cout << lott::kBatchUsage;
        return 0;
    }
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    auto exeFolder = ec ? std::filesystem::current_path() : exe.parent_path();
    return lott::RunBatch(*cmd, exeFolder, std::cout, std::cerr);
}
