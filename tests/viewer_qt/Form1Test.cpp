// The viewer's window over the bundled real deals: clicks, keys and the scroll bar reach the
// session, and what the session holds reaches the widgets. The decisions, exports and texts
// themselves are the frontend's tests.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "ClickLabel.h"
#include "Form1.h"
#include "PictureBox.h"
#include "ScrollSteps.h"
#include "TestLibrary.h"
#include "ViewerHelpTexts.h"
#include "ViewerTexts.h"
#include "frmInfo.h"

using lott::PictureBox;
using lott::boardlook::Form1;
namespace fs = std::filesystem;

namespace {
// The ink of a printed text, measured in the font it was drawn in, in the central widget's pixels
// (without its blanks, which have none).
QRectF Ink(const PictureBox* b, const PictureBox::DrawOp& op) {
    QFont f(op.fontName);
    f.setPointSizeF(op.fontSize);
    f.setBold(op.bold);
    const QFontMetricsF fm(f, b);
    const QPointF pen = b->OpPixel(op, op.x1, op.y1) + b->mapTo(b->parentWidget(), QPoint());
    const QString lead = op.text.left(op.text.indexOf(op.text.trimmed()));
    return fm.tightBoundingRect(op.text.trimmed())
        .translated(pen + QPointF(fm.horizontalAdvance(lead), fm.ascent()));
}
// Every caption a language switch changes (a hidden download button has one of its own).
QStringList Captions(const Form1& f) {
    QStringList t;
    for (const QAction* a : f.menuBar()->actions()) t << a->text();
    for (const QPushButton* b : f.findChildren<QPushButton*>())
        t << (b->isHidden() ? QString() : b->text());
    for (const QGroupBox* g : f.findChildren<QGroupBox*>()) t << g->title();
    for (const lott::ClickLabel* l : f.findChildren<lott::ClickLabel*>()) t << l->text();
    t.removeAll(QString());
    return t;
}
}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    lott::test::TempFolder dir_;
    std::unique_ptr<Form1> Start(bool inArchive = false) {
        lott::boardlook::StartOptions o;
        o.programFolder = QString::fromStdString(dir_.path().string());
        o.inArchive = inArchive;
        o.japaneseFont = QString();
        return std::make_unique<Form1>(o);
    }
    static void Type(QLineEdit* e, const QString& text) {
        e->clear();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }

  private slots:
    void initTestCase() {
        fs::copy_file(fs::path(TEST_SAMPLE_DIR) / "Library.bin", dir_ / "Library.bin");
        fs::copy_file(fs::path(TEST_SAMPLE_DIR) / "Library.asc", dir_ / "Library.asc");
        lott::test::WriteFile(dir_ / "Over20.txt", "------\r\n 21, 22 #25 ( 19, 21)\r\n");
    }

    void navigationReachesTheSessionAndTheNumberBox() {
        auto f = Start();
        const auto& c = f->ui();
        QVERIFY(c.OptBin->isChecked());
        QCOMPARE(c.LibName->toolTip(),
                 lott::ProgramFolderNote(QString::fromStdString(dir_.path().string())));
        QCOMPARE(c.txtCount->text(), QStringLiteral("1"));
        const std::tuple<QPushButton*, Qt::MouseButton, int> clicks[] = {
            {c.cmdGo, Qt::LeftButton, 2},
            {c.cmdGo, Qt::RightButton, 12},
            {c.cmdBack, Qt::RightButton, 2},
            {c.cmdBack, Qt::LeftButton, 1},
            {c.cmdBack, Qt::LeftButton, 10000}};  // round the first deal to the last
        for (const auto& [button, mouse, deal] : clicks) {
            QTest::mouseClick(button, mouse);
            QCOMPARE(f->session().DealNo, deal);
            QCOMPARE(c.txtCount->text(), QString::number(deal));
        }
        QCOMPARE(c.hsbar->value(), c.hsbar->maximum());
        Type(c.txtCount, QStringLiteral("517"));
        QCOMPARE(f->session().DealNo, 517);
        QCOMPARE(c.hsbar->pageStep(), lott::ScrollSteps(10000).LargeChange());
        c.hsbar->setValue(0);
        QCOMPARE(c.txtCount->text(), QStringLiteral("1"));
        QTest::mouseClick(c.OptAsc, Qt::LeftButton);
        QVERIFY(f->session().LibMode == lott::LibMode::Ascii);
        QCOMPARE(c.Lib->text(), QStringLiteral("Library.asc"));
        Type(c.Lib, QStringLiteral("Library.bin"));
        QVERIFY(f->session().LibMode == lott::LibMode::Binary);
    }

    void switchesAndLanguageReachTheSessionAndTheLabels() {
        auto f = Start();
        const auto& c = f->ui();
        const QString allowed = c.lblNegNT->text();
        QTest::mouseClick(c.lblNegNT, Qt::LeftButton);
        QVERIFY(f->session().NoNT == lott::NoNT::Forbidden);
        QVERIFY(c.lblNegNT->text() != allowed);
        QTest::mouseClick(c.lblLength, Qt::LeftButton);
        QVERIFY(f->session().TrumpBy == lott::TrumpBy::Length);
        QTest::mouseClick(c.Language, Qt::LeftButton);
        QCOMPARE(f->session().Language, lott::Language::Japanese);
        // Without a Japanese font of its own: the sans-serif Japanese face, not the default one.
        QCOMPARE(c.cmdGo->font().family(), lott::kJapaneseFallbackFont);
    }

    void theOutputButtonWritesTheChosenKindOfTheDealShownAsTheBatchToolDoes() {
        auto f = Start();
        const auto& c = f->ui();
        Type(c.txtCount, QStringLiteral("519"));
        QTest::mouseClick(c.Optout[2], Qt::LeftButton);
        QTest::mouseClick(c.cmdOutput, Qt::LeftButton);
        QCOMPARE(
            lott::test::ReadFile(dir_ / "PbnFiles/No519.pbn"),
            lott::test::ReadFile(fs::path(TEST_GOLDEN_DIR) / "real_pbn/files/PbnFiles/No519.pbn"));
        QVERIFY(c.lblStatus->toolTip().endsWith(QStringLiteral("PbnFiles/No519.pbn")));
    }

    void theOver20ListAndTheMenuOpenWhatTheyName() {
        auto f = Start();
        const auto& c = f->ui();
        QTest::mouseClick(c.cmdOver20, Qt::LeftButton);
        QTest::mouseClick(c.optTT[0], Qt::LeftButton);
        QCOMPARE(c.Deals->count(), 1);
        QListWidgetItem* item = c.Deals->item(0);
        QTest::mouseClick(c.Deals->viewport(), Qt::LeftButton, {},
                          c.Deals->visualItemRect(item).center());
        QCOMPARE(f->session().DealNo, 25);
        c.menu[5]->trigger();
        QVERIFY(f->InfoWindow() && f->InfoWindow()->isVisible());
        QCOMPARE(f->InfoWindow()->txt()->toPlainText().toStdString(),
                 lott::ViewerHelpTexts::Text(5, lott::Language::English));
    }

    // Over the first deals in both languages: no text runs outside its picture or into another,
    // neighbouring numbers of the trick table keep a quarter digit apart, and the marks beside
    // the table stand on its rows. Each language's help topics fit their windows, every caption
    // changes with the language, and the English ones come back as they were.
    void everyTextStaysInItsPictureAndClearOfTheOthers() {
        auto f = Start();
        const auto& c = f->ui();
        const QStringList english = Captions(*f);
        const double quarter =
            QFontMetricsF(QFont("Courier New", 13), c.box).horizontalAdvance('0') / 4;
        for (int language = 0; language < 2; ++language, f->Language_Click()) {
            for (int deal = 1; deal <= 120; ++deal) {
                f->MainProc(deal);
                QMap<double, QList<QRectF>> cells;  // the trick table's numbers by row
                for (const PictureBox* b : {c.box, c.p, c.p2, c.p3, c.canvas}) {
                    QList<QRectF> inks;
                    const QRectF frame =
                        b == c.canvas ? c.central->rect() : b->geometry().adjusted(1, 1, -1, -1);
                    for (const auto& op : b->Ops()) {
                        if (op.kind != PictureBox::OpKind::Text || op.text.trimmed().isEmpty())
                            continue;
                        const QRectF ink = Ink(b, op);
                        QVERIFY2(frame.contains(ink), qPrintable(op.text));
                        for (const QRectF& other : inks) QVERIFY(!ink.intersects(other));
                        inks << ink;
                        // A squeezed ten's second digit starts inside its first.
                        if (b == c.box && inks.size() > 1 && op.x1 < (&op)[-1].x2 + 1e-6 &&
                            op.y1 == (&op)[-1].y1)
                            cells[op.y1].back() |= ink;
                        else if (b == c.box)
                            cells[op.y1] << ink;
                        const auto mark = QStringList{"NT", "♠", "♥", "♦", "♣"}.indexOf(op.text);
                        if (b == c.canvas && mark >= 0) {
                            const QRectF row = cells.values()[mark].first();
                            QVERIFY(row.top() < ink.center().y() &&
                                    ink.center().y() < row.bottom());
                        }
                    }
                }
                for (const QList<QRectF>& row : cells)
                    for (qsizetype i = 1; i < row.size(); ++i)
                        QVERIFY(row[i].left() - row[i - 1].right() >= quarter);
            }
            for (int topic = 1; topic <= lott::ViewerHelpTexts::kTopics; ++topic) {
                f->menu_Click(topic);
                QVERIFY(QTest::qWaitForWindowExposed(f->InfoWindow()) &&
                        !f->InfoWindow()->NeedsScrolling());
            }
            for (qsizetype i = 0; language == 1 && i < english.size(); ++i)
                QVERIFY2(Captions(*f)[i] != english[i], qPrintable(english[i]));
        }
        QCOMPARE(Captions(*f), english);
    }

    // A name in upper case opens as typed; one that cannot be opened leaves the library in use
    // on the screen and the reason on the status line, until the next deal is shown.
    void aLibraryThatCannotBeOpenedLeavesTheOneInUse() {
        fs::copy_file(dir_ / "Library.bin", dir_ / "Small.BIN");
        lott::test::WriteFile(dir_ / "Empty.asc", std::string(88, ' '));
        auto f = Start();
        const auto& c = f->ui();
        Type(c.Lib, QStringLiteral("Small.BIN"));
        const QStringList shown = c.canvas->Lines();
        for (const char* name : {"Small.BIN", "Missing.bin", "Empty.asc"}) {
            Type(c.Lib, QString::fromLatin1(name));
            QVERIFY(c.Lib->text() == "Small.BIN" && c.canvas->Lines() == shown &&
                    !c.cmdDownload[0]->isVisible());
        }
        QCOMPARE(
            c.lblStatus->toolTip().toStdString(),
            lott::ViewerTexts::LibraryNotOpened(
                lott::Language::English, lott::LibraryFailure::NoDeals, "Empty.asc", "Small.BIN"));
        f->MainProc(2);
        QVERIFY(c.lblStatus->text().isEmpty());
    }

    void anArchiveFolderLeavesOnlyTheEndButton() {
        auto f = Start(true);
        QVERIFY(f->Refused() && !f->session().HasLibrary());
        for (QWidget* w : f->ui().AllButEnd()) QVERIFY(!w->isVisible());
        QVERIFY(f->ui().cmdEnd->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
