#include "ViewerTexts.h"

#include <array>
#include <cctype>

#include "Cat.h"

namespace lott {

namespace {
constexpr std::array<const char*, ViewerTexts::kCaptions + 1> kEnglish = {"",
                                                                          "Library",
                                                                          "Go / Back",
                                                                          "Length / Score",
                                                                          "NoTrump",
                                                                          "Top Box",
                                                                          "Middle Box",
                                                                          "Bottom Box",
                                                                          "Length",
                                                                          "Score",
                                                                          "End",
                                                                          " NT Allowed",
                                                                          " NT Forbidden",
                                                                          "Read Ostrevan",
                                                                          "Go",
                                                                          "Back",
                                                                          "Select Total Trumps",
                                                                          "select trump",
                                                                          "Library Name",
                                                                          "View Over20",
                                                                          "Output",
                                                                          " (declarer)",
                                                                          " (lead)"};
// The blank after "/" in entry 3 is an ideographic space.
constexpr std::array<const char*, ViewerTexts::kCaptions + 1> kJapanese = {"",
                                                                           "ライブラリ",
                                                                           "進む / 戻る",
                                                                           "長さ /　スコア",
                                                                           "ノートランプ",
                                                                           "上段の箱",
                                                                           "中段の箱",
                                                                           "下段の箱",
                                                                           "長さ",
                                                                           "スコア",
                                                                           "終了",
                                                                           " NT 許可状態",
                                                                           " NT 禁止状態",
                                                                           "Ostrevan を読む",
                                                                           "進む",
                                                                           "戻る",
                                                                           "合計切り札枚数を選択",
                                                                           "切り札の選択",
                                                                           "ライブラリ名",
                                                                           "Over20 を見る",
                                                                           "出力",
                                                                           " (宣言者)",
                                                                           " (リード)"};
}  // namespace

std::string ViewerTexts::MenuText(Language language, int k) {
    if (k < 1 || k > kCaptions) return {};
    return language == Language::Japanese ? kJapanese[static_cast<std::size_t>(k)]
                                          : kEnglish[static_cast<std::size_t>(k)];
}

std::string ViewerTexts::FormatThousands(std::int64_t n, const std::string& sep) {
    if (n == 0) return {};
    bool negative = n < 0;
    std::string digits = std::to_string(negative ? -n : n);
    std::string out;
    std::size_t lead = digits.size() % 3;
    if (lead == 0) lead = 3;
    out = digits.substr(0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += sep;
        out += digits.substr(i, 3);
    }
    if (negative) out.insert(0, 1, '-');
    return out;
}

std::string ViewerTexts::LibraryLine1(Language language, std::int64_t libFileLen,
                                      const std::string& sep) {
    if (language == Language::Japanese)
        return Cat("  ファイル長さ = ", FormatThousands(libFileLen, sep), " バイト.");
    return Cat("  File Length = ", FormatThousands(libFileLen, sep), " bytes.");
}

std::string ViewerTexts::LibraryLine2(Language language, std::int32_t dealCount, int recLen,
                                      const std::string& sep) {
    if (language == Language::Japanese)
        return Cat("  ディール個数 = ", FormatThousands(dealCount, sep), " (各",
                   std::to_string(recLen), " バイト).");
    return Cat("  Nr of Deals = ", FormatThousands(dealCount, sep), " (", std::to_string(recLen),
               " byte each).");
}

std::string ViewerTexts::SourceLine(Language language, const DealSource& s) {
    if (language == Language::Japanese)
        return Cat("出典: ", s.event, "、ボード ", s.board, "、", s.date);
    return Cat("Source: ", s.event, ", board ", s.board, ", ", s.date);
}

std::string ViewerTexts::NotFoundLine1(const std::string& fileName) {
    return Cat("   Library File \"", fileName, "\" is not found.");
}

std::string ViewerTexts::FailureLine1(LibraryFailure why, const std::string& fileName) {
    if (why == LibraryFailure::NoDeals)
        return Cat("   Library File \"", fileName, "\" holds no deals.");
    if (why == LibraryFailure::CannotOpen)
        return Cat("   Library File \"", fileName, "\" cannot be opened.");
    return NotFoundLine1(fileName);
}

std::string ViewerTexts::NotFoundLine2(const std::string& fileName) {
    std::string lower = fileName;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool bin = lower.find("bin") != std::string::npos;
    return Cat("   Download \"Library.", bin ? "bin" : "asc", "\".");
}

std::string ViewerTexts::ZipLine1(Language language) {
    if (language == Language::Japanese) return " 圧縮ファイルの中では実行できません。";
    return "   Unpack the boardlook archive";
}

std::string ViewerTexts::ZipLine2(Language language) {
    if (language == Language::Japanese)
        return " boardlook を圧縮ファイルの外へ取り出してから，実行して下さい。";
    return "   before starting boardlook.";
}

std::string ViewerTexts::DamagedDeal(Language language, std::int32_t dealNo) {
    if (language == Language::Japanese)
        return Cat(" ディール #", std::to_string(dealNo),
                   " のレコードが壊れているため，表示できません。");
    return Cat(" Deal #", std::to_string(dealNo), " cannot be shown: its record is damaged.");
}

std::string ViewerTexts::UnreadableDeal(Language language, std::int32_t dealNo) {
    if (language == Language::Japanese)
        return Cat(" ディール #", std::to_string(dealNo), " をライブラリ ファイルから読めません。");
    return Cat(" Deal #", std::to_string(dealNo), " cannot be read from the library file.");
}

std::string ViewerTexts::ExportFailed(Language language, const std::string& detail) {
    if (language == Language::Japanese) return Cat("出力できませんでした: ", detail);
    return Cat("Output failed: ", detail);
}

std::string ViewerTexts::LibraryNotOpened(Language language, LibraryFailure why,
                                          const std::string& fileName, const std::string& inUse) {
    if (language == Language::Japanese) {
        const char* what = why == LibraryFailure::NotFound  ? "が見つかりません"
                           : why == LibraryFailure::NoDeals ? "にはディールがありません"
                                                            : "を開けません";
        return Cat("ライブラリ ファイル \"", fileName, "\" ", what, "。表示中のライブラリ: \"",
                   inUse, "\"");
    }
    const char* what = why == LibraryFailure::NotFound  ? "is not found"
                       : why == LibraryFailure::NoDeals ? "holds no deals"
                                                        : "cannot be opened";
    return Cat("Library File \"", fileName, "\" ", what, "; the library shown is still \"", inUse,
               "\".");
}

std::string ViewerTexts::Written(Language language, const std::string& file) {
    if (language == Language::Japanese) return Cat("書き出しました: ", file);
    return Cat("Written to ", file);
}

std::string ViewerTexts::PageNotOpened(Language language, const std::string& address) {
    if (language == Language::Japanese) return Cat("ページを開けませんでした: ", address);
    return Cat("The page could not be opened: ", address);
}

std::string ViewerTexts::DownloadPage(int index) {
    if (index == 0) return "ostrevan/GetLibrary.HTML";
    if (index == 1) return "ostrevan/GetLibrary.htm";
    return {};
}

std::string ViewerTexts::NotesPage(Language language) {
    return language == Language::Japanese ? "ostrevan/library_notes.htm"
                                          : "ostrevan/library_notes.HTML";
}

}  // namespace lott
