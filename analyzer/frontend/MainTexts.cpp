#include "MainTexts.h"

#include <array>

#include "OptionIndex.h"

namespace lott {

namespace {

struct Pair {
    const char* english;
    const char* japanese;
};

std::string Pick(const Pair& p, Language language) {
    return language == Language::Japanese ? p.japanese : p.english;
}

// Index 6 is the page on level differences, which the menu offers as well.
constexpr std::array<Pair, 10> kMenuTitle = {{
    {"Main Menu", "メインメニュー"},
    {"In Detail", "もっと詳しく"},
    {"HCP range", "HCP の範囲"},
    {"Table / Graph", "表とグラフ"},
    {"Corrections (Suit)", "補正(スート)"},
    {"Corrections (NT)", "補正(ノートラ)"},
    {"Limit Level Difference", "代の差の制限"},
    {"Initialize", "初期化"},
    {"Initialize the software", "ソフトウェアを初期化する"},
    {"Cancel", "キャンセル"},
}};

constexpr std::array<Pair, 34> kCaptionTitle = {{
    {" main menu", "メインメニュー"},
    {"Select Trumps  ", "切り札の選択"},
    {"by Length", "長さによる"},
    {"by Score", "スコアによる"},
    {"Artificial Declarer", "不自然なディクレアラ"},
    {" Allow", "許 可"},
    {" Forbid", "禁 止"},
    {"View Table", "表を見る"},
    {"View Graph", "グラフを見る"},
    {"Notrumps / Suits", "ノートランプとスート"},
    {"No NT Calls", "ノートラを禁止"},
    {"Count Both Separately", "二通りに分けて調べる"},
    {"Start", "開 始"},
    {"End", "終了"},
    {"Deals to be Scanned", "調べるディールの個数"},
    {"Double Double Fit", "ダブル･ダブル･フィット"},
    {"Solid Honors", "しっかりした切り札"},
    {"Chameleons", "カメレオン"},
    {"HCP range", "HCP の範囲"},
    {"LoTT formula in NT", "NT での LoTT 公式"},
    {"Difference in Levels", "コントラクト代の差"},
    {"Doubleton", "ダブルトン"},
    {"Singleton", "シングルトン"},
    {" Void", "ボイド  "},
    {"", ""},
    {"Neither", "両方に無し"},
    {"Either", "片方にあり"},
    {"Both", "両方にあり"},
    {"Neither", "両方に無し"},
    {"Either", "片方にあり"},
    {"Both", "両方にあり"},
    {"Neither", "両方に無し"},
    {"Either", "片方にあり"},
    {"Both", "両方にあり"},
}};

}  // namespace

std::string MainTexts::MenuTitle(int index, Language language) {
    if (index < 0 || index >= static_cast<int>(kMenuTitle.size())) return {};
    return Pick(kMenuTitle[static_cast<std::size_t>(index)], language);
}

std::string MainTexts::CaptionTitle(int index, Language language) {
    if (index < 0 || index >= static_cast<int>(kCaptionTitle.size())) return {};
    return Pick(kCaptionTitle[static_cast<std::size_t>(index)], language);
}

std::string MainTexts::DesignOption(int index) {
    static constexpr std::array<const char*, 34> kLow = {"Ostrevan",
                                                         "Standard",
                                                         "by Length",
                                                         "by Score",
                                                         "Allow",
                                                         "Forbid",
                                                         "17 - 23 HCP",
                                                         "15 - 25 HCP",
                                                         "  0 - 40 HCP",
                                                         "No NT Calls",
                                                         "Count Both  Separately",
                                                         "Quenby (7,7,7)",
                                                         "Dorvald(8,7,6)",
                                                         "Dorvald(9,8,7)",
                                                         " +1",
                                                         "+0.5",
                                                         "  0",
                                                         " +1",
                                                         "+0.5",
                                                         "  0",
                                                         "-0.5",
                                                         "  0",
                                                         " Doubleton",
                                                         " Singleton",
                                                         " Void Deals",
                                                         "Neither",
                                                         "Either",
                                                         "Both",
                                                         "Neither",
                                                         "Either",
                                                         "Both",
                                                         "Neither",
                                                         "Either",
                                                         "Both"};
    if (index >= 0 && index <= Opt::LastFilter) return kLow[static_cast<std::size_t>(index)];
    switch (index) {
        case Opt::LevelLimit1:
            return "Limit to 1";
        case Opt::LevelLimit2:
            return "Limit to 2";
        case Opt::NoLevelLimit:
            return "No Limit";
        default:
            return {};
    }
}

std::string MainTexts::DesignFrame(int index) {
    static constexpr std::array<const char*, 11> kFrames = {
        "main menu",        " Select  Trumps", "Artificial Declarer", "  HCP range",
        "Notrumps / Suits", "Notrump",         "Deals to be Scanned", "    Double Fit",
        "    Solid Trump",  "    Chameleons",  "Difference in Levels"};
    if (index < 0 || index >= static_cast<int>(kFrames.size())) return {};
    return kFrames[static_cast<std::size_t>(index)];
}

std::string MainTexts::DesignMenu(int index) {
    static constexpr std::array<const char*, 10> kMenu = {"Main Menu",
                                                          "In Detail",
                                                          "HCP Range",
                                                          "Table / Graph",
                                                          "Corrections (Suit)",
                                                          "Corrections (NT)",
                                                          "Limit Level Difference",
                                                          "Initialize",
                                                          "Initialize the Software",
                                                          "Cancel"};
    if (index < 0 || index >= static_cast<int>(kMenu.size())) return {};
    return kMenu[static_cast<std::size_t>(index)];
}

std::string MainTexts::ZipLine1(Language language) {
    return language == Language::Japanese
               ? "   trickscan を圧縮ファイルの外へ取り出して，実行して下さい。"
               : "   Unpack the trickscan archive";
}

std::string MainTexts::ZipLine2(Language language) {
    return language == Language::Japanese ? "   圧縮ファイルや一時フォルダの中では，実行できません。"
                                          : "   before starting trickscan (not from a temporary folder).";
}

std::string MainTexts::NotFoundLine1(Language language) {
    return language == Language::Japanese
               ? "　ライブラリ・ファイル (Library.bin/asc) が見つかりません。"
               : "  Library (bin/asc) is not found.";
}

std::string MainTexts::NotFoundLine2(Language language) {
    return language == Language::Japanese ? "  ここからダウンロードして下さい。"
                                          : "  Download from the link below.";
}

std::string MainTexts::DownloadCaption(Language language) {
    return language == Language::Japanese ? "ライブラリの入手・作成方法（同梱のページ）"
                                          : "Download Ostrevan's Library. (18MB)";
}

std::string MainTexts::PageNotOpened(Language language, const std::string& address) {
    return language == Language::Japanese ? "  ページを開けませんでした: " + address
                                          : "  The page could not be opened: " + address;
}

std::string MainTexts::FileNotSaved(Language language, const std::string& file,
                                    const std::string& reason) {
    return language == Language::Japanese ? "  " + file + " に保存できませんでした: " + reason
                                          : "  Could not save " + file + ": " + reason;
}

std::string MainTexts::FileSaved(Language language, const std::string& file) {
    return language == Language::Japanese ? "  " + file + " に保存しました。"
                                          : "  Saved as " + file + ".";
}

std::string MainTexts::ResultIncomplete(Language language, const std::string& file) {
    return language == Language::Japanese
               ? "  " + file + " は壊れているか短すぎます。読めた所までを示します。"
               : "  " + file + " is damaged or short: shown as far as it could be read.";
}

std::string MainTexts::ResultMissing(Language language, const std::string& file) {
    return language == Language::Japanese ? "  " + file + " がありません。"
                                          : "  " + file + " is missing.";
}

std::string MainTexts::TableCopied(Language language, bool csv) {
    if (language == Language::Japanese)
        return csv ? "  表をクリップボードにコピーしました（CSV）。"
                   : "  表をクリップボードにコピーしました（タブ区切り）。";
    return csv ? "  The table is on the clipboard (CSV)."
               : "  The table is on the clipboard (tab-separated).";
}

std::string MainTexts::TableNotCopied(Language language) {
    return language == Language::Japanese ? "  表をクリップボードにコピーできませんでした。"
                                          : "  The table could not be put on the clipboard.";
}

std::string MainTexts::StopBeforeClosing(Language language) {
    return language == Language::Japanese ? "  調査を止めてから終了します。"
                                          : "  Stopping the run before the program ends.";
}

std::string MainTexts::ReportCaption(Language language) {
    return language == Language::Japanese ? "レポート..." : "Report...";
}

std::string MainTexts::StatsCaption(Language language) {
    return language == Language::Japanese ? "統計" : "Statistics";
}

std::string MainTexts::CountsCaption(Language language) {
    return language == Language::Japanese ? "集計表" : "Counts";
}

std::vector<std::string> MainTexts::StatsHeadings(Language language) {
    if (language == Language::Japanese)
        return {"長さ",    "件数",    "平均",    "標準偏差", "平均の95%区間", "一致%",
                "95%区間", "±1以内%", "95%区間", "平均誤差", "備考"};
    return {"Length",     "n",      "Mean",  "SD",  "95% CI of mean", "Exact %", "95% CI",
            "Within 1 %", "95% CI", "Error", "Note"};
}

std::string MainTexts::ThinMark(Language language) {
    return language == Language::Japanese ? "少ない" : "thin";
}

std::string MainTexts::PartialMark(Language language) {
    return language == Language::Japanese ? "不完全" : "partial";
}

std::string MainTexts::StatsPartial(Language language) {
    return language == Language::Japanese
               ? "  結果ファイルは偏差 -6..+6 しか保存しないため、「不完全」の行はそれを超える"
                 "ディールを含みません。正確な統計は分析を実行してください。"
               : "  A result file keeps deviations -6..+6 only: rows marked partial miss the "
                 "deals beyond them. Run the analysis for exact statistics.";
}

}  // namespace lott
