// Helpers of the front-end tests: settings reached by clicks, and the comparison with a golden
// file that leaves the actual output beside the expected one.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "Headers.h"
#include "TableExport.h"
#include "TestLibrary.h"

namespace lott {
namespace fs = std::filesystem;
}

namespace lott::test {

// The start-up settings (no screenshot mode) after these user clicks; every click must be taken.
inline Settings Clicked(const std::vector<int>& clicks) {
    Settings s;
    s.DefaultSetting(false);
    for (int i : clicks) EXPECT_TRUE(s.Click(i)) << "click on o(" << i << ") refused";
    return s;
}

// Passes when the golden file holds exactly actual. Otherwise actual is written beside it as
// <golden>.actual, the difference is printed, and the test fails.
inline void ExpectGolden(const fs::path& golden, const std::string& actual) {
    const std::string out = golden.string() + ".actual";
    if (fs::exists(golden) && ReadFile(golden) == actual) return;
    WriteFile(out, actual);
    ADD_FAILURE() << golden.string() << " differs from the output, left in " << out;
    std::fflush(stdout);
    [[maybe_unused]] const int shown =
        std::system(("diff -u '" + golden.string() + "' '" + out + "'").c_str());
}

// The entries right below folder whose names end in suffix ("/" for folders), sorted.
inline std::vector<fs::path> Entries(const fs::path& folder, const std::string& suffix) {
    std::vector<fs::path> v;
    for (const auto& e : fs::directory_iterator(folder))
        if (suffix == "/" ? e.is_directory() : e.path().filename().string().ends_with(suffix))
            v.push_back(e.path());
    std::sort(v.begin(), v.end());
    return v;
}

// Names a golden case after its file or folder.
inline std::string Named(const testing::TestParamInfo<fs::path>& p) {
    return p.param.stem().string();
}

}  // namespace lott::test
