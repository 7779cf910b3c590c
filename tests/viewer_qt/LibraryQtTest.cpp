// The shared Qt helpers: PictureBox's recorded drawing, scales and text metrics; the font test;
// finding windows by caption and keeping them on top; opening local web pages; the start of a
// window program.
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <iostream>
#include <sstream>

#include "FolderArgument.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "ProgramStart.h"
#include "ViewerProgram.h"
#include "WebPages.h"
#include "WindowLookup.h"

using lott::PictureBox;

class LibraryQtTest : public QObject {
    Q_OBJECT

  private slots:
    void printMovesThePenLikeTheFormRuntime() {
        PictureBox b;
        b.resize(300, 200);
        b.SetFontName(QStringLiteral("Courier New"));
        b.SetFontSize(12);
        const double w = b.TextWidth(QStringLiteral("AB"));
        const double h = b.TextHeight();
        QVERIFY(w > 0 && h > 0);
        QCOMPARE(b.TextWidth(QStringLiteral("ABAB")), 2 * w);
        b.MoveTo(10, 20);
        b.Print(QStringLiteral("AB"), false);
        QCOMPARE(b.CurrentX(), 10 + w);
        QCOMPARE(b.CurrentY(), 20.0);
        b.Print(QStringLiteral("AB"), true);
        QCOMPARE(b.CurrentX(), 0.0);  // the left edge, not where the line began
        QCOMPARE(b.CurrentY(), 20 + h);
        b.PrintNumber(9, false);
        b.PrintNumber(-3, true);
        b.Print(QString(), true);
        QCOMPARE(b.Lines(),
                 (QStringList{QStringLiteral("ABAB"), QStringLiteral(" 9 -3 "), QString()}));
        const auto& op = b.Ops()[1];
        QCOMPARE(op.kind, PictureBox::OpKind::Text);
        QCOMPARE(op.x1, 10 + w);
        QCOMPARE(op.fontName, QStringLiteral("Courier New"));
        QCOMPARE(op.fontSize, 12.0);
        QVERIFY(op.lineEnd);
        b.Cls();
        QVERIFY(b.Ops().empty());
        QCOMPARE(b.CurrentX(), 0.0);
        QCOMPARE(b.CurrentY(), 0.0);
    }

    void scalesMapUserUnitsOntoPixels() {
        PictureBox b;
        b.resize(200, 100);
        QCOMPARE(b.ScaleWidth(), 200.0);
        const double hPixels = b.TextHeight();
        b.SetScaleMode(PictureBox::ScaleMode::Twips);
        QCOMPARE(b.ScaleWidth(), 3000.0);
        QCOMPARE(b.ToPixelX(1500), 100.0);
        QCOMPARE(b.TextHeight(), 15 * hPixels);
        b.Scale(-10, 50, 20, -100);  // y grows upwards, as a graph's scale does
        QCOMPARE(b.ScaleLeft(), -10.0);
        QCOMPARE(b.ToPixelX(0), 100.0);
        QCOMPARE(b.ToPixelY(0), 50.0);
        QCOMPARE(b.ToPixelY(-50), 100.0);
        b.Cls();
        QCOMPARE(b.CurrentX(), -10.0);
        QCOMPARE(b.CurrentY(), 50.0);
    }

    void linesBoxesAndCirclesAreRecordedAndPainted() {
        PictureBox b;
        b.resize(100, 100);
        b.SetBackColor(Qt::white);
        b.SetDrawWidth(3);
        b.SetDrawStyle(Qt::DashLine);
        b.Line(0, 0, 50, 50, Qt::blue);
        QCOMPARE(b.CurrentX(), 50.0);
        b.SetDrawWidth(1);
        b.SetDrawStyle(Qt::SolidLine);
        b.Circle(80, 80, 10, Qt::black, QColor(Qt::green));
        b.MoveTo(5, 5);
        b.Print(QStringLiteral("x"));
        b.Box(60, 10, 90, 40, QColor(255, 0, 0), true);
        QCOMPARE(b.Ops().size(), 4u);
        QCOMPARE(b.Ops()[0].width, 3);
        QCOMPARE(b.Ops()[0].style, Qt::DashLine);
        QVERIFY(b.Ops()[1].filled);
        QCOMPARE(b.Ops()[1].fillColor, QColor(Qt::green));
        // A filled box drops what it covers entirely and keeps what it covers in part.
        b.Box(0, 0, 70, 70, QColor(Qt::white), true);
        QCOMPARE(b.Ops().size(), 3u);  // the line and the text went, the red box stays
        QCOMPARE(b.Ops()[0].kind, PictureBox::OpKind::Circle);
        QCOMPARE(b.Ops()[1].kind, PictureBox::OpKind::Box);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("b.png"));
        QVERIFY(b.SavePng(file));
        QImage img(file);
        QCOMPARE(img.size(), QSize(100, 100));
        QCOMPARE(img.pixelColor(80, 20), QColor(255, 0, 0));
        QCOMPARE(img.pixelColor(80, 80), QColor(Qt::green));
        QCOMPARE(img.pixelColor(20, 20), QColor(Qt::white));
    }

    void fontsAreTestedByTheirExactName() {
        QVERIFY(lott::FontInstalled(QStringLiteral("DejaVu Sans")));
        QVERIFY(!lott::FontInstalled(QStringLiteral("dejavu sans")));
        QVERIFY(!lott::FontInstalled(QStringLiteral("No Such Font 12345")));
        const QString jp = lott::FindJapaneseFont();
        QVERIFY(jp.isEmpty() || jp == lott::kJapaneseFontMeiryo || jp == lott::kJapaneseFontGothic);
        lott::FontNameTable names(QStringLiteral("メイリオ"));
        QCOMPARE(names(0), QStringLiteral("Arial"));
        QCOMPARE(names(1), QStringLiteral("メイリオ"));
        QCOMPARE(lott::FontNameTable(QString())(1), QString());

        // A window's Japanese font: the answer given wins over the search; without a Japanese
        // font Japanese text is drawn in the Latin family.
        QCOMPARE(lott::JapaneseFontAtStart(lott::kJapaneseFontGothic), lott::kJapaneseFontGothic);
        QCOMPARE(lott::JapaneseFontAtStart(QString()), QString());
        QCOMPARE(lott::JapaneseFontAtStart(std::nullopt), jp);
        QCOMPARE(lott::JapaneseFamily(lott::kJapaneseFontMeiryo), lott::kJapaneseFontMeiryo);
        QCOMPARE(lott::JapaneseFamily(QString()), lott::FontNameTable(QString())(0));
    }

    void programStartRefusesAnEmptyFolderAndEntersTheNamedOne() {
        std::ostringstream said;
        std::streambuf* const cerrBuffer = std::cerr.rdbuf(said.rdbuf());
        char program[] = "prog";
        char empty[] = "";
        char named[] = "sub";
        char* withEmpty[] = {program, empty, nullptr};
        char* withNamed[] = {program, named, nullptr};
        const bool emptyAccepted = lott::FolderArgumentAccepted(2, withEmpty, 1, "prog");
        const bool emptyLaterAccepted = lott::FolderArgumentAccepted(2, withEmpty, 3, "prog");
        const bool namedAccepted = lott::FolderArgumentAccepted(2, withNamed, 1, "prog");
        std::cerr.rdbuf(cerrBuffer);
        QVERIFY(!emptyAccepted);
        QVERIFY(emptyLaterAccepted);  // the folder is looked for only where it is named
        QVERIFY(namedAccepted);
        QCOMPARE(QString::fromStdString(said.str()),
                 QStringLiteral("prog: ") + QString::fromStdString(*lott::FolderArgumentFault("")) +
                     QStringLiteral("\n"));

        // A relative name is taken against the folder the program starts in, once.
        const QString before = QDir::currentPath();
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub/sub")));
        QVERIFY(QDir::setCurrent(dir.path()));
        const QStringList args{QStringLiteral("prog"), QStringLiteral("sub")};
        const QString entered = lott::EnterProgramFolder(args, 1);
        const QString current = QDir::currentPath();
        const QString alone = lott::EnterProgramFolder({QStringLiteral("prog")}, 1);
        const QString aloneCurrent = QDir::currentPath();
        QDir::setCurrent(before);
        const QString sub = QDir(dir.path()).absoluteFilePath(QStringLiteral("sub"));
        QCOMPARE(entered, sub);
        QCOMPARE(QDir(current).canonicalPath(), QDir(sub).canonicalPath());
        // Without a name: the folder of the executable.
        QCOMPARE(alone, QDir(QCoreApplication::applicationDirPath()).absolutePath());
        QCOMPARE(QDir(aloneCurrent).canonicalPath(), QDir(alone).canonicalPath());
    }

    void windowsAreFoundByTheirExactCaptionWhenVisibleAndCaptioned() {
        QWidget shown;
        shown.setWindowTitle(QStringLiteral("Table"));
        shown.show();
        QWidget hidden;
        hidden.setWindowTitle(QStringLiteral("Graph"));
        QWidget frameless(nullptr, Qt::FramelessWindowHint);
        frameless.setWindowTitle(QStringLiteral("Graph"));
        frameless.show();
        QCOMPARE(lott::FindWindowByTitle(QStringLiteral("Table")), &shown);
        QCOMPARE(lott::FindWindowByTitle(QStringLiteral("table")), nullptr);
        QCOMPARE(lott::FindWindowByTitle(QStringLiteral("Graph")), nullptr);
        hidden.show();
        QCOMPARE(lott::FindWindowByTitle(QStringLiteral("Graph")), &hidden);
    }

    void topmostKeepsThePlaceAndTheVisibility() {
        QWidget w;
        w.setGeometry(120, 130, 200, 100);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect before = w.geometry();
        lott::SetTopmost(&w);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.isVisible());
        QCOMPARE(w.geometry(), before);
        lott::SetNotTopmost(&w);
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.isVisible());
        QCOMPARE(w.geometry(), before);
        lott::SetTopmost(nullptr);
        lott::SetNotTopmost(nullptr);
        lott::RestoreWindow(nullptr);
        w.showMaximized();
        lott::RestoreWindow(&w);
        QVERIFY(!w.isMaximized());
    }

    void webPagesOpenFromTheBaseAndMissingOnesAreReported() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("ostrevan"));
        QFile page(dir.filePath(QStringLiteral("ostrevan/GetLibrary.HTML")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        lott::test::PageRecorder pages;

        qunsetenv("TRICKSCAN_WEB_BASE");
        QCOMPARE(lott::WebBaseUrl(), QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                                         QStringLiteral("/web/")));
        qputenv("TRICKSCAN_WEB_BASE", dir.path().toUtf8());
        QVERIFY(lott::OpenWebPage(QStringLiteral("ostrevan/GetLibrary.HTML")));
        QCOMPARE(pages.urls.size(), 1);
        QCOMPARE(pages.urls[0],
                 QUrl::fromLocalFile(dir.filePath(QStringLiteral("ostrevan/GetLibrary.HTML"))));
        QVERIFY(!lott::OpenWebPage(QStringLiteral("ostrevan/GetLibrary.htm")));
        QCOMPARE(pages.urls.size(), 1);

        qputenv("TRICKSCAN_WEB_BASE", "https://example.org/pages");
        QCOMPARE(lott::WebPageUrl(QStringLiteral("ostrevan/library_notes.htm")),
                 QUrl(QStringLiteral("https://example.org/pages/ostrevan/library_notes.htm")));
        QCOMPARE(lott::WebPageUrl(QStringLiteral("https://other.org/x.html")),
                 QUrl(QStringLiteral("https://other.org/x.html")));
        qunsetenv("TRICKSCAN_WEB_BASE");
    }
};

QTEST_MAIN(LibraryQtTest)
#include "LibraryQtTest.moc"
