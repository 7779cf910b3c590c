// The analyzer's main window: its three start-up states, the marker files, the presets'
// enabling, the result buttons, both languages, the refusal and missing-library messages, the
// menu and the web pages.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QtTest>

#include "AnalyzerProgram.h"
#include "ClickLabel.h"
#include "MainControls.h"
#include "PictureBox.h"
#include "frmInfoAna.h"

using lott::MainControls;
using lott::test::AnalyzerProgram;
using lott::test::Click;
using lott::trickscan::Form1;

namespace {
const QString kJapaneseFont = QStringLiteral("Noto Sans CJK JP");

QStringList EnabledOptions(const MainControls& c) {
    QStringList on;
    for (std::size_t i = 0; i < c.o.size(); ++i)
        if (c.o[i] && c.o[i]->isEnabled()) on << QString::number(i);
    return on;
}
// The options whose caption is cut off by their width (or by the next option).
QStringList ClippedOptions(const MainControls& c) {
    QStringList cut;
    for (std::size_t i = 0; i < c.o.size(); ++i) {
        const QAbstractButton* b = c.o[i];
        if (!b) continue;
        const int needed = b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                           b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b) +
                           b->fontMetrics().horizontalAdvance(b->text());
        if (needed > b->width()) cut << QString::number(i);
    }
    return cut;
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsOnTheLibraryWithOnlyPresetsRangeAndLimitFree() {
        AnalyzerProgram prog(50);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        QCOMPARE(f->StartState(), lott::Analyzer::StartState::Running);
        QCOMPARE(f->windowTitle(),
                 QStringLiteral("Trickscan based on Ostrevan's Double-Dummy Library Ver 3.7"));
        QVERIFY(std::filesystem::is_directory(prog.path() / "DataFiles"));
        QCOMPARE(c.LibraryName->text(), QStringLiteral("Library.bin"));
        QCOMPARE(c.tBox->text(), QStringLiteral("50"));
        QCOMPARE(c.lblNo->text(), QStringLiteral("count"));
        QCOMPARE(c.lblNo->toolTip(), QStringLiteral("Deal Number just being scanned."));
        QVERIFY(!c.dBox->isVisible());
        // Until a preset is chosen: presets, HCP ranges and level limits only; no Start.
        QCOMPARE(EnabledOptions(c), QStringList({"0", "1", "6", "7", "8", "41", "42", "43"}));
        QVERIFY(!c.cmdStart->isEnabled());
        for (QPushButton* b : {c.cmdTable[0], c.cmdTable[1], c.cmdGrph[0], c.cmdGrph[1]})
            QVERIFY(!b->isEnabled() && !MainControls::IsTinted(b));
        for (int i : {8, 11, 16, 19, 21}) QVERIFY(c.o[static_cast<std::size_t>(i)]->isChecked());
        // The design captions, as laid out.
        QCOMPARE(c.cmdTable[0]->text(), QStringLiteral("Table"));
        QCOMPARE(c.Frame[1]->title(), QStringLiteral(" Select  Trumps"));
        QCOMPARE(c.o[24]->text(), QStringLiteral(" Void Delas"));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Start"));
        QCOMPARE(c.menu[2]->text(), QStringLiteral("HCP Range"));
        QCOMPARE(c.Submenu[1]->text(), QStringLiteral("Initialize the Software"));
        QCOMPARE(c.Language->text(), QStringLiteral("English"));
        QCOMPARE(c.Frame[0]->toolTip(), QStringLiteral("Choose Either to Start"));
        QCOMPARE(c.o[8]->toolTip(),
                 QStringLiteral(" But the Law itself holds independent of HCPs."));
    }

    void takesTheAsciiLibraryWhenTheBinaryOneIsMissing() {
        AnalyzerProgram prog;
        prog.WriteAsc(12);
        auto f = prog.Start();
        QCOMPARE(f->ui().LibraryName->text(), QStringLiteral("Library.asc"));
        QCOMPARE(f->ui().tBox->text(), QStringLiteral("12"));
    }

    void markerFilesSwitchTheScreenshotAndDebugModes() {
        {
            AnalyzerProgram prog(30);
            prog.Touch("ScreenShot.txt");
            prog.Touch("40OstLen.txt", "old result\r\n");  // a result of an older version
            auto f = prog.Start();
            const MainControls& c = f->ui();
            QVERIFY(c.cmdStart->isEnabled());
            QVERIFY(c.o[2]->isEnabled() && c.o[25]->isEnabled());
            for (QPushButton* b : {c.cmdTable[0], c.cmdTable[1], c.cmdGrph[0], c.cmdGrph[1]})
                QVERIFY(b->isEnabled());
            QVERIFY(MainControls::IsTinted(c.cmdTable[0]) && MainControls::IsTinted(c.cmdGrph[0]));
            QVERIFY(!MainControls::IsTinted(c.cmdTable[1]));
            // No housekeeping in this mode.
            QVERIFY(std::filesystem::exists(prog.path() / "40OstLen.txt"));
        }
        {
            AnalyzerProgram prog(30);
            prog.Touch("40OstLen.txt", "old result\r\n");
            prog.Touch("debug.dat");
            prog.Touch("DoubleNT.txt", "# 1  double NT\r\n");
            auto f = prog.Start();
            const MainControls& c = f->ui();
            QVERIFY(c.dBox->isVisible());
            // The debug list stays until a scan writes a new one.
            QCOMPARE(lott::test::ReadFile(prog.path() / "DoubleNT.txt"),
                     std::string("# 1  double NT\r\n"));
            QVERIFY(std::filesystem::exists(prog.Result("40OstLen")));
            QVERIFY(!std::filesystem::exists(prog.path() / "40OstLen.txt"));

            // Enter in the debug box analyses one deal, once a preset is chosen.
            c.dBox->setText(QStringLiteral("7"));
            QTest::keyClick(c.dBox, Qt::Key_Return);
            QCOMPARE(c.lblNo->text(), QStringLiteral("count"));
            Click(c.o[0]);
            QTest::keyClick(c.dBox, Qt::Key_Return);
            QCOMPARE(c.lblNo->text(), QStringLiteral("7"));
            QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
            QVERIFY(f->TableWindow() != nullptr);
            QCOMPARE(f->TableWindow()->cells().Cell(0, 25, -6), std::string("1"));
            // Only a full run stores a result.
            QVERIFY(!std::filesystem::exists(prog.Result("40OstLen")) ||
                    lott::test::ReadFile(prog.Result("40OstLen")) == "old result\r\n");
            // The last deal is out of the box's reach.
            Click(c.cmdStart);
            c.dBox->setText(QStringLiteral("30"));
            QTest::keyClick(c.dBox, Qt::Key_Return);
            QCOMPARE(c.lblNo->text(), QStringLiteral("7"));
        }
    }

    void presetsEnableAndSelectTheirOptions() {
        AnalyzerProgram prog(30);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        const lott::Settings& s = f->analyzer().settings;
        // Standard first (by Score), Ostrevan (the rest locked), Standard again (by Length kept),
        // a filter that switches the corrections off, a correction that brings them back.
        const std::pair<int, const char*> clicks[] = {
            {1, "(none)40ScoCo"}, {0, "40OstLen"},     {1, "(none)40LenCo"}, {14, "(D)40LenCo"},
            {20, "(DC)40LenCo"},  {27, "(D2)40LenCo"}, {18, "(DSC)40LenCo"}};
        for (const auto& [i, name] : clicks) {
            Click(c.o[static_cast<std::size_t>(i)]);
            QCOMPARE(s.ResultName, std::string(name));
            QVERIFY(c.cmdStart->isEnabled());
            // Every option button shows the option array's enabling and selection.
            for (std::size_t j = 0; j < c.o.size(); ++j) {
                if (!c.o[j]) continue;
                const int o = static_cast<int>(j);
                QVERIFY2(c.o[j]->isEnabled() == s.Enabled(o), qPrintable(QString::number(o)));
                QVERIFY2(c.o[j]->isChecked() == s.Selected(o), qPrintable(QString::number(o)));
            }
        }
    }

    void resultButtonsFollowTheStoredResultOfTheSettings() {
        AnalyzerProgram prog(30);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        lott::test::WriteFile(prog.Result("40OstLen"), "x\r\n");
        Click(c.o[0]);
        QVERIFY(c.cmdTable[0]->isEnabled() && c.cmdGrph[0]->isEnabled());
        QVERIFY(MainControls::IsTinted(c.cmdTable[0]) && MainControls::IsTinted(c.cmdGrph[0]));
        QVERIFY(!c.cmdTable[1]->isEnabled() && !c.cmdGrph[1]->isEnabled());
        Click(c.o[7]);  // 15 - 25 HCP has no result yet
        QVERIFY(!c.cmdTable[0]->isEnabled() && !MainControls::IsTinted(c.cmdTable[0]));
        Click(c.o[8]);
        Click(c.o[1]);
        QVERIFY(!c.cmdTable[0]->isEnabled() && !c.cmdTable[1]->isEnabled());
    }

    void switchesLanguagesBothWays() {
        AnalyzerProgram prog(30);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.Language);
        QCOMPARE(f->analyzer().Language, 1);
        QCOMPARE(c.Language->text(), QStringLiteral("Japanese"));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("開 始"));
        QCOMPARE(c.cmdEnd->text(), QStringLiteral("終了"));
        QCOMPARE(c.cmdTable[1]->text(), QStringLiteral("表を見る"));
        QCOMPARE(c.cmdGrph[0]->text(), QStringLiteral("グラフを見る"));
        QCOMPARE(c.Frame[1]->title(), QStringLiteral("切り札の選択"));
        QCOMPARE(c.Frame[5]->title(), QStringLiteral("NT での LoTT 公式"));
        QCOMPARE(c.o[31]->text(), QStringLiteral("両方に無し"));
        QCOMPARE(c.menu[0]->text(), QStringLiteral("メインメニュー"));
        QCOMPARE(c.menu[7]->text(), QStringLiteral("初期化"));
        QCOMPARE(c.Submenu[2]->text(), QStringLiteral("キャンセル"));
        // What keeps its design caption in both languages.
        QCOMPARE(c.o[0]->text(), QStringLiteral("Ostrevan"));
        QCOMPARE(c.o[12]->text(), QStringLiteral("Dorvald(8,7,6)"));
        // The idle caption of the language starts a run.
        Click(c.o[0]);
        Click(c.cmdStart);
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
        Click(c.cmdStart);
        QCOMPARE(c.cmdStart->text(), QStringLiteral("開 始"));

        Click(c.Language);
        QCOMPARE(c.Language->text(), QStringLiteral("English"));
        // Back in English the caption table applies, not the design captions.
        QCOMPARE(c.cmdTable[0]->text(), QStringLiteral("View Table"));
        QCOMPARE(c.Frame[1]->title(), QStringLiteral("Select Trumps  "));
        QCOMPARE(c.o[24]->text(), QStringLiteral(" Void"));
        QCOMPARE(c.menu[2]->text(), QStringLiteral("HCP range"));
        QCOMPARE(c.Submenu[1]->text(), QStringLiteral("Initialize the software"));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Start"));
        QCOMPARE(c.cmdStart->font().family(), QStringLiteral("Arial"));
        QCOMPARE(ClippedOptions(c), QStringList());
    }

    void startsInJapaneseWhenAJapaneseFontIsFound() {
        AnalyzerProgram prog(30);
        auto f = prog.Start(kJapaneseFont);
        const MainControls& c = f->ui();
        QCOMPARE(f->analyzer().Language, 1);
        QCOMPARE(c.Language->text(), QStringLiteral("Japanese"));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("開 始"));
        QCOMPARE(c.cmdStart->font().family(), kJapaneseFont);
        QCOMPARE(c.Frame[6]->title(), QStringLiteral("調べるディールの個数"));
        // The filter rows' captions are the longest for their place: none is cut off.
        QCOMPARE(ClippedOptions(c), QStringList());
    }

    void withoutALibraryOnlyDownloadAndEndRemain() {
        for (int lang : {0, 1}) {
            AnalyzerProgram prog;
            prog.WritePages();
            lott::test::PageRecorder pages;
            auto f = prog.Start(lang == 1 ? kJapaneseFont : QString());
            const MainControls& c = f->ui();
            QCOMPARE(f->StartState(), lott::Analyzer::StartState::LibraryMissing);
            const QStringList lines = c.canvas->Lines();
            if (lang == 0) {
                QCOMPARE(lines, QStringList({"  Library (bin/asc) is not found.",
                                             "  Download from the link below."}));
                QCOMPARE(c.cmdDownload->text(),
                         QStringLiteral("Download Ostrevan's Library. (18MB)"));
                QCOMPARE(c.cmdEnd->text(), QStringLiteral("End"));
            } else {
                QCOMPARE(lines,
                         QStringList({"　ライブラリ・ファイル (Library.bin/asc) が見つかりません。",
                                      "  ここからダウンロードして下さい。"}));
                QCOMPARE(c.cmdDownload->text(),
                         QStringLiteral(" Download Libray from Yahoo! MyBox"));
                QCOMPARE(c.cmdEnd->text(), QStringLiteral("終了"));
            }
            QVERIFY(c.cmdDownload->isVisible() && c.cmdEnd->isVisible());
            for (QWidget* w : {static_cast<QWidget*>(c.cmdStart), static_cast<QWidget*>(c.Frame[0]),
                               static_cast<QWidget*>(c.lblNo), static_cast<QWidget*>(c.Language)})
                QVERIFY(!w->isVisible());
            QVERIFY(!f->menuBar()->isVisible());
            Click(c.cmdDownload);
            QCOMPARE(pages.urls.size(), 1);
            QVERIFY(pages.urls[0].toString().endsWith(
                lang == 0 ? QStringLiteral("/ostrevan/GetLibrary.HTML")
                          : QStringLiteral("/ostrevan/GetLibrary.htm")));
        }
    }

    void aFailedPageIsSaidOnTheWindow() {
        AnalyzerProgram prog(20);
        prog.WritePages();
        std::filesystem::remove(prog.path() / "web" / "wexa" / "OstrevanStandard.HTML");
        lott::test::PageRecorder pages;
        auto f = prog.Start();
        f->ui().menu[1]->trigger();
        QVERIFY(pages.urls.isEmpty());
        QVERIFY2(f->ui().lblStatus->text().contains(QStringLiteral("could not be opened")),
                 qPrintable(f->ui().lblStatus->text()));
        QVERIFY(f->ui().lblStatus->text().contains(QStringLiteral("wexa/OstrevanStandard.HTML")));
        Click(f->ui().Language);
        f->ui().menu[1]->trigger();
        QCOMPARE(pages.urls.size(), 1);
        QVERIFY(pages.urls[0].toString().endsWith(QStringLiteral("/wexa/OstrevanStandard.htm")));
    }

    void refusesArchiveAndTemporaryFolders() {
        for (int lang : {0, 1}) {
            AnalyzerProgram prog;
            std::filesystem::create_directories(prog.path() / "tmpdata");
            // No answer given: the folder's path decides, and "tmp" lies in it.
            auto f = prog.Start(lang == 1 ? kJapaneseFont : QString(), std::nullopt, "tmpdata");
            const MainControls& c = f->ui();
            QCOMPARE(f->StartState(), lott::Analyzer::StartState::ArchiveRefused);
            const QStringList lines = c.canvas->Lines();
            if (lang == 0)
                QCOMPARE(lines, QStringList({"   UnZip \"Boardlook3.zip\"",
                                             "   before Starting Trickscan.exe."}));
            else
                QCOMPARE(lines,
                         QStringList({"   Trickscan.exe を Zip から抜き出して，実行して下さい。",
                                      "   Zip の中では，実行できません。"}));
            QVERIFY(c.cmdEnd->isVisible());
            for (QWidget* w : c.AllButEnd()) QVERIFY(!w->isVisible());
            // The library was not even looked for.
            QCOMPARE(f->analyzer().tBox, std::string());
        }
        // The periods of the English line are bold.
        AnalyzerProgram prog;
        auto f = prog.Start(QString(), true);
        bool boldDot = false;
        for (const auto& op : f->ui().canvas->Ops())
            if (op.text == QStringLiteral(".")) boldDot = op.bold;
        QVERIFY(boldDot);
    }

    void aProgramFolderWithoutItsDataFolderIsSaidOnTheWindow() {
        AnalyzerProgram prog(20);
        prog.Touch("DataFiles", "a file where the folder belongs");
        auto f = prog.Start();
        QCOMPARE(f->StartState(), lott::Analyzer::StartState::FolderProblem);
        QVERIFY(f->ui().canvas->Lines().join(QString()).contains(
            QStringLiteral("The folder \"DataFiles\" cannot be made")));
        QVERIFY(f->ui().cmdEnd->isVisible() && !f->ui().cmdStart->isVisible());
    }

    void helpMenuOpensThePageOfItsTopic() {
        AnalyzerProgram prog(20);
        auto f = prog.Start(kJapaneseFont);
        f->ui().menu[4]->trigger();
        lott::frmInfoAna* info = f->InfoWindow(1);
        QVERIFY(info && info->isVisible());
        QCOMPARE(f->MenuTopic(), 4);
        QCOMPARE(info->windowTitle(), QStringLiteral("Trickscan Help"));
        for (int i : {0, 2, 3, 5, 6})
            QVERIFY(!info->Frame[static_cast<std::size_t>(i)]->isVisible());
        QGroupBox* page = info->Frame[4];
        QVERIFY(page->isVisible());
        QCOMPARE(page->title(), QStringLiteral("補 正 (Suit Vs Suit)"));
        QCOMPARE(info->cmdClose->geometry().right(), page->geometry().right());
        QVERIFY(info->width() >= page->width() && info->height() > page->height());
        // Another topic in the same window.
        f->ui().menu[6]->trigger();
        QVERIFY(info->Frame[6]->isVisible() && !page->isVisible());
        Click(info->cmdClose);
        QVERIFY(!info->isVisible());
        // English topics go to the English window.
        Click(f->ui().Language);
        f->ui().menu[0]->trigger();
        QVERIFY(f->InfoWindow(0) && f->InfoWindow(0)->Frame[0]->isVisible());
        QCOMPARE(f->InfoWindow(0)->Frame[0]->title(), QStringLiteral("main menu"));
    }

    void initializeDeletesTheScanCache() {
        AnalyzerProgram prog(40);
        auto f = prog.Start();
        Click(f->ui().o[0]);
        Click(f->ui().cmdStart);
        const auto cache = prog.path() / "DataFiles" / "Trickscan_36.bin";
        QVERIFY(std::filesystem::exists(cache));
        f->ui().Submenu[2]->trigger();  // Cancel
        QVERIFY(std::filesystem::exists(cache));
        f->ui().Submenu[1]->trigger();
        QVERIFY(!std::filesystem::exists(cache));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
