// Captions and the library lines in both languages.
#include <gtest/gtest.h>

#include "ViewerTexts.h"

namespace lott {
namespace {

TEST(ViewerTexts, CaptionTableInBothLanguages) {
    EXPECT_EQ(ViewerTexts::MenuText(0, 1), "Library");
    EXPECT_EQ(ViewerTexts::MenuText(1, 1), "ライブラリ");
    EXPECT_EQ(ViewerTexts::MenuText(0, 11), " NT Allowed");
    EXPECT_EQ(ViewerTexts::MenuText(1, 12), " NT 禁止状態");
    EXPECT_EQ(ViewerTexts::MenuText(1, 3), "長さ /\u3000スコア");  // an ideographic space
    EXPECT_EQ(ViewerTexts::MenuText(0, 16), "Select Total Tricks");
    EXPECT_EQ(ViewerTexts::MenuText(1, 16), "合計トリック数を選択");
    EXPECT_EQ(ViewerTexts::MenuText(0, 0), "");
    EXPECT_EQ(ViewerTexts::MenuText(0, 17), "");
    for (int k = 1; k <= 16; ++k) {
        EXPECT_FALSE(ViewerTexts::MenuText(0, k).empty());
        EXPECT_NE(ViewerTexts::MenuText(0, k), ViewerTexts::MenuText(1, k)) << k;
    }
}

TEST(ViewerTexts, LibraryLinesWithThousandsSeparators) {
    EXPECT_EQ(ViewerTexts::FormatThousands(18644652, ","), "18,644,652");
    EXPECT_EQ(ViewerTexts::FormatThousands(717102, "."), "717.102");
    EXPECT_EQ(ViewerTexts::FormatThousands(999, ","), "999");
    EXPECT_EQ(ViewerTexts::FormatThousands(1000, ","), "1,000");
    EXPECT_EQ(ViewerTexts::FormatThousands(0, ","), "");
    EXPECT_EQ(ViewerTexts::LibraryLine1(0, 18644652, ","), "  File Length = 18,644,652 bytes.");
    EXPECT_EQ(ViewerTexts::LibraryLine2(0, 717102, 26, ","),
              "  Nr of Deals = 717,102 (26 byte each).");
    EXPECT_EQ(ViewerTexts::LibraryLine1(1, 2670, ","), "  ファイル長さ = 2,670 バイト.");
    EXPECT_EQ(ViewerTexts::LibraryLine2(1, 30, 89, ","), "  ディール個数 = 30 (各89 バイト).");
}

TEST(ViewerTexts, MissingLibraryAndArchiveMessages) {
    EXPECT_EQ(ViewerTexts::NotFoundLine1("Library.bin"),
              "   Library File \"Library.bin\" is not found.");
    EXPECT_EQ(ViewerTexts::NotFoundLine2("Library.bin"), "   Download \"Library.bin\".");
    EXPECT_EQ(ViewerTexts::NotFoundLine2("Library.asc"), "   Download \"Library.asc\".");
    EXPECT_EQ(ViewerTexts::ZipLine1(0), "   UnZip \"Boardlook3.zip\"");
    EXPECT_EQ(ViewerTexts::ZipLine2(0), "   before Starting Boardlook.exe.");
    EXPECT_EQ(ViewerTexts::ZipLine1(1), " ZIP の中では実行できません。");
    EXPECT_EQ(ViewerTexts::DownloadPage(0), "ostrevan/GetLibrary.HTML");
    EXPECT_EQ(ViewerTexts::DownloadPage(1), "ostrevan/GetLibrary.htm");
    EXPECT_EQ(ViewerTexts::DownloadPage(2), "");
    EXPECT_EQ(ViewerTexts::NotesPage(0), "ostrevan/library_notes.HTML");
    EXPECT_EQ(ViewerTexts::NotesPage(1), "ostrevan/library_notes.htm");
}

}  // namespace
}  // namespace lott
