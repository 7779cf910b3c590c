#include "ProgramFolder.h"

#include <random>

namespace lott::test {

namespace fs = std::filesystem;

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
