// The English help pages and comments of the analyzer.
#include "AnalyzerTextTables.h"

namespace lott::help_detail {

namespace {

AnalyzerTextTable MakeEnglish() {
    AnalyzerTextTable t;

    t.pages[0] = {
        "main menu",
        {
            "Choose one of the two presets to begin.",
            "",
            "Ostrevan",
            "    This option is provided to confirm the published study of Ostrevan, the author",
            "    of the deal library. Trumps are each side's longest suit (by Length), the",
            "    partner who takes more tricks declares, and nobody plays notrump.",
            "",
            "Standard",
            "    This is the choice of the author of this program, which improves on the",
            "    artefacts of that study: trumps by Score (by Length may be chosen), notrump",
            "    contracts counted separately, and optional corrections and deal filters.",
            "",
            "Then choose the HCP range and the other options, and press Start.",
            "The next menu item, \"In Detail\", gives the details of both presets.",
        }};

    t.pages[2] = {
        "Range in HCP",
        {
            "The high-card points of the combined hands can be restricted in three ways:",
            "",
            "17 - 23 HCP: each side holds 17 to 23 points. This range is recommended",
            "    by Dorvald for his Safety Rule to hold.",
            "15 - 25 HCP: each side holds 15 to 25 points, Dorvald's range in a pinch.",
            "0 - 40 HCP: every deal is counted.",
            "",
            "The points are those of West-East; North-South hold the rest of the 40, so they",
            "lie in the same range. Run the same settings with each range and compare: the Law",
            "itself holds independently of HCP.",
        }};

    t.pages[3] = {
        "Tables and Figures",
        {
            "When a scan over all the deals has finished, the result is stored in a text file",
            "in the folder \"DataFiles\", named after the settings (for example \"40OstLen.dat\").",
            "That file in turn activates the Table and Graph buttons of these settings.",
            "",
            "Table: for each Total Length or Total Trumps, the deals counted by how far the",
            "    Law missed, with the average deviation and the average error. The table also",
            "    grows live while a scan is running.",
            "Graph: the same result as a chart: how often each Total Length or Total Trumps",
            "    occurs, the average Total Tricks with error bars, and the line of the Law.",
            "",
            "A stopped scan stores nothing. The table and the graph each have a button that",
            "explains them. The first full scan leaves a cache, so that later runs with other",
            "settings take only a moment. Deals with more than 20 Total Trumps are listed in",
            "\"Over20.txt\", to be viewed with Boardlook.",
        }};

    t.pages[4] = {
        "Corrections ( Suit vs Suit )",
        {
            "The following three corrections can be combined.",
            "",
            "(1) Double fit: +1 or +1/2 when a side holds, besides its trump suit, another",
            "     suit of 8 or more cards (counted once for each side).",
            "(2) Solid trump: +1 or +1/2 when a side holds the ace, king and queen of its",
            "     trumps; the correction is doubled when both sides hold them.",
            "(3) Chameleons: -1/2 when an opponent holds exactly three cards headed by the",
            "     queen (Qxx or QJx) in the declaring side's trump suit, and vice versa.",
            "",
            "The corrections, after being summed up in a deal,  are rounded off toward zero in "
            "the end.",
            "(Exactly: a sum of +1/2 moves nothing, a sum of -1/2 moves the deal one down.)",
            "",
            "Instead of corrections, the deals can be restricted to those having",
            "(A) a double fit, (B) solid trumps or (C) a chameleon queen",
            "in Both sides, in Either side only, or in Neither side.",
            "A filter switches the corrections off (except Neither for double fit), and",
            "choosing a correction again switches the filter off.",
        }};

    t.pages[5] = {
        "Corrections ( Notrump vs Suit )",
        {
            "When one side plays notrump, the Law is applied to the trumps of the other side.",
            "Three formulas are available.  Choose one.",
            "",
            "(1) Total tricks = Total trumps + 7.",
            "(2) Total tricks = Total trumps + 8, 7, 6.",
            "(3) Total tricks = Total trumps + 9, 8, 7. ",
            "",
            "In (2) and (3) the three numbers stand for a void, a singleton and a doubleton",
            "(no shorter suit) in a side suit of either opponent of the notrump side.",
            "(1) and (2) are due to Quenby and Dorvald; (3) is the author's proposal.",
            "",
            "The opponents' shape can also be restricted to a Void, a Singleton or a",
            "Doubleton; the deals of that shape are then counted with formula (1).",
        }};

    t.pages[6] = {
        "Limit Difference in Contract Levels",
        {
            "When the contracts of the two sides lie far apart in level, the side with the",
            "lower contract would hardly have competed in the auction.",
            "",
            "(1) Limit to 1: the two contracts differ by one level at most.",
            "(2) Limit to 2: the two contracts differ by two levels at most.",
            "(3) No Limit: every deal.",
            "",
            "The options (1) and (2) serve to exclude from the statistics those deals in which",
            "competition is unlikely to take place.",
            "Note: this version records the choice in the result name and in the table",
            "header, but counts the deals in the same way whichever option is chosen.",
        }};

    t.comments[1] = {
        "How to read this table (Ostrevan preset)",
        "",
        "The table is filled in real time while the scan runs, and it is shown again from the "
        "recorded file whenever you press the Table button later. The header lines above it "
        "list the settings of the run.",
        "",
        "Each row belongs to one Total Length: the length of West-East's longest combined suit "
        "plus that of North-South's. Total Tricks are the tricks that the two sides take "
        "double dummy, each playing in its longest suit.",
        "",
        "Column 1 (Length): the Total Length of the longest suits.",
        "Column 2 (Samples): the number of deals with that Total Length.",
        "Columns -5 to +5: the number of deals whose Total Tricks deviate by that many tricks "
        "from \"Total Tricks = Total Length\". A positive deviation is an under-estimation: "
        "the two sides took more tricks than the Law predicted. A negative deviation is an "
        "over-estimation. Deals that miss by more than five tricks have no column of their own "
        "but are counted in Samples and in the averages.",
        "Average: the averaged deviation, with its sign. It shows whether the Law is biased "
        "at that Total Length.",
        "Error: the average error, the average of the deviations without their sign. It shows "
        "how far a single deal typically lies from the prediction.",
        "Total: the same figures over all Total Lengths together.",
        "",
        "Small average errors are the mark of a good law: an average near zero with a large "
        "error means a law that is right on the whole but not deal by deal. Compare the "
        "average error of the Total row with the value of the published study (the button "
        "\"Read Ostrevan's Paper\" opens a summary of it).",
        "",
        "In this preset nobody plays notrump, so every deal counted appears in this one "
        "table, and the columns of the correction events stay empty. Only the deals within "
        "the chosen HCP range are counted.",
    };

    t.comments[2] = {
        "How to read this table (Standard preset)",
        "",
        "Deals in which both sides play a suit are counted in the upper part [Suit]; deals in "
        "which one side plays notrump are counted in the lower part [NT]. Both sides seek the "
        "highest-scoring contract, notrump included.",
        "",
        "Upper part [Suit]. Column 1 is now the Total Trumps: the trumps of the two contracts "
        "actually chosen (with \"by Length\" each side starts from its longest suit). When "
        "corrections are chosen, each deal is entered at its corrected Total Trumps. A deal "
        "moved by its corrections counts with a weight, the ratio of the expected frequencies "
        "of its new and its old Total Trumps, so that the corrected distribution keeps the "
        "expected shape; the counts are therefore shown rounded and need not add up exactly.",
        "Samples, the deviation columns -5 to +5, Average and Error read as in the Ostrevan "
        "table: a deviation is "
        "Total Tricks minus the (corrected) Total Trumps, positive when the Law "
        "under-estimates.",
        "The last three columns count how often each correction happened: DbleFit, a side "
        "holding a second suit of 8 or more cards besides its trumps; AKQ, a side holding the "
        "ace, king and queen of its trumps; Cham, a defender holding a chameleon queen (Qxx) "
        "of the declaring side's trumps. Each can happen at most twice in a deal, once for "
        "each side. Events are counted at the uncorrected Total Trumps and only for the "
        "corrections switched on; the bottom line shows their averages per deal. With a deal "
        "filter chosen these columns stay empty.",
        "",
        "Lower part [NT]. Column 1 is the prediction for the deal: the trumps of the suit side "
        "plus 7, or plus the number that the chosen formula gives for the suit side's shape. "
        "Total Tricks are the notrump side's tricks in notrump plus the suit side's tricks in "
        "its suit. Here the last three columns hold the shape of the suit side: no singleton "
        "or void (DbleFit), a singleton (AKQ), a void (Cham); the bottom line shows their "
        "shares. They stay empty with Quenby (7,7,7) and with a shape choice.",
    };

    t.comments[3] = {
        "How to read this graph (Ostrevan preset)",
        "",
        "The horizontal axis is the Total Length of the longest suits of both sides.",
        "",
        "Blue line: \"Total Tricks = Total Length of Longest Suits\", the prediction of the Law "
        "(right scale, Total Tricks).",
        "Red marks: the average actual Total Tricks of the deals with that Total Length.",
        "Error bars: the average error above and below each mark, that is how far a single "
        "deal typically lies from the average.",
        "Light blue bars: how often each Total Length occurs in the library, in percent (left "
        "scale).",
        "Blue circles: the theoretical frequency of each Total Length, computed by counting "
        "all possible deals. Bars that reach their circles show that the library is a fair "
        "sample of random deals.",
        "",
        "Where the red marks sit on the blue line, the Law is right on average; marks below "
        "the line mean that it over-estimates the tricks at that length, marks above it that "
        "it under-estimates them. Short error bars mean a reliable law. A Total Length held by "
        "1 % of the deals or fewer gets no mark, and lengths above 21 get no error bar: a "
        "handful of deals says little.",
    };

    t.comments[4] = {
        "How to read this graph (Standard preset)",
        "",
        "In the Standard preset balanced hands may bid notrump, so the deals fall into two "
        "graphs. The left graph shows the suit-suit deals. Its bar graph has changed from the "
        "Ostrevan graph, because the deals in which one side plays notrump moved to the right "
        "graph.",
        "",
        "Left graph. With \"by Length\" the horizontal axis is the Total Length and the blue "
        "line is \"Total Tricks = Total Length\"; otherwise the axis is the Total Trumps of the "
        "contracts chosen and the line is \"Total Tricks = Total Trumps\". With corrections "
        "chosen, the axis is the corrected Total Trumps (the option code follows the axis "
        "caption), so the deals are shifted by their corrections. With a filter that keeps "
        "deals with a double fit or solid trumps, or deals without chameleon queens, a dotted "
        "line one trick higher is drawn as a guide.",
        "The bars, the red marks and the error bars read as in the Ostrevan graph: frequency "
        "in percent, average actual Total Tricks, and average error.",
        "",
        "Right graph. The suit-notrump deals against the notrump formula chosen; its own "
        "comment button explains it.",
        "",
        "Deals with more than 20 Total Trumps (and no notrump contract) are listed in "
        "\"Over20.txt\"; you can view them one by one with Boardlook.",
    };

    t.comments[5] = {
        "The notrump graph: Quenby (7,7,7)",
        "",
        "In each deal of this graph one side plays notrump and the other a suit. The "
        "horizontal axis is the number of trumps of the suit side plus 7, and the blue line is "
        "\"Total Tricks = Number of Trumps + 7\", the formula of Quenby. The length of the "
        "notrump side's suits is not taken into account at all.",
        "",
        "The frequencies pile up at 14 to 16, and 15 alone holds almost half of the deals: "
        "the opponents of a notrump side have balanced hands too, so the suit side mostly "
        "plays an eight-card fit. The red marks and error bars read as in the suit graph.",
    };

    t.comments[6] = {
        "The notrump graph: Dorvald(8,7,6)",
        "",
        "Dorvald's formula corrects Quenby's +7 by the shape of the opponents of the notrump "
        "side: +1 when they hold a void in a side suit, 0 with a singleton, -1 with nothing "
        "shorter than a doubleton. Total Tricks are predicted as their trumps plus 8, 7 or 6.",
        "",
        "The formula was based on only 73 deals. Here it is tested on the whole library: "
        "compare how close the red marks lie to the line, and the average errors in the "
        "table, with those of the other formulas.",
    };

    t.comments[7] = {
        "The notrump graph: Dorvald(9,8,7)",
        "",
        "This is Dorvald's formula plus one, the proposal of the author of this program: the "
        "trumps of the suit side plus 9 with a void in a side suit, plus 8 with a singleton, "
        "plus 7 with nothing shorter than a doubleton.",
        "",
        "With this formula the pile-up of the +7 formula disappears: the deals spread over the "
        "axis according to the shape of the suit side, and each red mark can be compared with "
        "the line at its own value.",
    };

    t.comments[8] = {
        "The notrump graph: suit side with a void",
        "",
        "Only the deals in which the suit side, the opponents of the notrump side, holds a "
        "void in a side suit are counted here; the horizontal axis is their trumps plus 7.",
        "",
        "Besides the solid \"+7\" line, the \"+8\" line (dotted) and the \"+9\" line "
        "(dash-dot-dot) are drawn as guides: see which of them the red marks follow.",
    };

    t.comments[9] = {
        "The notrump graph: suit side with a singleton",
        "",
        "Only the deals in which the suit side, the opponents of the notrump side, holds a "
        "singleton but no void are counted here; the horizontal axis is their trumps plus 7.",
        "",
        "Besides the solid \"+7\" line, the \"+8\" line (dotted) is drawn as a guide: see which "
        "of the two the red marks follow.",
    };

    // The notrump choice " Doubleton" has no comment of its own: the graph hides its notrump
    // comment button in that case, so no topic is needed for it.
    return t;
}

}  // namespace

const AnalyzerTextTable& EnglishAnalyzerTexts() {
    static const AnalyzerTextTable table = MakeEnglish();
    return table;
}

}  // namespace lott::help_detail
