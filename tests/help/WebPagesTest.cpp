// The local web pages: every page the programs open exists under its exact name and in the
// language its extension promises, every link between pages resolves, nothing loads from outside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace lott {
namespace {

namespace fs = std::filesystem;

const fs::path kWeb = TRICKSCAN_WEB_DIR;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The relative paths that the analyzer's menu and buttons and the viewer's buttons open.
const char* const kOpenedByPrograms[] = {
    "wexa/OstrevanStandard.HTML",  "wexa/OstrevanStandard.htm",  "ostrevan/GetLibrary.HTML",
    "ostrevan/GetLibrary.htm",     "ostrevan/total.HTML",        "ostrevan/total.htm",
    "ostrevan/library_notes.HTML", "ostrevan/library_notes.htm",
};

TEST(WebPages, EveryPageTheProgramsOpenExistsInItsLanguage) {
    for (const char* rel : kOpenedByPrograms) {
        SCOPED_TRACE(rel);
        const fs::path page = kWeb / rel;
        ASSERT_TRUE(fs::is_regular_file(page));
        const std::string html = ReadAll(page);
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        // ".HTML" pages are English, ".htm" pages Japanese.
        const bool japanese = page.extension() == ".htm";
        EXPECT_NE(html.find(japanese ? "<html lang=\"ja\">" : "<html lang=\"en\">"),
                  std::string::npos);
        // Each page links to its other-language twin.
        fs::path twin = page.filename();
        twin.replace_extension(japanese ? ".HTML" : ".htm");
        EXPECT_NE(html.find("href=\"" + twin.string() + "\""), std::string::npos);
    }
}

TEST(WebPages, LinksResolveAndNothingComesFromOutside) {
    const std::regex ref("(href|src)=\"([^\"#]*)(#[^\"]*)?\"");
    int pages = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kWeb)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".html" && ext != ".HTML" && ext != ".htm") continue;
        ++pages;
        SCOPED_TRACE(entry.path().string());
        const std::string html = ReadAll(entry.path());
        EXPECT_EQ(html.find("<script"), std::string::npos);
        EXPECT_EQ(html.find("http:"), std::string::npos);
        EXPECT_EQ(html.find("https:"), std::string::npos);
        for (std::sregex_iterator m(html.begin(), html.end(), ref), end; m != end; ++m) {
            const std::string target = (*m)[2].str();
            if (target.empty()) continue;  // a link within the page
            EXPECT_TRUE(fs::is_regular_file(entry.path().parent_path() / target)) << target;
        }
    }
    EXPECT_EQ(pages, 9);  // the eight pages above and the index
}

}  // namespace
}  // namespace lott
