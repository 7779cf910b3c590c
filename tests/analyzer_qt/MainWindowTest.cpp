// The analyzer's main window as a view of its model: the option buttons and result buttons
// follow the option array, the captions follow the language and fit their buttons, the pages of
// the start-up problems, the menus, the debug box.
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

namespace {
// The options whose caption is cut off by their width.
QStringList ClippedOptions(const MainControls& c) {
    QStringList cut;
    for (std::size_t i = 0; i < c.o.size(); ++i) {
        const QAbstractButton* b = c.o[i];
        if (b && b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                         b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b) +
                         b->fontMetrics().horizontalAdvance(b->text()) >
                     b->width())
            cut << QString::number(i);
    }
    return cut;
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void theButtonsFollowTheOptionArray() {
        AnalyzerProgram prog(30);
        std::filesystem::create_directories(prog.path() / "DataFiles");
        lott::test::WriteFile(prog.Result("40OstLen"), "x\r\n");
        auto f = prog.Start();
        const MainControls& c = f->ui();
        const lott::Settings& s = f->analyzer().settings;
        QCOMPARE(c.tBox->text(), QStringLiteral("30"));
        for (int i : {-1, 1, 0, 1, 14, 20, 27, 18, 0, 7}) {
            if (i >= 0) Click(c.o[static_cast<std::size_t>(i)]);
            for (std::size_t j = 0; j < c.o.size(); ++j) {
                const int o = static_cast<int>(j);
                QVERIFY2(!c.o[j] || (c.o[j]->isEnabled() == s.Enabled(o) &&
                                     c.o[j]->isChecked() == s.Selected(o)),
                         qPrintable(QStringLiteral("o(%1) after o(%2)").arg(o).arg(i)));
            }
            QCOMPARE(c.cmdStart->isEnabled(), s.cmdStartEnabled());
            for (int p : {0, 1}) {
                const auto q = static_cast<std::size_t>(p);
                QCOMPARE(c.cmdTable[q]->isEnabled(), s.cmdTable(p).enabled);
                QCOMPARE(MainControls::IsTinted(c.cmdTable[q]), s.cmdTable(p).tinted);
                QCOMPARE(c.cmdGrph[q]->isEnabled(), s.cmdGrph(p).enabled);
            }
        }
    }

    void captionsFollowTheLanguageAndFitTheirButtons() {
        for (const QString& font : {QString(), QStringLiteral("Noto Sans CJK JP")}) {
            AnalyzerProgram prog(30);
            auto f = prog.Start(font);
            const MainControls& c = f->ui();
            QCOMPARE(f->analyzer().Language, font.isEmpty() ? 0 : 1);
            QCOMPARE(ClippedOptions(c), QStringList());
            Click(c.Language);
            QCOMPARE(f->analyzer().Language, font.isEmpty() ? 1 : 0);
            QCOMPARE(c.cmdStart->text().toStdString(), f->analyzer().IdleCaption());
            QCOMPARE(ClippedOptions(c), QStringList());
        }
    }

    void startUpProblemsLeaveTheirPageAndEnd() {
        AnalyzerProgram missing;
        missing.WritePages();
        lott::test::PageRecorder pages;
        auto f = missing.Start();
        QCOMPARE(f->StartState(), lott::Analyzer::StartState::LibraryMissing);
        QVERIFY(!f->ui().canvas->Lines().isEmpty() && !f->menuBar()->isVisible());
        Click(f->ui().cmdDownload);
        QCOMPARE(pages.urls.size(), 1);
        AnalyzerProgram archive;
        std::filesystem::create_directories(archive.path() / "tmpdata");
        f = archive.Start(QString(), std::nullopt, "tmpdata");  // "tmp" lies in the path
        QCOMPARE(f->StartState(), lott::Analyzer::StartState::ArchiveRefused);
        for (QWidget* w : f->ui().AllButEnd()) QVERIFY(!w->isVisible());
        AnalyzerProgram blocked(20);
        lott::test::WriteFile(blocked.path() / "DataFiles", "a file where the folder belongs");
        f = blocked.Start();
        QCOMPARE(f->StartState(), lott::Analyzer::StartState::FolderProblem);
        QVERIFY(f->ui().cmdEnd->isVisible() && !f->ui().cmdStart->isVisible());
    }

    void menusOpenTheirTopicsAndPages() {
        AnalyzerProgram prog(40);
        prog.WritePages();
        std::filesystem::remove(prog.path() / "web/wexa/OstrevanStandard.HTML");
        lott::test::PageRecorder pages;
        auto f = prog.Start();
        f->ui().menu[1]->trigger();  // a page that cannot be opened is said
        QVERIFY(pages.urls.isEmpty() && f->ui().lblStatus->text().contains("could not be opened"));
        f->ui().menu[4]->trigger();
        QVERIFY(f->InfoWindow(0) && f->InfoWindow(0)->Frame[4]->isVisible());
        QCOMPARE(f->MenuTopic(), 4);
        Click(f->ui().o[0]);
        Click(f->ui().cmdStart);
        const auto cache = prog.path() / "DataFiles" / "Trickscan_36.bin";
        f->ui().Submenu[2]->trigger();  // Cancel
        QVERIFY(std::filesystem::exists(cache));
        f->ui().Submenu[1]->trigger();  // Initialize deletes the scan cache
        QVERIFY(!std::filesystem::exists(cache));
    }

    void theDebugBoxAnalysesOneDeal() {
        AnalyzerProgram prog(30);
        lott::test::WriteFile(prog.path() / "debug.dat", "");
        auto f = prog.Start();
        const MainControls& c = f->ui();
        QVERIFY(c.dBox->isVisible());
        Click(c.o[0]);
        c.dBox->setText(QStringLiteral("7"));
        QTest::keyClick(c.dBox, Qt::Key_Return);
        QCOMPARE(c.lblNo->text(), QStringLiteral("7"));
        QCOMPARE(f->TableWindow()->cells().Cell(0, 25, -6), std::string("1"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
