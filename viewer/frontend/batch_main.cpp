// boardlook-batch: the viewer's exports (HTML, text, PBN) for many deals at once, for scripts.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "BoardlookBatch.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto cmd = lott::BoardlookBatch::Parse(args, error);
    if (!cmd) {
        std::cerr << "boardlook-batch: " << error << "\n" << lott::BoardlookBatch::kUsage;
        return 2;
    }
    if (cmd->help) {
        std::cout << lott::BoardlookBatch::kUsage;
        return 0;
    }
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto exeFolder = ec ? std::filesystem::current_path() : exe.parent_path();
    return lott::BoardlookBatch::Run(*cmd, exeFolder, std::cout, std::cerr);
}
