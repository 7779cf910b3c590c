#include "ViewerHelpTexts.h"

#include <array>

namespace lott {

namespace {
// Each text is a list of lines; a line that starts with blanks opens a paragraph.
const std::array<const char*, 9> kEnglish = {
    // 1 Library
    "   Two library files can be downloaded from Ostrevan's site: \"Library.bin\" (binary, 26 "
    "bytes a deal) and \"Library.asc\" (text, 89 bytes a deal). Both hold the same deals in the "
    "same order.\n"
    "   When both files are in this folder, switch between the \"bin\" and \"asc\" options. The "
    "deal shown must not change at all: this confirms that both files are read correctly.\n"
    "   Another library name can be typed into the box; press Enter to open it.",
    // 2 Go / Back
    "   Deal number may be changed in several ways:\n"
    " (1) Type the number into the number box below the hands, left of Back, and press "
    "Enter.\n"
    " (2) Move the scroll bar: a click in its trough jumps about 1000 deals, a click on an arrow "
    "about 100 deals.\n"
    " (3) Click Go or Back: a left click moves one deal, a right click ten deals.\n"
    "   After the last deal the count starts again from deal 1; before deal 1 comes the last "
    "deal.",
    // 3 Length / Score
    "   This switch selects how the trump suit of each pair is chosen.\n"
    "   By Length, the longest combined suit of a pair becomes trumps automatically. This is the "
    "rule of Ostrevan's own analysis of the library, although players at the table seldom choose "
    "their trumps that way.\n"
    "   By Score, the suit whose contract scores most is chosen. When both 4 Spades and 5 Clubs "
    "make, for example, 4 Spades (120) is preferred to 5 Clubs (100). Deals #524, #103 and #309 "
    "show such cases.\n"
    "  Just switch back and forth this option for those deals.",
    // 4 NoTrump
    "   With notrump forbidden, every pair must play in a suit, as in Ostrevan's own analysis.\n"
    "   But notrump must be allowed. On deal #201760, for example, 3NT makes while the best suit "
    "takes only 7 tricks.\n"
    "   The formula of suit contracts, Total Tricks = Total Trumps, must not be applied to deals "
    "in which one side plays notrump.\n"
    "   With notrump allowed, the Score rule gives more natural strains. With trumps by Length, "
    "notrump stays forbidden.",
    // 5 Top Box
    "   Of the three boxes on the right, the top one holds the double-dummy results.\n"
    "   Its rows are the 5 strains (NT, S, H, D, C), its columns the 4 declarers N, S, W, E shown "
    "beneath the box, or equally the 4 opening leaders E, W, N, S: 5 x 4 = 20 trick counts in "
    "all. The two contracts are picked out in colour.\n"
    "   Double-dummy analysis looks at all four hands and knows nothing of the auction.",
    // 6 Middle Box
    "   The middle box shows the contract chosen for each pair: its declarer, its strain and the "
    "number of trumps.\n"
    "   The pair's name (N-S or W-E) means that both partners take the same number of tricks. A "
    "single seat in bold, for example S, means that this hand would declare, for instance a "
    "notrump contract, although its partner would take more tricks. On deal #4, N-S are counted "
    "at 9 tricks, not 10.\n"
    "   Notrump is chosen by comparing scores, so 3NT beats 5 Clubs and 5 Diamonds (deal #447).",
    // 7 Bottom Box
    "   The bottom box shows the Total Tricks: the tricks of N-S first, those of W-E second, "
    "then their sum.\n"
    "   When one pair plays notrump, the \"+7\" formula of Quenby is used and shown in blue:\n"
    "   Total Tricks = Number of Trumps + 7.\n"
    "   The Number of Trumps is that of the pair that plays in a suit. See deal #2.",
    // 8 Output
    "   The button \"Output\" writes the deal shown into a file, as the options above it choose: "
    "an HTML page into the sub-folder \"HtmlFiles\", a text file into the sub-folder "
    "\"TextFiles\", or a PBN file (Portable Bridge Notation, which other bridge programs read) "
    "into the sub-folder \"PbnFiles\".\n"
    "   The file is named after the deal, for example No1234.Html, No1234.Txt or No1234.pbn; "
    "writing the same deal again replaces it. The line at the bottom of the window says where "
    "the file went.",
    // 9 View Over20
    "   \"Extraordinary\" deals, with 21 or more total tricks, can be viewed from the list file "
    "\"Over20.txt\". The companion program Trickscan writes this file into the same folder when "
    "it scans the library.\n"
    "   Press \"View Over20\" and choose a Total Trumps value from 21 to 26: the deals of that "
    "value are listed. Click a line to show its deal.",
};

const std::array<const char*, 9> kJapanese = {
    // 1 Library
    "   Ostrevan のサイトからは，2 種類のライブラリ ファイルをダウンロードできます。"
    "\"Library.bin\"（バイナリ形式，1 ディール 26 バイト）と \"Library.asc\"（テキスト形式，"
    "1 ディール 89 バイト）で，どちらも同じディールを同じ順に収めています。\n"
    "   両方のファイルがこのフォルダにあるときは，\"bin\" と \"asc\" のオプションを切り替えてみて"
    "ください。表示がまったく変わらなければ，両方のファイルが正しく読み込まれていることが確認"
    "できます。\n"
    "   欄に別のライブラリ名を入力し，Enter キーを押して開くこともできます。",
    // 2 Go / Back
    "   ディール番号は，次の方法で変えることができます。\n"
    " (1) 手札の下，「戻る」の左の番号欄に番号を入力し，Enter キーを押す。\n"
    " (2) スクロール バーを動かす。溝をクリックすると約 1000 ディール，矢印をクリックすると約 "
    "100 ディール移動します。\n"
    " (3)「進む」「戻る」をクリックする。左クリックで 1 ディール，右クリックで 10 ディール移動し"
    "ます。\n"
    "   最後のディールの次はディール 1 に戻り，ディール 1 の前は最後のディールになります。",
    // 3 Length / Score
    "   このスイッチで，各ペアの切り札の決め方を選びます。\n"
    "   「長さ」では，ペアの合計枚数が最も多いスートが自動的に切り札になります。これはライブラ"
    "リの作者 Ostrevan 自身の分析の規則ですが，実際のテーブルでこのように切り札を決めることは"
    "あまりありません。\n"
    "   「スコア」では，コントラクトの得点が最も高いスートを選びます。たとえば 4 スペードと 5 "
    "クラブがどちらもメイクするときは，5 クラブ (100) より 4 スペード (120) を選びます。ディー"
    "ル #524，#103，#309 がその例です。\n"
    "  これらのディールで，このオプションを何度か切り替えてみてください。",
    // 4 NoTrump
    "   ノートランプを禁止すると，Ostrevan 自身の分析と同じく，どのペアもスートでプレーすること"
    "になります。\n"
    "   しかし，ノートランプは許可すべきです。たとえばディール #201760 では，スートでは 7 トリッ"
    "クしか取れないのに 3NT がメイクします。\n"
    "   スート コントラクトの式「合計トリック数 = 合計切り札枚数」を，一方がノートランプをプレー"
    "するディールに当てはめてはいけません。\n"
    "   ノートランプを許可すると，スコアの規則はより自然なストレインを選びます。切り札を長さで"
    "決めるときは，ノートランプは禁止のままです。",
    // 5 Top Box
    "   右側の 3 つの箱のうち，上段の箱はダブル ダミーの結果を示します。\n"
    "   行は 5 つのストレイン (NT, S, H, D, C)，列は箱の下に示した 4 人のディクレアラー N, S, W, "
    "E です。オープニング リードをする E, W, N, S と見ても同じで，全部で 5 × 4 = 20 のトリック数"
    "が並びます。両ペアのコントラクトは色で示されます。\n"
    "   ダブル ダミー分析は 4 人の手をすべて見て行うもので，オークションのことは何も知りません。",
    // 6 Middle Box
    "   中段の箱は，各ペアのコントラクト（ディクレアラー，ストレイン，切り札の枚数）を示します。\n"
    "   ペア名 (N-S や W-E) は，2 人のパートナーが同じトリック数を取ることを表します。ペア名の代"
    "わりに 1 人の席（たとえば S）が太字で出ているときは，パートナーの方が多くのトリックを取れる"
    "のに，その人がディクレアラーになる（ノートランプなど）ことを表します。ディール #4 では，"
    "N-S は 10 トリックではなく 9 トリックと数えられます。\n"
    "   ノートランプは得点を比べて選ぶので，3NT は 5 クラブや 5 ダイヤモンドに勝ちます（ディール "
    "#447）。",
    // 7 Bottom Box
    "   下段の箱は合計トリック数を示します。最初が N-S のトリック数，次が W-E のトリック数，最後"
    "がその合計です。\n"
    "   一方のペアがノートランプをプレーするときは，Quenby の「+7」の式を使い，青で示します。\n"
    "      TTricks = TTrumps + 7 \n"
    "   TTrumps は，スートをプレーするペアの切り札の枚数です。ディール #2 を見てください。",
    // 8 Output
    "   「出力」ボタンは，表示中のディールをファイルに書き出します。上のオプションの選択に"
    "従って，HTML ページはサブフォルダ \"HtmlFiles\" に，テキスト ファイルはサブフォルダ "
    "\"TextFiles\" に，PBN ファイル（ほかのブリッジ プログラムが読める Portable Bridge "
    "Notation 形式）はサブフォルダ \"PbnFiles\" に書かれます。\n"
    "   ファイル名はディール番号から付けられ（たとえば No1234.Html，No1234.Txt，No1234.pbn），"
    "同じディールをもう一度書き出すと置き換えられます。書き出した場所はウィンドウの一番下の行"
    "に示されます。",
    // 9 View Over20
    "   合計トリック数が 21 以上の「特別な」ディールは，リスト ファイル \"Over20.txt\" から見る"
    "ことができます。このファイルは，姉妹プログラム Trickscan がライブラリを調べるときに同じ"
    "フォルダに書き出します。\n"
    "   「Over20 を見る」を押し，21 から 26 までの合計切り札枚数を選ぶと，その値のディールが並び"
    "ます。行をクリックすると，そのディールが表示されます。",
};

constexpr std::array<double, 9> kWidthFactor = {1.0, 1.1, 1.2, 1.1, 1.0, 1.25, 1.2, 1.0, 1.1};
constexpr std::array<double, 9> kTextShare = {0.93, 0.94, 0.95, 0.94, 0.93, 0.95, 0.93, 0.93, 0.94};

bool Valid(int topic) {
    return topic >= 1 && topic <= ViewerHelpTexts::kTopics;
}
std::size_t At(int topic) {
    return static_cast<std::size_t>(topic - 1);
}
}  // namespace

std::string ViewerHelpTexts::Text(int topic, Language language) {
    if (!Valid(topic)) return {};
    return language == Language::Japanese ? kJapanese[At(topic)] : kEnglish[At(topic)];
}

double ViewerHelpTexts::WidthFactor(int topic) {
    return Valid(topic) ? kWidthFactor[At(topic)] : 1.0;
}

double ViewerHelpTexts::TextWidthShare(int topic) {
    return Valid(topic) ? kTextShare[At(topic)] : 0.93;
}

}  // namespace lott
