// The Qt pieces both window programs share: what the picture box keeps of a drawing, the font
// checks, and the start of a window program.
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

using lott::PictureBox;

class LibraryQtTest : public QObject {
    Q_OBJECT

  private slots:
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
        QCOMPARE(names(lott::Language::English), QStringLiteral("Arial"));
        QCOMPARE(names(lott::Language::Japanese), QStringLiteral("メイリオ"));
        QCOMPARE(lott::FontNameTable(QString())(lott::Language::Japanese), QString());

        // A window's Japanese font: the answer given wins over the search; without a Japanese
        // font Japanese text is drawn in a sans-serif Japanese face.
        QCOMPARE(lott::JapaneseFontAtStart(lott::kJapaneseFontGothic), lott::kJapaneseFontGothic);
        QCOMPARE(lott::JapaneseFontAtStart(QString()), QString());
        QCOMPARE(lott::JapaneseFontAtStart(std::nullopt), jp);
        QCOMPARE(lott::JapaneseFamily(lott::kJapaneseFontMeiryo), lott::kJapaneseFontMeiryo);
        QCOMPARE(QFontInfo(QFont(lott::JapaneseFamily(QString()))).family(),
                 QStringLiteral("Noto Sans CJK JP"));
        // The design's faces are drawn in their metric-compatible faces, so that texts take the
        // widths the windows are laid out for.
        for (const auto& [asked, drawn] : {std::pair{"Arial", "Liberation Sans"},
                                           {"Courier New", "Liberation Mono"},
                                           {"Times New Roman", "Liberation Serif"}})
            QCOMPARE(QFontInfo(QFont(QLatin1String(asked))).family(), QLatin1String(drawn));
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
        const QString entered = lott::EnterProgramFolder(args, 1, "prog");
        const QString current = QDir::currentPath();
        const QString alone = lott::EnterProgramFolder({QStringLiteral("prog")}, 1, "prog");
        const QString aloneCurrent = QDir::currentPath();
        QDir::setCurrent(before);
        const QString sub = QDir(dir.path()).absoluteFilePath(QStringLiteral("sub"));
        QCOMPARE(entered, sub);
        QCOMPARE(QDir(current).canonicalPath(), QDir(sub).canonicalPath());
        // Without a name: the folder of the executable.
        QCOMPARE(alone, QDir(QCoreApplication::applicationDirPath()).absolutePath());
        QCOMPARE(QDir(aloneCurrent).canonicalPath(), QDir(alone).canonicalPath());
    }
};

QTEST_MAIN(LibraryQtTest)
#include "LibraryQtTest.moc"
