// The counting-table window as a view: its layout per preset, the stored result read back with
// its name and what was wrong with it, the copies of the grid, the paper and comment buttons.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AnalyzerHelpTexts.h"
#include "AnalyzerProgram.h"
#include "MainControls.h"
#include "TableExport.h"

using lott::test::AnalyzerProgram;
using lott::test::Click;

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aRunShowsItsPresetsLayoutAndTheButtonReadsTheStoredResult() {
        AnalyzerProgram prog(150);
        prog.WritePages();
        lott::test::PageRecorder pages;
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        for (int preset : {0, 1}) {
            Click(c.o[static_cast<std::size_t>(preset)]);
            Click(c.cmdStart);
            lott::frmTab* t = f->TableWindow();
            QCOMPARE(t->grid()->NotrumpBlock(), preset == 1);
            QCOMPARE(t->height(), preset == 1 ? lott::frmTab::kHeightStandard : 400);
            QCOMPARE(t->cmdReadOstrevan->isVisible(), preset == 0);
            Click(c.cmdStart);
        }
        Click(f->TableWindow()->cmdCopy);
        QCOMPARE(QGuiApplication::clipboard()->text(), f->TableWindow()->grid()->TabSeparated());
        Click(f->TableWindow()->cmdCopyCsv);
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 lott::TableExport::GridCsv(f->TableWindow()->cells(), 1));
        Click(c.cmdTable[1]);  // after the run: a window of the stored file
        lott::frmTab* t = f->TableWindow();
        QCOMPARE(t->txtName[1]->text().toStdString(), t->cells().txtName(1));
        QCOMPARE(t->head[0]->text().toStdString(), f->analyzer().Headers[0]);
        Click(t->cmdComment[1]);
        QCOMPARE(f->CommentWindow()->txt()->toPlainText().toStdString(),
                 lott::CommentText(f->CommentTopic(), 0));
        Click(t->cmdHideTable[1]);  // closing the table closes its comment
        QTRY_VERIFY(!f->CommentWindow());
        QCOMPARE(f->analyzer().driver.TableState, 0);
        Click(c.o[0]);
        Click(c.cmdTable[0]);
        Click(f->TableWindow()->cmdReadOstrevan);
        QCOMPARE(pages.urls.size(), 1);
    }

    void aDamagedOrMissingResultIsSaid() {
        AnalyzerProgram prog(60);
        auto f = prog.Start();
        Click(f->ui().o[1]);
        Click(f->ui().cmdStart);
        const auto file = prog.Result("(none)40ScoCo");
        std::string text = lott::test::ReadFile(file);
        lott::test::WriteFile(file, text.substr(0, text.size() / 2));
        Click(f->ui().cmdStart);
        Click(f->ui().cmdTable[1]);
        QVERIFY(f->TableWindow()->lblStatus->text().contains(QStringLiteral("damaged or short")));
        std::filesystem::remove(file);
        Click(f->TableWindow()->cmdHideTable[1]);
        Click(f->ui().cmdTable[1]);
        QVERIFY(f->TableWindow()->lblStatus->text().contains(QStringLiteral("missing")));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
