// The local web pages: every page the programs open exists under its exact name, every link
// between pages resolves, and nothing loads from outside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

TEST(WebPages, ThePagesTheProgramsOpenExistAndEveryLinkResolves) {
    const fs::path web = TRICKSCAN_WEB_DIR;
    // The analyzer's menu and buttons and the viewer's buttons, in English and in Japanese.
    for (const char* page : {"wexa/OstrevanStandard", "ostrevan/GetLibrary", "ostrevan/total",
                             "ostrevan/library_notes"})
        for (const char* ext : {".HTML", ".htm"})
            EXPECT_TRUE(fs::is_regular_file(web / (std::string(page) + ext))) << page << ext;
    const std::regex ref("(href|src)=\"([^\"#]+)"), outside("<script|https?:");
    for (const auto& e : fs::recursive_directory_iterator(web)) {
        if (!std::regex_match(e.path().extension().string(), std::regex("\\.(html|HTML|htm)")))
            continue;
        std::ostringstream s;
        s << std::ifstream(e.path(), std::ios::binary).rdbuf();
        const std::string html = s.str();
        EXPECT_FALSE(std::regex_search(html, outside)) << e.path();
        for (std::sregex_iterator m(html.begin(), html.end(), ref), end; m != end; ++m)
            EXPECT_TRUE(fs::is_regular_file(e.path().parent_path() / (*m)[2].str()))
                << e.path() << " links " << (*m)[2];
    }
}

}  // namespace
