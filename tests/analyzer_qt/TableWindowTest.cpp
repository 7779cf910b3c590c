// The counting-table window: its two layouts, empty rows and empty totals, a damaged result
// file, the copy of the grid, the paper and comment buttons.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AnalyzerHelpTexts.h"
#include "AnalyzerProgram.h"
#include "ClickLabel.h"
#include "Headers.h"
#include "MainControls.h"
#include "ResultFile.h"
#include "TableExport.h"
#include "WindowLookup.h"

using lott::test::AnalyzerProgram;
using lott::test::Click;

namespace {

// A result of the Standard defaults with ten suit-suit deals at Total Trumps 16, all exact, and
// no notrump deal.
void WriteSmallStandardResult(const AnalyzerProgram& prog) {
    lott::Settings s;
    s.DefaultSetting(false);
    s.Click(1);
    lott::CountingTables t;
    t.DevTable(0, 16, 0) = t.DevTable(0, 16, 30) = 10;
    t.DevTable(0, 30, 0) = t.DevTable(0, 30, 30) = 10;
    std::string error;
    QVERIFY(lott::Fout(prog.path() / "DataFiles", s.ResultName, t, s,
                       lott::PrepareHeaders(s, "2024-05-06 07:08:09"), error));
}

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void eachPresetHasItsLayout() {
        AnalyzerProgram prog(100);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        Click(c.o[0]);
        Click(c.cmdStart);
        lott::frmTab* t = f->TableWindow();
        QCOMPARE(t->height(), 400);
        QVERIFY(!t->grid()->NotrumpBlock());
        QVERIFY(t->cmdReadOstrevan->isVisible() && t->txtName[0]->isVisible());
        QVERIFY(!t->txtName[1]->isVisible() && !t->cmdHideTable[1]->isVisible());
        QCOMPARE(t->cmdHideTable[0]->text(), QStringLiteral("Hide Table"));
        QCOMPARE(t->cmdComment[0]->text(), QStringLiteral("Comments on this Table"));
        // The Ostrevan table never names its file.
        QVERIFY(t->txtName[0]->text().isEmpty());
        QVERIFY(t->grid()->CellRect(lott::CellIndex(-1, 12, 0)).isEmpty());

        Click(c.cmdStart);
        Click(c.o[1]);  // Standard after Ostrevan keeps trumps by Length
        Click(c.cmdStart);
        t = f->TableWindow();
        QCOMPARE(t->height(), 523);
        QVERIFY(t->grid()->NotrumpBlock());
        QVERIFY(!t->cmdReadOstrevan->isVisible() && t->txtName[1]->isVisible());
        QCOMPARE(t->cmdHideTable[1]->text(), QStringLiteral("HideTable"));
        QCOMPARE(t->cmdComment[1]->text(), QStringLiteral("Comment on this Table"));
        QVERIFY(!t->grid()->CellRect(lott::CellIndex(-1, 12, 0)).isEmpty());
        // Once the run is over the name of its file is shown, whatever the library's size.
        QCOMPARE(f->analyzer().TableState, lott::TableState::Finished);
        Click(c.cmdTable[1]);
        QCOMPARE(f->TableWindow()->txtName[1]->text(), QStringLiteral("(none)40LenCo.dat"));
        Click(f->TableWindow()->cmdHideTable[1]);
        QCOMPARE(f->analyzer().TableState, lott::TableState::NotShown);
    }

    void emptyRowsStayEmptyAndAnEmptyTotalShowsZero() {
        AnalyzerProgram prog(20);
        auto f = prog.Start();
        WriteSmallStandardResult(prog);
        Click(f->ui().o[1]);
        QVERIFY(f->ui().cmdTable[1]->isEnabled());
        Click(f->ui().cmdTable[1]);
        const lott::TableCells& cells = f->TableWindow()->cells();
        QCOMPARE(cells.Cell(0, 16, -6), std::string("10"));
        QCOMPARE(cells.Cell(0, 16, 0), std::string("10"));
        QCOMPARE(cells.Cell(0, 16, 6), std::string("0.00"));
        QCOMPARE(cells.Cell(0, 15, -6), std::string());
        QCOMPARE(cells.Cell(0, 16, 1), std::string());
        QCOMPARE(cells.Cell(-1, 14, -6), std::string());
        QCOMPARE(cells.Cell(-1, 22, -6), std::string("0"));
        QCOMPARE(f->TableWindow()->head[2]->text(),
                 QStringLiteral(" Quenby Formula for NT (+7). 2024-05-06 07:08:09"));
        QVERIFY(f->TableWindow()->lblStatus->text().isEmpty());
    }

    void aDamagedResultIsShownAsFarAsItGoes() {
        AnalyzerProgram prog(20);
        auto f = prog.Start();
        WriteSmallStandardResult(prog);
        // A count no run writes in the row of 16, then the file ends half way.
        const auto file = prog.Result("(none)40ScoCo");
        std::string text = lott::test::ReadFile(file);
        const std::size_t row16 = text.find("\r\n     16");
        QVERIFY(row16 != std::string::npos);
        text.replace(row16 + 2 + 7, 7, "9.9e+37");
        text.resize(text.size() / 2);
        lott::test::WriteFile(file, text);

        Click(f->ui().o[1]);
        Click(f->ui().cmdTable[1]);
        lott::frmTab* t = f->TableWindow();
        QVERIFY2(t->lblStatus->text().contains(QStringLiteral("damaged or short")),
                 qPrintable(t->lblStatus->text()));
        QCOMPARE(t->cells().Cell(0, 16, -6), std::string("1000000000"));  // clamped
        QCOMPARE(t->cells().Cell(0, 16, 0), std::string("10"));
        QCOMPARE(t->cells().Cell(-1, 14, -6), std::string());
        t->grab();  // painted with whatever it holds
        // The graph draws it too, and says so.
        Click(f->ui().cmdGrph[1]);
        auto* g = qobject_cast<lott::frmGrph*>(
            lott::FindWindowByTitle(lott::frmGrph::Caption("(none)40ScoCo")));
        QVERIFY(g);
        QVERIFY(g->lblStatus->text().contains(QStringLiteral("damaged or short")));
        g->grab();

        // A missing file is said as well.
        std::filesystem::remove(file);
        Click(t->cmdHideTable[1]);
        Click(f->ui().cmdTable[1]);
        QVERIFY(f->TableWindow()->lblStatus->text().contains(QStringLiteral("missing")));
    }

    void copyPutsTheGridOnTheClipboard() {
        AnalyzerProgram prog(150);
        auto f = prog.Start();
        Click(f->ui().o[1]);
        Click(f->ui().cmdStart);
        lott::frmTab* t = f->TableWindow();
        Click(t->cmdCopy);
        const QStringList lines =
            QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("Length\tSamples\t-5\t-4\t-3\t-2\t-1\t0\t+1\t+2\t+3"
                                                "\t+4\t+5\tAverage\tError\tDbleFit\tAKQ\tCham"));
        QCOMPARE(lines.value(1), QStringLiteral("[Suit]"));
        QCOMPARE(lines.size(), 1 + 1 + 15 + 1 + 11);
        QCOMPARE(lines.value(17), QStringLiteral("[NT]"));
        // Every row has its caption and the 17 cells.
        for (int i : {2, 16, 18, 28}) QCOMPARE(lines.value(i).count(QLatin1Char('\t')), 17);
        const QStringList suitTotal = lines.value(16).split(QLatin1Char('\t'));
        const QStringList ntTotal = lines.value(28).split(QLatin1Char('\t'));
        QCOMPARE(suitTotal.value(0), QStringLiteral("Total"));
        QCOMPARE(suitTotal.value(1), QString::fromStdString(t->cells().Cell(0, 25, -6)));
        QCOMPARE(ntTotal.value(7), QString::fromStdString(t->cells().Cell(-1, 22, 0)));
        QVERIFY(t->lblStatus->text().contains(QStringLiteral("clipboard")));

        // The same grid as comma-separated values (their layout: TableExportGrid).
        t->lblStatus->clear();
        Click(t->cmdCopyCsv);
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 lott::TableExport::GridCsv(t->cells(), lott::SettingMode::Standard));
        QVERIFY(t->lblStatus->text().contains(QStringLiteral("clipboard")));
    }

    void paperAndCommentButtons() {
        AnalyzerProgram prog(60);
        prog.WritePages();
        lott::test::PageRecorder pages;
        auto f = prog.Start();
        Click(f->ui().o[0]);
        Click(f->ui().cmdStart);
        lott::frmTab* t = f->TableWindow();
        Click(t->cmdReadOstrevan);
        QCOMPARE(pages.urls.size(), 1);
        QVERIFY(pages.urls[0].toString().endsWith(QStringLiteral("/ostrevan/total.HTML")));
        Click(t->cmdComment[0]);
        QCOMPARE(f->CommentTopic(), 1);
        QVERIFY(f->CommentWindow() && f->CommentWindow()->isVisible());
        QCOMPARE(f->CommentWindow()->txt()->toPlainText(),
                 QString::fromStdString(lott::CommentText(1, 0)));

        // In Japanese: the button captions, the comment and the paper in Japanese.
        Click(f->ui().cmdStart);
        Click(f->ui().Language);
        QTRY_VERIFY(!f->CommentWindow());  // a language switch closes the comment
        Click(f->ui().cmdStart);
        t = f->TableWindow();
        QCOMPARE(t->cmdHideTable[0]->text(), QStringLiteral("集計表を隠す"));
        QCOMPARE(t->cmdReadOstrevan->text(), QStringLiteral("Ostrevan の論文を読む"));
        Click(t->cmdComment[0]);
        QCOMPARE(f->CommentWindow()->txt()->toPlainText(),
                 QString::fromStdString(lott::CommentText(1, 1)));
        // Closing the table closes its comment.
        Click(t->cmdHideTable[0]);
        QTRY_VERIFY(!f->CommentWindow());
        Click(f->ui().cmdStart);
        Click(f->ui().cmdStart);
        std::filesystem::remove(prog.path() / "web" / "ostrevan" / "total.htm");
        Click(f->TableWindow()->cmdReadOstrevan);
        QCOMPARE(pages.urls.size(), 1);
        QVERIFY(f->TableWindow()->lblStatus->text().contains(QStringLiteral("ostrevan/total.htm")));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
