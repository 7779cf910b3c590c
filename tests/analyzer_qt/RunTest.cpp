// Runs from the main window: a full run and its stored result, a stopped run, the live table
// and the Table button during and after a run, the lock of the settings, End during a run.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

#include "AnalyzerProgram.h"
#include "ClickLabel.h"
#include "MainControls.h"
#include "ResultFile.h"
#include "TableCells.h"

using lott::MainControls;
using lott::TableCells;
using lott::test::AnalyzerProgram;
using lott::test::Click;
using lott::trickscan::Form1;

namespace {

// Runs test code at every progress point of the next run, after the window served its events.
void AtProgress(Form1& f, std::function<void(std::int32_t)> hook) {
    auto original = f.analyzer().progress;
    f.analyzer().progress = [original, hook](std::int32_t n) {
        original(n);
        hook(n);
    };
}

// The cells a table window shows for the stored result of the current settings.
TableCells CellsOfResultFile(const Form1& f) {
    lott::CountingTables t;
    std::array<std::string, 3> head;
    const lott::Analyzer& a = f.analyzer();
    lott::Fin(a.DataDir, a.settings.ResultName, t, a.settings, head);
    TableCells cells;
    cells.InitLabels();
    cells.WriteWholeTable(t, a.settings, 0, false);
    return cells;
}

QString FirstDifference(const TableCells& shown, const TableCells& expected) {
    for (std::int32_t i = 0; i < TableCells::kCellCount; ++i)
        if (shown.Cell(i) != expected.Cell(i))
            return QStringLiteral("cell %1: \"%2\" instead of \"%3\"")
                .arg(i)
                .arg(QString::fromStdString(shown.Cell(i)),
                     QString::fromStdString(expected.Cell(i)));
    return {};
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

  private slots:
    void aFullRunStoresItsResultAndTheLiveTableEqualsIt() {
        for (int preset : {0, 1}) {
            AnalyzerProgram prog(600);
            auto f = prog.Start();
            const MainControls& c = f->ui();
            Click(c.o[static_cast<std::size_t>(preset)]);
            Click(c.cmdStart);
            const std::string name = f->analyzer().settings.ResultName;
            QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
            QCOMPARE(c.lblNo->text(), QStringLiteral("600"));
            QVERIFY(std::filesystem::exists(prog.Result(name)));
            QCOMPARE(f->analyzer().TableState, lott::TableState::Finished);
            QVERIFY(c.cmdTable[static_cast<std::size_t>(preset)]->isEnabled());
            QVERIFY(c.cmdGrph[static_cast<std::size_t>(preset)]->isEnabled());
            QVERIFY(MainControls::IsTinted(c.cmdGrph[static_cast<std::size_t>(preset)]));
            // The table that grew deal by deal is the table of the stored result.
            lott::frmTab* live = f->TableWindow();
            QVERIFY(live && live->isVisible());
            const QString diff = FirstDifference(live->cells(), CellsOfResultFile(*f));
            QVERIFY2(diff.isEmpty(), qPrintable(diff));
            QVERIFY(f->RepaintedCells() > 0);
            QCOMPARE(live->head[0]->text().left(17), QStringLiteral(" Select Trumps by"));
            // The next click only resets the caption; the one after runs again, from the cache.
            Click(c.cmdStart);
            QCOMPARE(c.cmdStart->text(), QStringLiteral("Start"));
            Click(c.cmdStart);
            QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
            const QString again = FirstDifference(f->TableWindow()->cells(), CellsOfResultFile(*f));
            QVERIFY2(again.isEmpty(), qPrintable(again));
        }
    }

    void aStopDuringDeal390ShowsDeal399AndStoresNothing() {
        AnalyzerProgram prog(1000);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[0]);
        // A click that arrives while deal 390 is being counted is served at the next yield.
        auto& driver = f->analyzer().driver;
        auto write = f->analyzer().WriteTable;
        bool posted = false;
        f->analyzer().WriteTable = [&, write](int k, int L, int d, const lott::EventCounts& ev) {
            write(k, L, d, ev);
            if (driver.DealNo == 390 && !posted) {
                lott::test::PostClick(c.cmdStart);
                posted = true;
            }
        };
        QString captionWhileStopping;
        AtProgress(*f, [&](std::int32_t) {
            if (posted && captionWhileStopping.isEmpty()) captionWhileStopping = c.cmdStart->text();
        });
        Click(c.cmdStart);
        QVERIFY(posted);
        QCOMPARE(captionWhileStopping, QStringLiteral("Stopped"));
        QCOMPARE(c.lblNo->text(), QStringLiteral("399"));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
        QVERIFY(!std::filesystem::exists(prog.Result("40OstLen")));
        QVERIFY(!c.cmdTable[0]->isEnabled());
        // The table holds the deals counted so far. (That the short cache is not replayed is
        // shown by the analyzer's own tests.)
        QCOMPARE(f->TableWindow()->cells().Cell(0, 25, -6), std::string("399"));
    }

    void theTableButtonComesBackWhenTheTableIsClosedDuringARun() {
        AnalyzerProgram prog(3000);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[0]);
        auto stateAfterClose = lott::TableState::Finished, stateBeforeClick = stateAfterClose,
             stateAfterClick = stateAfterClose;
        bool enabledBeforeClick = false, tinted = false;
        std::string samplesShown;
        QPointer<lott::frmTab> first;
        AtProgress(*f, [&](std::int32_t n) {
            if (n == 200) {
                first = f->TableWindow();
                Click(first->cmdHideTable[0]);
                stateAfterClose = f->analyzer().TableState;
            } else if (n == 220) {
                stateBeforeClick = f->analyzer().TableState;
                enabledBeforeClick = c.cmdTable[0]->isEnabled();
                tinted = MainControls::IsTinted(c.cmdTable[0]);
                Click(c.cmdTable[0]);
                stateAfterClick = f->analyzer().TableState;
                samplesShown = f->TableWindow()->cells().Cell(0, 25, -6);
            }
        });
        Click(c.cmdStart);
        QCOMPARE(stateAfterClose, lott::TableState::NotShown);
        QCOMPARE(stateBeforeClick, lott::TableState::ButtonReEnabled);
        QVERIFY(enabledBeforeClick && tinted);
        QCOMPARE(stateAfterClick, lott::TableState::Live);
        QCOMPARE(samplesShown, std::string("219"));  // deals 1..219 counted so far
        // The closed window went; the reopened one stayed live to the end.
        QTRY_VERIFY(first.isNull());
        QCOMPARE(f->TableWindow()->cells().Cell(0, 25, -6), std::string("3000"));
        const QString diff = FirstDifference(f->TableWindow()->cells(), CellsOfResultFile(*f));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void theTableButtonAfterARunShowsTheStoredResult() {
        AnalyzerProgram prog(300);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[1]);
        Click(c.cmdStart);
        QCOMPARE(f->analyzer().TableState, lott::TableState::Finished);
        QPointer<lott::frmTab> runWindow = f->TableWindow();

        Click(c.cmdTable[1]);  // state 5: a fresh window from the file, live state again
        lott::frmTab* fromFile = f->TableWindow();
        QVERIFY(fromFile != runWindow);
        QCOMPARE(f->analyzer().TableState, lott::TableState::Live);
        QCOMPARE(fromFile->windowTitle(), QStringLiteral("Trickscan [Table}"));
        QCOMPARE(fromFile->txtName[1]->text(), QStringLiteral("(none)40ScoCo.dat"));
        const QString diff = FirstDifference(fromFile->cells(), CellsOfResultFile(*f));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QTRY_VERIFY(runWindow == nullptr || !runWindow->isVisible());

        // Closed, the next click opens the window under its title; a further click finds it.
        fromFile->close();
        QCOMPARE(f->analyzer().TableState, lott::TableState::NotShown);
        Click(c.cmdTable[1]);
        lott::frmTab* titled = f->TableWindow();
        QCOMPARE(titled->windowTitle(), QStringLiteral("[Table](none)40ScoCo Ver 3.7"));
        QCOMPARE(titled->head[0]->text(), QString::fromStdString(f->analyzer().Headers[0]));
        Click(c.cmdTable[1]);
        QCOMPARE(f->TableWindow(), titled);
    }

    void theSettingsStayLockedWhileARunGoes() {
        AnalyzerProgram prog(400);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[0]);
        bool checked = false;
        AtProgress(*f, [&](std::int32_t n) {
            if (n != 40) return;
            checked = true;
            QVERIFY(!c.o[3]->isEnabled() && !c.o[6]->isEnabled() && !c.o[1]->isEnabled());
            QVERIFY(c.o[0]->isEnabled() && c.o[8]->isEnabled());  // the chosen ones stay readable
            QVERIFY(c.o[41]->isEnabled());
            QVERIFY(!c.tBox->isEnabled() && !c.Language->isEnabled() && !c.menu[7]->isEnabled());
            QVERIFY(!c.cmdTable[0]->isEnabled() && !c.cmdGrph[0]->isEnabled());
            QCOMPARE(c.cmdStart->text(), QStringLiteral("Working"));
            // The level limit may be clicked; the run keeps the name it started with.
            Click(c.o[42]);
            QVERIFY(c.o[42]->isChecked());
            // The debug box's Enter is ignored while a run goes.
            c.dBox->setText(QStringLiteral("5"));
            f->dBox_KeyPress();
        });
        Click(c.cmdStart);
        QVERIFY(checked);
        QCOMPARE(c.lblNo->text(), QStringLiteral("400"));
        QCOMPARE(f->analyzer().RunResultName(), std::string("40OstLen"));
        QVERIFY(std::filesystem::exists(prog.Result("40OstLen")));
        QVERIFY(c.o[6]->isEnabled() && c.tBox->isEnabled() && c.Language->isEnabled());
        QVERIFY(c.menu[7]->isEnabled());
    }

    void endDuringARunStopsItFirstAndThenCloses() {
        AnalyzerProgram prog(2000);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[0]);
        bool stillOpen = false;
        AtProgress(*f, [&](std::int32_t n) {
            if (n == 100) {
                Click(c.cmdEnd);
                stillOpen = f->isVisible() && f->TableWindow() != nullptr;
            }
        });
        Click(c.cmdStart);
        QVERIFY(stillOpen);
        QCOMPARE(c.lblNo->text(), QStringLiteral("99"));
        QVERIFY(!f->isVisible());
        QVERIFY(!std::filesystem::exists(prog.Result("40OstLen")));
    }

    void dealsToScanMustBeAWholeNumberAndMayBeFewer() {
        AnalyzerProgram prog(120);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[0]);
        c.tBox->setText(QStringLiteral("12x"));
        Click(c.cmdStart);
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Start"));
        QVERIFY(c.lblStatus->text().contains(QStringLiteral("whole number")));
        c.tBox->setText(QStringLiteral("80"));
        Click(c.cmdStart);
        QCOMPARE(c.lblNo->text(), QStringLiteral("80"));
        QCOMPARE(f->TableWindow()->cells().Cell(0, 25, -6), std::string("80"));
        QVERIFY(c.lblStatus->text().isEmpty());
    }

    void aRunThatCannotStoreItsResultSaysSoOnTheWindow() {
        AnalyzerProgram prog(60);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[0]);
        // A folder of the user's where the result file would go.
        std::filesystem::create_directories(prog.Result("40OstLen") / "mine");
        Click(c.cmdStart);
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Stopped"));
        QVERIFY2(c.lblStatus->text().contains(QStringLiteral("40OstLen.dat")),
                 qPrintable(c.lblStatus->text()));
        QVERIFY(std::filesystem::is_directory(prog.Result("40OstLen") / "mine"));
        QVERIFY(!c.cmdTable[0]->isEnabled());  // no stored result to show
    }

    void aRunWaitsWhileAnotherScansAndStartGivesUpWaiting() {
        AnalyzerProgram prog(60);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        Click(c.o[0]);
        // Another program holds the folder for its scan.
        const int other = ::open((prog.path() / "DataFiles" / "Trickscan.lock").c_str(),
                                 O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        QString whileWaiting;
        QTimer::singleShot(300, f.get(), [&] {
            whileWaiting = c.lblStatus->text();
            Click(c.cmdStart);
        });
        Click(c.cmdStart);
        QCOMPARE(whileWaiting, QStringLiteral("  another run is scanning this folder; waiting"));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Stopped"));
        QCOMPARE(c.lblStatus->text(), QStringLiteral("another run is scanning this folder"));
        ::close(other);
        Click(c.cmdStart);
        Click(c.cmdStart);
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
        QVERIFY(std::filesystem::exists(prog.Result("40OstLen")));
    }
};

QTEST_MAIN(RunTest)
#include "RunTest.moc"
