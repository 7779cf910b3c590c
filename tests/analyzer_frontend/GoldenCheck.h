// Helpers of the front-end tests: settings reached by clicks, and the comparison with a golden
// file that leaves the actual output beside the expected one.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Settings.h"
#include "TestLibrary.h"

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
inline void ExpectGolden(const std::filesystem::path& golden, const std::string& actual) {
    const std::string out = golden.string() + ".actual";
    if (std::filesystem::exists(golden) && ReadFile(golden) == actual) return;
    WriteFile(out, actual);
    ADD_FAILURE() << golden.string() << " differs from the output, left in " << out;
    std::fflush(stdout);
    [[maybe_unused]] const int shown =
        std::system(("diff -u '" + golden.string() + "' '" + out + "'").c_str());
}

// The entries right below folder whose names end in suffix ("/" for folders), sorted.
inline std::vector<std::filesystem::path> Entries(const std::filesystem::path& folder,
                                                  const std::string& suffix) {
    std::vector<std::filesystem::path> v;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (suffix == "/" ? e.is_directory() : e.path().filename().string().ends_with(suffix))
            v.push_back(e.path());
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace lott::test
