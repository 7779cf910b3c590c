// Runs from the main window: the live table against the stored result, the widgets during a
// run, a click that arrives during a run, the table closed and reopened, End during a run, and
// a run that waits for another.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
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

using lott::test::AnalyzerProgram;
using lott::test::Click;
using lott::trickscan::Form1;

namespace {

// Runs test code at every progress point of the next run, after the window served its events.
void AtProgress(Form1& f, std::function<void(std::int32_t)> hook) {
    f.analyzer().progress = [original = f.analyzer().progress, hook](std::int32_t n) {
        original(n);
        hook(n);
    };
}

// The first cell where the live table differs from the table of the stored result.
QString FirstDifference(const Form1& f) {
    lott::CountingTables t;
    std::array<std::string, 3> head;
    const lott::Analyzer& a = f.analyzer();
    lott::Fin(a.DataDir, a.settings.ResultName, t, a.settings, head);
    lott::TableCells file;
    file.InitLabels();
    file.WriteWholeTable(t, a.settings, 0, false);
    for (std::int32_t i = 0; i < lott::TableCells::kCellCount; ++i)
        if (f.TableWindow()->cells().Cell(i) != file.Cell(i))
            return QStringLiteral("cell %1: \"%2\" instead of \"%3\"")
                .arg(i)
                .arg(QString::fromStdString(f.TableWindow()->cells().Cell(i)),
                     QString::fromStdString(file.Cell(i)));
    return {};
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

  private slots:
    void theLiveTableShowsTheStoredResult_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::newRow("ostrevan") << QList<int>{0};
        QTest::newRow("standard") << QList<int>{1};
        QTest::newRow("standard with corrections") << QList<int>{1, 14, 18, 20};
    }
    void theLiveTableShowsTheStoredResult() {
        QFETCH(QList<int>, clicks);
        AnalyzerProgram prog(600);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        const lott::Settings& s = f->analyzer().settings;
        for (int i : clicks) Click(c.o[static_cast<std::size_t>(i)]);
        // During the run the widgets show the locked settings and the run's caption.
        bool seen = false;
        AtProgress(*f, [&](std::int32_t n) {
            if (n != 100 || seen) return;
            seen = true;
            for (std::size_t j = 0; j < c.o.size(); ++j)
                if (c.o[j]) QCOMPARE(c.o[j]->isEnabled(), s.Enabled(static_cast<int>(j)));
            QVERIFY(!c.tBox->isEnabled() && !c.Language->isEnabled() &&
                    !c.cmdTable[1]->isEnabled());
            QCOMPARE(c.cmdStart->text().toStdString(), f->analyzer().StartCaption);
        });
        Click(c.cmdStart);
        QVERIFY(seen);
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
        QCOMPARE(c.lblNo->text(), QStringLiteral("600"));
        QVERIFY(std::filesystem::exists(prog.Result(s.ResultName)));
        QVERIFY(c.cmdTable[s.SettingMode == 1]->isEnabled() && c.tBox->isEnabled());
        QVERIFY(f->RepaintedCells() > 0);
        if (const QString d = FirstDifference(*f); !d.isEmpty())
            qInfo("live table: %s", qPrintable(d));
        // Known: with corrections on, the cells at a deal's raw length are not redrawn live.
        QEXPECT_FAIL("standard with corrections", "cells at the raw length are not redrawn", Abort);
        QCOMPARE(FirstDifference(*f), QString());
        Click(c.cmdStart);  // the next click resets the caption; the one after replays
        Click(c.cmdStart);
        QCOMPARE(FirstDifference(*f), QString());
    }

    void aClickDuringARunStopsItAtTheNextYield() {
        AnalyzerProgram prog(1000);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        Click(c.o[0]);
        auto& driver = f->analyzer().driver;
        bool posted = false;
        driver.WriteTable = [&, write = driver.WriteTable](int k, int L, int d,
                                                           const lott::EventCounts& ev) {
            write(k, L, d, ev);
            if (driver.DealNo == 390 && !std::exchange(posted, true))
                lott::test::PostClick(c.cmdStart);
        };
        Click(c.cmdStart);
        QCOMPARE(c.lblNo->text(), QStringLiteral("399"));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Finished"));
        QVERIFY(!std::filesystem::exists(prog.Result("40OstLen")) && !c.cmdTable[0]->isEnabled());
        QCOMPARE(f->TableWindow()->cells().Cell(0, 25, -6), std::string("399"));
    }

    void theTableClosedDuringARunComesBackLive() {
        AnalyzerProgram prog(3000);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        Click(c.o[0]);
        QPointer<lott::frmTab> first;
        bool back = false;
        AtProgress(*f, [&](std::int32_t n) {
            if (n == 200) {
                first = f->TableWindow();
                Click(first->cmdHideTable[0]);
            } else if (n == 220) {
                back = c.cmdTable[0]->isEnabled() && lott::MainControls::IsTinted(c.cmdTable[0]);
                Click(c.cmdTable[0]);
            }
        });
        Click(c.cmdStart);
        QVERIFY(back);
        QTRY_VERIFY(first.isNull());
        QCOMPARE(f->TableWindow()->cells().Cell(0, 25, -6), std::string("3000"));
        QCOMPARE(FirstDifference(*f), QString());
    }

    void endDuringARunStopsItFirstAndThenCloses() {
        AnalyzerProgram prog(2000);
        auto f = prog.Start();
        Click(f->ui().o[0]);
        bool stillOpen = false;
        AtProgress(*f, [&](std::int32_t n) {
            if (n != 100) return;
            Click(f->ui().cmdEnd);
            stillOpen = f->isVisible();
        });
        Click(f->ui().cmdStart);
        QVERIFY(stillOpen && !f->isVisible());
        QCOMPARE(f->ui().lblNo->text(), QStringLiteral("99"));
        QVERIFY(!std::filesystem::exists(prog.Result("40OstLen")));
    }

    void aRunWaitsWhileAnotherScansAndStartGivesUpWaiting() {
        AnalyzerProgram prog(60);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        Click(c.o[0]);
        const int other = ::open((prog.path() / "DataFiles" / "Trickscan.lock").c_str(),
                                 O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        QString whileWaiting;
        QTimer::singleShot(300, f.get(), [&] {
            whileWaiting = c.lblStatus->text();
            Click(c.cmdStart);
        });
        Click(c.cmdStart);
        QVERIFY(whileWaiting.contains(QStringLiteral("waiting")));
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Stopped"));
        ::close(other);
    }
};

QTEST_MAIN(RunTest)
#include "RunTest.moc"
