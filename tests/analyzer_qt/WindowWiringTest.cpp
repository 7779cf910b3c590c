// The analyzer's main and table windows as views of their model: the option and result buttons
// follow the option array, the captions follow the language and fit their buttons, the widgets
// follow a run, the live table ends as the stored result shows, the table window reads the
// stored result back and copies its grid.
#include "AnalyzerProgram.h"
#include "ClickLabel.h"
#include "Indices.h"
#include "ResultFile.h"
#include "TableExport.h"

using lott::MainControls;
using namespace lott::test;

namespace {

// The first cell where the live table differs from the table of the stored result.
QString FirstDifference(const lott::trickscan::Form1& f) {
    lott::CountingTables t;
    std::array<std::string, 3> head;
    const lott::Analyzer& a = f.analyzer();
    lott::Fin(a.DataDir, a.settings.ResultName, t, a.settings, head);
    lott::TableCells file;
    file.InitLabels();
    file.WriteWholeTable(t, a.settings, 0, false);
    const lott::TableCells& live = f.TableWindow()->cells();
    for (std::int32_t i = 0; i < lott::TableCells::kCellCount; ++i)
        if (live.Cell(i) != file.Cell(i))
            return QStringLiteral("cell %1: %2 for %3")
                .arg(i)
                .arg(live.Cell(i).c_str(), file.Cell(i).c_str());
    return {};
}

}  // namespace

class WindowWiringTest : public QObject {
    Q_OBJECT

  private slots:
    void theButtonsFollowTheOptionArray() {
        AnalyzerProgram prog(30);
        std::filesystem::create_directories(prog.Result("").parent_path());
        WriteFile(prog.Result("40OstLen"), "x\r\n");
        auto f = prog.Start();
        const MainControls& c = f->ui();
        const lott::Settings& s = f->analyzer().settings;
        QCOMPARE(c.LibraryName->toolTip(),
                 lott::ProgramFolderNote(QString::fromStdString(f->analyzer().folder.string())));
        for (int i : {-1, 1, 0, 1, 14, 20, 27, 18, 0, 7}) {
            if (i >= 0) Click(c.o[static_cast<std::size_t>(i)]);
            for (std::size_t j = 0; j < c.o.size(); ++j)
                QVERIFY2(!c.o[j] || (c.o[j]->isEnabled() == s.Enabled(int(j)) &&
                                     c.o[j]->isChecked() == s.Selected(int(j))),
                         qPrintable(QStringLiteral("o(%1) after o(%2)").arg(j).arg(i)));
            QCOMPARE(c.cmdStart->isEnabled(), s.cmdStartEnabled());
            for (std::size_t p : {0u, 1u}) {
                QCOMPARE(c.cmdTable[p]->isEnabled(), s.cmdTable(int(p)).enabled);
                QCOMPARE(MainControls::IsTinted(c.cmdTable[p]), s.cmdTable(int(p)).tinted);
            }
        }
    }

    void captionsFollowTheLanguageAndFitTheirButtons() {
        for (const QString& font : {QString(), QStringLiteral("Noto Sans CJK JP")}) {
            AnalyzerProgram prog(30);
            auto f = prog.Start(font);
            const MainControls& c = f->ui();
            for (int language : {font.isEmpty() ? 0 : 1, font.isEmpty() ? 1 : 0}) {
                QCOMPARE(f->analyzer().Language, static_cast<lott::Language>(language));
                QCOMPARE(c.cmdStart->text().toStdString(), f->analyzer().IdleCaption());
                for (const QAbstractButton* b : c.o)
                    if (b)  // its mark, the space after it and its caption
                        QVERIFY2(
                            b->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                    b->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                                    b->fontMetrics().horizontalAdvance(b->text()) <=
                                b->width(),
                            qPrintable(b->text()));
                // No caption runs into another option; the whole menu bar is in sight.
                for (const QAbstractButton* a : c.o)
                    for (const QAbstractButton* b : c.o)
                        if (a && b && a != b && a->parent() == b->parent())
                            QVERIFY2(!a->geometry().intersects(b->geometry()),
                                     qPrintable(a->text() + " / " + b->text()));
                QCoreApplication::processEvents();  // the menu bar lays itself out
                const QRect initialize = f->menuBar()->actionGeometry(c.menu[7]);
                QVERIFY(!initialize.isEmpty() && initialize.right() < f->menuBar()->width());
                if (const QString shots = qEnvironmentVariable("TRICKSCAN_SHOTS"); !shots.isEmpty())
                    f->grab().save(QStringLiteral("%1/main_%2.png").arg(shots).arg(language));
                Click(c.Language);
            }
        }
    }

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
        const MainControls& c = f->ui();
        const lott::Settings& s = f->analyzer().settings;
        for (int i : clicks) Click(c.o[static_cast<std::size_t>(i)]);
        // At a progress point the widgets show the locked settings and the run's caption.
        bool seen = false;
        f->analyzer().progress = [&, shown = f->analyzer().progress](std::int32_t n) {
            shown(n);
            if (n != 100) return;
            seen = true;
            for (std::size_t j = 0; j < c.o.size(); ++j)
                QVERIFY(!c.o[j] || c.o[j]->isEnabled() == s.Enabled(int(j)));
            QVERIFY(!c.tBox->isEnabled() && !c.Language->isEnabled() &&
                    !c.cmdTable[1]->isEnabled());
            QCOMPARE(c.cmdStart->text().toStdString(), f->analyzer().StartCaption());
        };
        Click(c.cmdStart);
        QVERIFY(seen && std::filesystem::exists(prog.Result(s.ResultName)));
        QCOMPARE(c.cmdStart->text().toStdString() + c.lblNo->text().toStdString(),
                 f->analyzer().StartCaption() + f->analyzer().lblNo);
        QVERIFY(c.cmdTable[s.SettingMode == lott::SettingMode::Standard]->isEnabled() &&
                c.tBox->isEnabled());
        QVERIFY(f->RepaintedCells() > 0);
        if (const QString d = FirstDifference(*f); !d.isEmpty()) qInfo("live: %s", qPrintable(d));
        QCOMPARE(FirstDifference(*f), QString());
        Click(c.cmdStart);  // the next click resets the caption; the one after replays
        Click(c.cmdStart);
        QCOMPARE(FirstDifference(*f), QString());
    }

    void theTableWindowShowsItsPresetAndTheStoredResult() {
        AnalyzerProgram prog(150);
        auto f = prog.Start();
        const MainControls& c = f->ui();
        for (int preset : {0, 1}) {
            QCOMPARE(Run(*f, preset), QStringLiteral("Finished"));
            QCOMPARE(f->TableWindow()->grid()->NotrumpBlock(), preset == 1);
            QCOMPARE(f->TableWindow()->cmdReadOstrevan->isVisible(), preset == 0);
        }
        lott::frmTab* t = f->TableWindow();
        Click(t->cmdCopy);
        QCOMPARE(QGuiApplication::clipboard()->text(), t->grid()->TabSeparated());
        Click(t->cmdCopyCsv);
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 lott::TableExport::GridCsv(t->cells(), lott::SettingMode::Standard));
        Click(t->cmdStats);  // the statistics in place of the counts: the rows with deals
        QVERIFY(t->statsGrid->isVisible() && !t->grid()->isVisible());
        const int last = t->statsGrid->rowCount() - 1;  // the notrump total, as the grid counts
        QCOMPARE(t->statsGrid->item(last, 0)->text(), QStringLiteral("NT Total"));
        QCOMPARE(t->statsGrid->item(last, 1)->text().toStdString(),
                 t->cells().Cell(lott::KindNT, lott::TableMaxLen(lott::KindNT) + 1, -6));
        const std::string report = (prog.path() / "ReportFiles" / "r.html").string();
        t->askReportFile = [&](const QString& suggested) {
            return suggested.endsWith("(none)40LenCo.html") ? QString::fromStdString(report)
                                                            : QString();
        };
        Click(t->cmdReport);  // the page of the table shown, its graph inline
        QVERIFY(ReadFile(report).find("<svg") != std::string::npos &&
                t->lblStatus->text().contains(QString::fromStdString(report)));
        const std::string text = ReadFile(prog.Result("(none)40LenCo"));
        WriteFile(prog.Result("(none)40LenCo"), text.substr(0, text.size() / 2));
        Click(c.cmdTable[1]);  // after the run: a window of the stored file, damaged here
        t = f->TableWindow();
        QCOMPARE(t->txtName[1]->text().toStdString(), t->cells().txtName(1));
        QCOMPARE(t->head[0]->text().toStdString(), f->analyzer().Headers[0]);
        QVERIFY(t->lblStatus->text().contains(QStringLiteral("damaged or short")));
        Click(t->cmdHideTable[1]);
        QVERIFY(f->analyzer().TableState == lott::TableState::NotShown);
    }
};

QTEST_MAIN(WindowWiringTest)
#include "WindowWiringTest.moc"
