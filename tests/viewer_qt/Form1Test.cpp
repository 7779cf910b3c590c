// The viewer's window over the bundled real deals: clicks, keys and the scroll bar reach the
// session, and what the session holds reaches the widgets. The decisions, exports and texts
// themselves are the frontend's tests.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "ClickLabel.h"
#include "Form1.h"
#include "ScrollSteps.h"
#include "TestLibrary.h"
#include "ViewerHelpTexts.h"
#include "frmInfo.h"

using lott::boardlook::Form1;
namespace fs = std::filesystem;

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
        const QString english = c.cmdGo->text();
        QTest::mouseClick(c.Language, Qt::LeftButton);
        QCOMPARE(f->session().Language, lott::Language::Japanese);
        QVERIFY(c.cmdGo->text() != english);
        // Without a Japanese font of its own the Latin one stays, not the system's default.
        QCOMPARE(c.cmdGo->font().family(), QStringLiteral("Arial"));
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

    void anArchiveFolderLeavesOnlyTheEndButton() {
        auto f = Start(true);
        QVERIFY(f->Refused() && !f->session().HasLibrary());
        for (QWidget* w : f->ui().AllButEnd()) QVERIFY(!w->isVisible());
        QVERIFY(f->ui().cmdEnd->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
