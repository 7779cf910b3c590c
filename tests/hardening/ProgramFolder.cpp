#include "ProgramFolder.h"

#include <random>

namespace lott::test {

namespace fs = std::filesystem;

std::map<std::string, std::string> FilesIn(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (!e.is_regular_file() || e.path().filename() == "filler") continue;
        files[fs::relative(e.path(), folder).string()] = ReadFile(e.path());
    }
    return files;
}

std::vector<std::string> PartFiles(const fs::path& folder) {
    std::vector<std::string> parts;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.path().extension() == ".part") parts.push_back(e.path().filename().string());
    return parts;
}

void ProgramFolder::WriteLibrary(int deals, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    for (int i = 0; i < deals; ++i) v.push_back(RandomRecord(rng));
    fs::create_directories(path);
    WriteBin(path / "Library.bin", v);
}

Analyzer::StartState ProgramFolder::Restart(int language) {
    a = std::make_unique<Analyzer>(path);
    a->beep = [this] { ++beeps; };
    return a->Load(false, language);
}

std::string ProgramFolder::Run(const std::vector<int>& clicks) {
    for (int c : clicks) a->settings.Click(c);
    a->cmdStart_Click();
    const std::string ended = a->StartCaption;
    if (ended == "Finished" || ended == "Stopped") a->cmdStart_Click();
    return ended;
}

}  // namespace lott::test
