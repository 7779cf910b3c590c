// The viewer's window: start-up with both, one and no library, every navigation path and its
// wrap-around, the switches, both languages, the Over20 list, export, archive refusal, help.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "ClickLabel.h"
#include "DealExport.h"
#include "PictureBox.h"
#include "ViewerProgram.h"
#include "frmInfo.h"

using lott::PictureBox;
using lott::boardlook::Form1;
using lott::test::ViewerProgram;

class Form1Test : public QObject {
    Q_OBJECT

  private:
    static QString Sep() { return QLocale::system().groupSeparator(); }
    static int DealShown(const Form1& f) { return f.ui().txtCount->text().toInt(); }
    static void Type(QLineEdit* e, const QString& text) {
        e->clear();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    // The bold cells of the trick table as "text:colour", in drawing order.
    static QStringList BoldCells(const PictureBox& box) {
        QStringList bold;
        for (const auto& op : box.Ops())
            if (op.kind == PictureBox::OpKind::Text && op.bold)
                bold << op.text + QLatin1Char(':') + op.color.name();
        return bold;
    }
    static void ClickItem(QListWidget* list, int row) {
        QListWidgetItem* item = list->item(row);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

  private slots:
    void startsOnTheBinaryLibraryWhenBothExist() {
        ViewerProgram prog;
        prog.WriteBin();
        prog.WriteAsc();
        auto f = prog.Start();
        const auto& c = f->ui();
        QCOMPARE(f->windowTitle(),
                 QStringLiteral("Viewer for Ostrevan's Double-Dummy Library Ver 3.3"));
        QCOMPARE(f->session().LibMode, lott::LibMode::Binary);
        QVERIFY(c.OptBin->isChecked() && c.OptBin->isEnabled());
        QVERIFY(c.OptAsc->isEnabled() && !c.OptAsc->isChecked());
        QCOMPARE(c.Lib->text(), QStringLiteral("Library.bin"));
        QCOMPARE(f->session().DealNo, 1);
        QCOMPARE(DealShown(*f), 1);
        // Trumps by Score, notrump allowed.
        QCOMPARE(f->session().TrumpBy, lott::TrumpBy::Score);
        QCOMPARE(f->session().NoNT, lott::NoNT::Allowed);
        QCOMPARE(c.lblNegNT->text(), QStringLiteral(" NT Allowed"));
        const QStringList lines = c.canvas->Lines();
        QVERIFY2(lines.contains(QStringLiteral("  File Length = 780 bytes.")),
                 qPrintable(lines.join('|')));
        QVERIFY(lines.contains(QStringLiteral("  Nr of Deals = 30 (26 byte each).")));
        QVERIFY(!c.cmdDownload[0]->isVisible() && !c.cmdDownload[1]->isVisible());
        QVERIFY(!c.cmdOver20->isVisible());  // no Over20.txt
        QVERIFY(!c.menu[9]->isVisible());
        QCOMPARE(c.hsbar->pageStep(), 32767);  // steps of a tiny library stay on the bar
        QCOMPARE(c.hsbar->singleStep(), 32767);
        // The captions beside the trick table.
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const QString& l) {
            return l.endsWith(QStringLiteral("NSWE (declarer)"));
        }));
        QVERIFY(lines.contains(QStringLiteral("EWNS (lead)")));
        QVERIFY(c.canvas->Texts().contains(QStringLiteral("NT")));
        QVERIFY(c.canvas->Texts().contains(QStringLiteral("\u2660")));
    }

    void startsOnTheAsciiLibraryAlone() {
        ViewerProgram prog;
        prog.WriteAsc(1000 / 89 + 2);  // 13 deals, 1157 bytes
        auto f = prog.Start();
        const auto& c = f->ui();
        QCOMPARE(f->session().LibMode, lott::LibMode::Ascii);
        QVERIFY(c.OptAsc->isChecked());
        QVERIFY(!c.OptBin->isEnabled());
        QCOMPARE(c.Lib->text(), QStringLiteral("Library.asc"));
        const QStringList lines = c.canvas->Lines();
        QVERIFY(lines.contains(QStringLiteral("  File Length = 1") + Sep() +
                               QStringLiteral("157 bytes.")));
        QVERIFY(lines.contains(QStringLiteral("  Nr of Deals = 13 (89 byte each).")));
        QCOMPARE(f->session().DealCount(), 13);
    }

    void withoutALibraryTheMessageShowsAndThePageOpensOnce() {
        ViewerProgram prog;
        prog.WritePages();
        lott::test::PageRecorder pages;
        auto f = prog.Start();
        const auto& c = f->ui();
        const QStringList lines = c.canvas->Lines();
        QVERIFY2(lines.contains(QStringLiteral("   Library File \"Library.bin\" is not found.")),
                 qPrintable(lines.join('|')));
        QVERIFY(lines.contains(QStringLiteral("   Download \"Library.bin\".")));
        QCOMPARE(lines.count(QStringLiteral("   Download \"Library.bin\".")), 1);
        QVERIFY(c.cmdDownload[0]->isVisible());
        QVERIFY(!c.cmdDownload[1]->isVisible());
        QTRY_COMPARE(pages.urls.size(), 1);
        QTest::qWait(50);
        QCOMPARE(pages.urls.size(), 1);
        QVERIFY(pages.urls[0].toString().endsWith(QStringLiteral("/ostrevan/GetLibrary.HTML")));
        // Nothing to step through; the number box is left alone.
        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QTest::mouseClick(c.cmdBack, Qt::RightButton);
        Type(c.txtCount, QStringLiteral("3"));
        QCOMPARE(f->session().DealNo, 1);
        QVERIFY(c.p->Ops().empty());
        // A library of no deal counts as none.
        lott::test::WriteFile(prog.path() / "Empty.bin", "");
        Type(c.Lib, QStringLiteral("Empty.bin"));
        QVERIFY(!f->session().HasLibrary());
        QVERIFY(c.canvas->Lines().contains(
            QStringLiteral("   Library File \"Empty.bin\" is not found.")));
        // A library typed into the name box is opened as typed.
        prog.WriteBin();
        std::filesystem::rename(prog.path() / "Library.bin", prog.path() / "MyDeals.BIN");
        Type(c.Lib, QStringLiteral("MyDeals.BIN"));
        QVERIFY(f->session().HasLibrary());
        QCOMPARE(f->session().BinLibName, std::string("MyDeals.BIN"));
        QVERIFY(!c.cmdDownload[0]->isVisible());
        QCOMPARE(DealShown(*f), 1);
        QVERIFY(!c.p->Ops().empty());
    }

    void buttonsStepOneOrTenAndWrapAround() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        const auto& c = f->ui();
        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QCOMPARE(DealShown(*f), 2);
        QTest::mouseClick(c.cmdGo, Qt::RightButton);
        QCOMPARE(DealShown(*f), 12);
        QTest::mouseClick(c.cmdBack, Qt::LeftButton);
        QCOMPARE(DealShown(*f), 11);
        QTest::mouseClick(c.cmdBack, Qt::RightButton);
        QCOMPARE(DealShown(*f), 1);
        // Back from deal 1: the last deal, and the scroll bar goes to its right end.
        QTest::mouseClick(c.cmdBack, Qt::LeftButton);
        QCOMPARE(DealShown(*f), 30);
        QCOMPARE(c.hsbar->value(), c.hsbar->maximum());
        // Ten forward from DealCount - 3: deal 1, the scroll bar at its left end.
        Type(c.txtCount, QStringLiteral("27"));
        QCOMPARE(DealShown(*f), 27);
        QTest::mouseClick(c.cmdGo, Qt::RightButton);
        QCOMPARE(DealShown(*f), 1);
        QCOMPARE(c.hsbar->value(), c.hsbar->minimum());
        QCOMPARE(f->session().DealNo, 1);
    }

    void aTypedNumberOutsideTheLibraryShowsNothing() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        const auto& c = f->ui();
        Type(c.txtCount, QStringLiteral("30"));
        QCOMPARE(f->session().DealNo, 30);
        const auto handsBefore = c.p->Lines();
        for (const char* bad : {"0", "31", "abc", "-1", ""}) {
            Type(c.txtCount, QString::fromLatin1(bad));
            QCOMPARE(f->session().DealNo, 30);
            QCOMPARE(c.p->Lines(), handsBefore);
        }
        // The next step goes on from the deal shown, not from the rejected number.
        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QCOMPARE(DealShown(*f), 1);
    }

    void theScrollBarLandsOnWholeHundredsAndTheEnds() {
        ViewerProgram prog;
        prog.WriteBin(3000);
        auto f = prog.Start();
        const auto& c = f->ui();
        QCOMPARE(c.hsbar->pageStep(), 10922);  // 1000 deals at 0.0916 deals a unit
        QCOMPARE(c.hsbar->singleStep(), 1092);
        c.hsbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(c.hsbar->value(), 10922);
        QCOMPARE(DealShown(*f), 1000);
        c.hsbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(DealShown(*f), 1100);
        c.hsbar->setValue(30);  // below deal 100
        QCOMPARE(DealShown(*f), 1);
        c.hsbar->setValue(c.hsbar->maximum());
        QCOMPARE(DealShown(*f), 3000);
        QCOMPARE(f->session().DealNo, 3000);
        c.hsbar->setValue(32000);  // 2929.8: rounds down to the hundred
        QCOMPARE(DealShown(*f), 2900);
        c.hsbar->setValue(0);
        QCOMPARE(DealShown(*f), 1);
    }

    void trumpAndNotrumpSwitches() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        const auto& c = f->ui();
        Type(c.txtCount, QStringLiteral("2"));
        QCOMPARE(c.p2->Lines().value(2), QStringLiteral("  Total Trumps = 18 "));
        QCOMPARE(c.p2->Lines().size(), 6);  // with the notrump lines
        // Forbid notrump: no notrump lines, the label blue with its other caption.
        QTest::mouseClick(c.lblNegNT, Qt::LeftButton);
        QCOMPARE(f->session().NoNT, lott::NoNT::Forbidden);
        QCOMPARE(c.lblNegNT->text(), QStringLiteral(" NT Forbidden"));
        QCOMPARE(c.lblNegNT->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(c.p2->Lines().size(), 3);
        QCOMPARE(DealShown(*f), 2);
        QTest::mouseClick(c.lblNegNT, Qt::LeftButton);
        QCOMPARE(f->session().NoNT, lott::NoNT::Allowed);
        QCOMPARE(c.p2->Lines().size(), 6);
        // Trumps by Length forbid notrump, and the label cannot be clicked back.
        QTest::mouseClick(c.lblLength, Qt::LeftButton);
        QCOMPARE(f->session().TrumpBy, lott::TrumpBy::Length);
        QCOMPARE(f->session().NoNT, lott::NoNT::Forbidden);
        QVERIFY(c.lblLength->font().bold());
        QVERIFY(!c.lblScore->font().bold());
        QCOMPARE(c.p2->Lines().value(2), QStringLiteral("  Total Length = 18 "));
        QCOMPARE(c.p2->Lines().size(), 3);
        QTest::mouseClick(c.lblNegNT, Qt::LeftButton);
        QCOMPARE(f->session().NoNT, lott::NoNT::Forbidden);
        QCOMPARE(c.lblNegNT->text(), QStringLiteral(" NT Forbidden"));
        // Either label toggles; by Score notrump is allowed again.
        QTest::mouseClick(c.lblLength, Qt::LeftButton);
        QCOMPARE(f->session().TrumpBy, lott::TrumpBy::Score);
        QCOMPARE(f->session().NoNT, lott::NoNT::Allowed);
        QVERIFY(c.lblScore->font().bold());
        QCOMPARE(DealShown(*f), 2);
    }

    void drawsTheSuitAndTheNotrumpDeal() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        const auto& c = f->ui();
        QCOMPARE(c.p2->Lines(), (QStringList{QStringLiteral(" N-S Spades   9 "),
                                             QStringLiteral(" W-E Hearts   9 "),
                                             QStringLiteral("  Total Trumps = 18 ")}));
        QCOMPARE(c.p3->Lines(), (QStringList{QStringLiteral(" Total Tricks"),
                                             QStringLiteral("   9  +  8  =  17 ")}));
        // Hands: North's spades with its symbol; a ten printed as "1" and "0".
        QVERIFY(c.p->Lines().contains(QStringLiteral("\u2660AKQJ5")));
        QVERIFY(c.p->Lines().contains(QStringLiteral("\u2665AKQJ10")));
        // The trick table: 20 cells, both partners' contract cells in bold and in colour.
        QCOMPARE(std::count_if(c.box->Ops().begin(), c.box->Ops().end(),
                               [](const auto& op) { return op.kind == PictureBox::OpKind::Text; }),
                 std::ptrdiff_t{20});
        QCOMPARE(BoldCells(*c.box),
                 (QStringList{QStringLiteral("9:#000000"), QStringLiteral("9:#000000"),
                              QStringLiteral("8:#ff0000"), QStringLiteral("8:#ff0000")}));

        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QCOMPARE(c.p2->Lines(),
                 (QStringList{
                     QStringLiteral(" N-S Spades   9 "), QStringLiteral("  W  Hearts   9 "),
                     QStringLiteral("  Total Trumps = 18 "), QStringLiteral("  N  will try  3 NT"),
                     QStringLiteral("  Trumps ( W ) =  9 "), QStringLiteral("   9  + 7 =  16 ")}));
        QCOMPARE(
            c.p3->Lines(),
            (QStringList{QStringLiteral(" Total Tricks"), QStringLiteral("   8  +  8  =  16 "),
                         QStringLiteral(" Total Tricks"), QStringLiteral("   9  +  8  =  17 ")}));
        // The notrump cell of North (the declarer) in orange, West's hearts in red.
        QCOMPARE(BoldCells(*c.box),
                 (QStringList{QStringLiteral("9:#f07000"), QStringLiteral("8:#ff0000")}));
    }

    // The pages' lines are pinned by the export's own tests, and BatchExportTest shows the
    // window writes what boardlook-batch writes; here: the kind chosen, the deal shown, failures.
    void exportsTheChosenKindOfTheDealShown() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        const auto& c = f->ui();
        QTest::mouseClick(c.Optout[1], Qt::LeftButton);
        QVERIFY(c.Optout[1]->isChecked());
        QTest::mouseClick(c.cmdOutput, Qt::LeftButton);
        const QStringList text1 =
            lott::test::Lines(lott::test::ReadFile(prog.path() / "TextFiles" / "No1.Txt"));
        QCOMPARE(text1.mid(0, 2), (QStringList{QStringLiteral("Board #1"),
                                               QStringLiteral(" N-S  9 tricks in Spades   ( 9)")}));
        QCOMPARE(text1.size(), 16);

        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QTest::mouseClick(c.cmdOutput, Qt::LeftButton);
        const QStringList text2 =
            lott::test::Lines(lott::test::ReadFile(prog.path() / "TextFiles" / "No2.Txt"));
        QCOMPARE(text2.value(1), QStringLiteral(" N-S  9 tricks in NoTrump  "));

        QTest::mouseClick(c.Optout[0], Qt::LeftButton);
        QTest::mouseClick(c.cmdOutput, Qt::LeftButton);
        const QStringList html =
            lott::test::Lines(lott::test::ReadFile(prog.path() / "HtmlFiles" / "No2.Html"));
        QVERIFY(
            html.contains(QStringLiteral("<tr><td>&nbsp;N-S&nbsp;<td>&nbsp;9 tricks in NoTrump")));
        QVERIFY(c.lblStatus->text().isEmpty());

        // A file where the folder should be: the window says so.
        std::filesystem::remove_all(prog.path() / "HtmlFiles");
        lott::test::WriteFile(prog.path() / "HtmlFiles", "mine");
        QTest::mouseClick(c.cmdOutput, Qt::LeftButton);
        QVERIFY(c.lblStatus->text().startsWith(QStringLiteral("Output failed: ")));
        QCOMPARE(lott::test::ReadFile(prog.path() / "HtmlFiles"), std::string("mine"));
    }

    void switchesLanguageBothWays() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        const auto& c = f->ui();
        QTest::mouseClick(c.lblLength, Qt::LeftButton);  // notrump forbidden
        QCOMPARE(c.Language->text(), QStringLiteral("Japanese"));
        QTest::mouseClick(c.Language, Qt::LeftButton);
        QCOMPARE(f->session().Language, 1);
        QCOMPARE(c.Language->text(), QStringLiteral("Japanese"));
        QCOMPARE(c.cmdGo->text(), QStringLiteral("進む"));
        QCOMPARE(c.cmdBack->text(), QStringLiteral("戻る"));
        QCOMPARE(c.cmdEnd->text(), QStringLiteral("終了"));
        QCOMPARE(c.lblScore->text(), QStringLiteral("スコア"));
        QCOMPARE(c.menu[1]->text(), QStringLiteral("ライブラリ"));
        QCOMPARE(c.menu[8]->text(), QStringLiteral("Output"));
        QCOMPARE(c.fraTT->title(), QStringLiteral("合計トリック数を選択"));
        // No Japanese font of its own here: the Latin one stays, not the system's default
        // (a serif face on many machines), and its fallback draws the Japanese characters.
        for (const QWidget* w : std::initializer_list<const QWidget*>{c.cmdGo, c.Language, c.fraTT})
            QCOMPARE(w->font().family(), QStringLiteral("Arial"));
        // Still forbidden, still blue, in the new language.
        QCOMPARE(c.lblNegNT->text(), QStringLiteral(" NT 禁止状態"));
        QCOMPARE(c.lblNegNT->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(c.canvas->Lines().contains(QStringLiteral("  ファイル長さ = 780 バイト.")));
        QVERIFY(c.canvas->Lines().contains(QStringLiteral("  ディール個数 = 30 (各26 バイト).")));
        QTest::mouseClick(c.Language, Qt::LeftButton);
        QCOMPARE(f->session().Language, 0);
        QCOMPARE(c.Language->text(), QStringLiteral("English"));
        QCOMPARE(c.cmdGo->text(), QStringLiteral("Go"));
        QCOMPARE(c.lblNegNT->text(), QStringLiteral(" NT Forbidden"));
        QCOMPARE(c.menu[3]->text(), QStringLiteral("Length/Score"));
        QVERIFY(c.canvas->Lines().contains(QStringLiteral("  File Length = 780 bytes.")));
    }

    void startsInJapaneseWhenAJapaneseFontIsFound() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start(QStringLiteral("Noto Sans CJK JP"));
        QCOMPARE(f->session().Language, 1);
        QCOMPARE(f->ui().cmdRead->text(), QStringLiteral("Ostrevan を読む"));
        QCOMPARE(f->ui().lblNegNT->text(), QStringLiteral(" NT 許可状態"));
        QVERIFY(
            f->ui().canvas->Lines().contains(QStringLiteral("  ディール個数 = 30 (各26 バイト).")));
    }

    void listsTheOver20DealsOfOneValue() {
        ViewerProgram prog;
        prog.WriteBin();
        prog.WriteOver20();
        auto f = prog.Start();
        const auto& c = f->ui();
        QVERIFY(c.cmdOver20->isVisible());
        QVERIFY(c.menu[9]->isVisible());
        QVERIFY(!c.Deals->isVisible());
        const int narrow = f->width();
        QTest::mouseClick(c.cmdOver20, Qt::LeftButton);
        QVERIFY(f->width() > narrow);
        QVERIFY(c.Deals->isVisible() && c.fraTT->isVisible());
        QTest::mouseClick(c.optTT[0], Qt::LeftButton);
        QCOMPARE(c.Deals->count(), 3);
        QCOMPARE(c.Deals->item(0)->text(), QStringLiteral(" 21, 22 #2 ( 19, 21)"));
        ClickItem(c.Deals, 1);
        QCOMPARE(DealShown(*f), 25);
        // Deal 99 lies outside the library: nothing is shown.
        ClickItem(c.Deals, 2);
        QCOMPARE(f->session().DealNo, 25);
        QTest::mouseClick(c.optTT[5], Qt::LeftButton);
        QCOMPARE(c.Deals->count(), 1);
        QCOMPARE(c.Deals->item(0)->text(), QStringLiteral(" 26, 26 #7 ( 10, 30)"));
        ClickItem(c.Deals, 0);
        QCOMPARE(DealShown(*f), 7);
    }

    void switchingTheLibraryFormKeepsTheDeal() {
        ViewerProgram prog;
        prog.WriteBin();
        prog.WriteAsc();
        auto f = prog.Start();
        const auto& c = f->ui();
        Type(c.txtCount, QStringLiteral("17"));
        const QStringList hands = c.p->Lines();
        const QStringList contracts = c.p2->Lines();
        QTest::mouseClick(c.OptAsc, Qt::LeftButton);
        QCOMPARE(f->session().LibMode, lott::LibMode::Ascii);
        QCOMPARE(c.Lib->text(), QStringLiteral("Library.asc"));
        QCOMPARE(DealShown(*f), 17);
        QCOMPARE(c.p->Lines(), hands);
        QCOMPARE(c.p2->Lines(), contracts);
        QVERIFY(c.canvas->Lines().contains(QStringLiteral("  Nr of Deals = 30 (89 byte each).")));
        // A typed name that does not exist leaves the library in use.
        Type(c.Lib, QStringLiteral("Missing.bin"));
        QCOMPARE(f->session().LibMode, lott::LibMode::Ascii);
        QVERIFY(c.OptAsc->isChecked());
        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QCOMPARE(DealShown(*f), 18);
    }

    void aDamagedRecordShowsAMessageInsteadOfTheDeal() {
        ViewerProgram prog;
        prog.WriteAsc();
        std::string asc = lott::test::ReadFile(prog.path() / "Library.asc");
        asc[89 * 4 + 5] = '?';
        lott::test::WriteFile(prog.path() / "Library.asc", asc);
        auto f = prog.Start();
        const auto& c = f->ui();
        Type(c.txtCount, QStringLiteral("5"));
        QCOMPARE(c.p->Lines(),
                 QStringList{QStringLiteral(" Deal #5 cannot be shown: its record is damaged.")});
        QVERIFY(c.box->Ops().empty() && c.p2->Ops().empty() && c.p3->Ops().empty());
        QTest::mouseClick(c.cmdOutput, Qt::LeftButton);  // nothing to export
        QVERIFY(!std::filesystem::exists(prog.path() / "HtmlFiles" / "No5.Html"));
        QTest::mouseClick(c.cmdGo, Qt::LeftButton);
        QCOMPARE(DealShown(*f), 6);
        QCOMPARE(c.p2->Lines().size() >= 3, true);
    }

    void refusesToRunFromAnArchiveFolder() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start(QString(), true);
        const auto& c = f->ui();
        QVERIFY(f->Refused());
        QCOMPARE(c.canvas->Lines(),
                 (QStringList{QString(), QStringLiteral("   UnZip \"Boardlook3.zip\""),
                              QStringLiteral("   before Starting Boardlook.exe.")}));
        for (QWidget* w : c.AllButEnd()) QVERIFY(!w->isVisible());
        QVERIFY(c.cmdEnd->isVisible());
        QCOMPARE(c.cmdEnd->y(), 200);
        QVERIFY(!f->session().HasLibrary());
    }

    void webButtonsOpenTheirPagesAndSayWhenTheyCannot() {
        ViewerProgram prog;
        prog.WriteBin();
        prog.WritePages();
        lott::test::PageRecorder pages;
        auto f = prog.Start();
        const auto& c = f->ui();
        QTest::mouseClick(c.cmdRead, Qt::LeftButton);
        QCOMPARE(pages.urls.size(), 1);
        QVERIFY(pages.urls[0].toString().endsWith(QStringLiteral("/ostrevan/library_notes.HTML")));
        QTest::mouseClick(c.Language, Qt::LeftButton);
        QTest::mouseClick(c.cmdRead, Qt::LeftButton);  // the Japanese page is missing here
        QCOMPARE(pages.urls.size(), 1);
        QVERIFY(c.lblStatus->text().startsWith(QStringLiteral("ページを開けませんでした: ")));
        f->cmdDownload_Click(1);
        QCOMPARE(pages.urls.size(), 2);
        QVERIFY(pages.urls[1].toString().endsWith(QStringLiteral("/ostrevan/GetLibrary.htm")));
        f->cmdDownload_Click(2);
        QCOMPARE(pages.urls.size(), 2);
    }

    void theMenuOpensTheInformationWindowBesideItsControl() {
        ViewerProgram prog;
        prog.WriteBin();
        auto f = prog.Start();
        f->move(0, 0);
        QTest::qWait(10);
        f->ui().menu[5]->trigger();
        QPointer<lott::frmInfo> first = f->InfoWindow();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral(" Boardlook Help"));
        QVERIFY(first->txt()->toPlainText().contains(QStringLiteral("double-dummy")));
        const int boxLeft = f->ui().box->mapToGlobal(QPoint(0, 0)).x();
        QVERIFY(first->geometry().right() < boxLeft - 15);
        // Another topic replaces the window.
        f->ui().menu[2]->trigger();
        QVERIFY(first.isNull());
        QCOMPARE(f->InfoTopic(), 2);
        QVERIFY(f->InfoWindow()->txt()->toPlainText().startsWith(
            QStringLiteral("   Deal number may be changed in several ways:")));
        f->close();
        QVERIFY(!f->InfoWindow() || !f->InfoWindow()->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
