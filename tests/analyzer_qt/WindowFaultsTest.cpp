// The analyzer's windows under real faults: a run that waits while another run holds the folder,
// the graph drawn without a window and the outputs and folders it refuses, the graph window's
// pictures on a full disk, the marker files of the program folder, and a folder or a result
// that cannot be written. Each checks what the user sees or what is on disk.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AnalyzerProgram.h"
#include "ClickLabel.h"
#include "FaultMount.h"
#include "MainControls.h"
#include "PictureBox.h"
#include "WindowLookup.h"
#include "frmGrph.h"

namespace fs = std::filesystem;
using lott::test::AnalyzerProgram;
using lott::test::Click;
using lott::test::FilesIn;
using lott::test::ReadFile;

namespace {

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

QImage Rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// Runs a preset (0 Ostrevan, 1 Standard) from the window; returns the Start button's caption at
// the end of the run, then clicks it once more to be idle again.
QString Run(lott::trickscan::Form1& f, int preset) {
    Click(f.ui().o[static_cast<std::size_t>(preset)]);
    Click(f.ui().cmdStart);
    const QString end = f.ui().cmdStart->text();
    Click(f.ui().cmdStart);
    return end;
}

}  // namespace

class WindowFaultsTest : public QObject {
    Q_OBJECT
    // One program folder with a stored Standard result, its graph window open, and a second
    // folder holding copies of it whose paths hold "tmp" and "zip", reached through links.
    std::unique_ptr<AnalyzerProgram> prog_;
    std::unique_ptr<lott::trickscan::Form1> window_;
    lott::frmGrph* graph_ = nullptr;
    lott::test::TempFolder copies_, runtime_;

  private slots:
    void initTestCase() {
        prog_ = std::make_unique<AnalyzerProgram>(300);
        window_ = prog_->Start();
        QCOMPARE(Run(*window_, 1), QStringLiteral("Finished"));
        Click(window_->ui().cmdGrph[1]);
        graph_ = qobject_cast<lott::frmGrph*>(lott::FindWindowByTitle(
            lott::frmGrph::Caption(window_->analyzer().settings.ResultName)));
        QVERIFY(graph_);
        fs::permissions(runtime_.path(), fs::perms::owner_all);
        fs::create_symlink(prog_->path() / "Library.bin", prog_->path() / "lib.png");
        for (auto [where, link] : {std::pair{"tmpcopy", "plain"}, {"zipcopy", "other"}}) {
            fs::create_directory(copies_ / where);
            for (const char* name : {"Library.bin", "DataFiles"})
                fs::copy(prog_->path() / name, copies_ / where / name, fs::copy_options::recursive);
            fs::create_directory_symlink(copies_ / where, copies_ / link);
        }
    }

    void aRunWaitsWhileAnotherHoldsTheFolderAndStartGivesUp() {
        AnalyzerProgram prog(60);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        const int other = ::open((prog.path() / "DataFiles/Trickscan.lock").c_str(),
                                 O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        int waits = 0;
        QStringList seen;
        f->analyzer().waiting = [&, shown = f->analyzer().waiting] {
            const bool go = shown();
            if (go && ++waits == 3) {  // the window has served its events: press Start again
                seen << c.cmdStart->text() << c.lblStatus->text().trimmed()
                     << QString::number(c.o[1]->isEnabled() || c.tBox->isEnabled() ||
                                        c.Language->isEnabled());
                Click(c.cmdStart);
            }
            return go && waits < 100;
        };
        Click(c.o[0]);
        Click(c.cmdStart);
        QCOMPARE(seen,
                 QStringList({"Working", "another run is scanning this folder; waiting", "0"}));
        QCOMPARE(waits, 3);
        QCOMPARE(c.cmdStart->text(), QStringLiteral("Stopped"));
        QVERIFY(!fs::exists(prog.Result("40OstLen")));
        ::close(other);  // the other run ends: the next run goes through
        Click(c.cmdStart);
        QCOMPARE(Run(*f, 0), QStringLiteral("Finished"));
        QVERIFY(fs::exists(prog.Result("40OstLen")));
    }

    void theGraphWithoutAWindowRefusesInputsAndTemporaryFolders_data() {
        QTest::addColumn<QString>("folder");  // below the copies; empty: the program folder
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("code");
        QTest::newRow("drawn") << ""
                               << "out/graph.png" << 0;
        QTest::newRow("library") << ""
                                 << "Library.bin" << 2;
        QTest::newRow("cache") << ""
                               << "DataFiles/Trickscan_36.bin" << 2;
        QTest::newRow("cache note") << ""
                                    << "DataFiles/Trickscan_36.src" << 2;
        QTest::newRow("list") << ""
                              << "Over20.txt" << 2;
        QTest::newRow("library through a link") << ""
                                                << "lib.png" << 2;
        QTest::newRow("folder in tmp through a link") << "plain"
                                                      << "graph.png" << 1;
        QTest::newRow("folder in zip through a link") << "other"
                                                      << "graph.png" << 1;
    }
    void theGraphWithoutAWindowRefusesInputsAndTemporaryFolders() {
        QFETCH(QString, folder);
        QFETCH(QString, output);
        QFETCH(int, code);
        const fs::path dir = folder.isEmpty() ? prog_->path() : copies_ / folder.toStdString();
        const auto before = FilesIn(prog_->path()), copies = FilesIn(copies_.path());
        QProcess p;  // Qt's own warning about a missing runtime folder is no line of the tool's
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", Q(runtime_.path()));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TRICKSCAN_BIN), {"--graph-png", Q(dir) + "/" + output, Q(dir)});
        QVERIFY(p.waitForFinished(120000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitCode(), code);
        QVERIFY(FilesIn(copies_.path()) == copies);
        if (code == 0) {  // the picture the Standard graph window shows, and nothing else
            QCOMPARE(Rgb(QImage(Q(dir) + "/" + output)), Rgb(graph_->p->grab().toImage()));
            QCOMPARE(FilesIn(prog_->path()).size(), before.size() + 1);
            return;
        }
        QVERIFY2(err.startsWith("trickscan: ") && err.count('\n') == 1, qPrintable(err));
        QVERIFY(FilesIn(prog_->path()) == before);
    }

    void theGraphWindowSavesAndKeepsItsPicturesOnAFullDisk() {
        const fs::path dir = prog_->path() / "GraphFiles";
        const std::string name = window_->analyzer().settings.ResultName;
        fs::create_directory(dir);
        std::string why;
        auto disk = lott::test::FaultMount::SmallDisk(dir, 256 * 1024, why);
        for (QPushButton* b : {graph_->cmdSavePng, graph_->cmdSaveSvg}) {
            Click(b);
            QVERIFY2(graph_->lblStatus->text().startsWith("  Saved as GraphFiles/" + Q(name)),
                     qPrintable(graph_->lblStatus->text()));
        }
        QCOMPARE(Rgb(QImage(Q(dir / (name + ".png")))), Rgb(graph_->p->grab().toImage()));
        QVERIFY(ReadFile(dir / (name + ".svg")).starts_with("<?xml"));
        if (!disk) QSKIP(why.c_str());
        const auto before = FilesIn(dir);
        QVERIFY(lott::test::FillUp(dir) > 0);
        for (QPushButton* b : {graph_->cmdSavePng, graph_->cmdSaveSvg}) {
            Click(b);
            QVERIFY2(graph_->lblStatus->text().startsWith("  Could not save GraphFiles/"),
                     qPrintable(graph_->lblStatus->text()));
            QVERIFY(FilesIn(dir) == before && lott::test::PartFiles(dir).empty());
        }
    }

    void markerFilesSwitchTheModesAtStart_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("screenshot");
        QTest::addColumn<bool>("debug");
        QTest::newRow("none") << "" << false << false;
        QTest::newRow("screenshot") << "ScreenShot.txt" << true << false;
        QTest::newRow("debug") << "debug.dat" << false << true;
    }
    void markerFilesSwitchTheModesAtStart() {
        QFETCH(QString, marker);
        QFETCH(bool, screenshot);
        QFETCH(bool, debug);
        AnalyzerProgram prog(200);
        if (!marker.isEmpty()) lott::test::WriteFile(prog.path() / marker.toStdString(), "");
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        // Screenshot mode: every option and button is enabled before a preset is chosen.
        QCOMPARE(c.cmdStart->isEnabled(), screenshot);
        QCOMPARE(c.cmdGrph[1]->isEnabled(), screenshot);
        QCOMPARE(c.o[9]->isEnabled(), screenshot);
        QCOMPARE(c.dBox->isVisible(), debug);
        QCOMPARE(Run(*f, 0), QStringLiteral("Finished"));  // a scan
        QCOMPARE(fs::exists(prog.path() / "DoubleNT.txt"), debug);
        if (!debug) return;
        const std::string scanned = ReadFile(prog.path() / "DoubleNT.txt");
        lott::test::WriteFile(prog.path() / "DoubleNT.txt", "kept");
        QCOMPARE(Run(*f, 0), QStringLiteral("Finished"));  // a replay of the cache
        QCOMPARE(ReadFile(prog.path() / "DoubleNT.txt"), std::string("kept"));
        c.Submenu[1]->trigger();  // Initialize: the cache goes, the next run scans
        QCOMPARE(Run(*f, 0), QStringLiteral("Finished"));
        QCOMPARE(ReadFile(prog.path() / "DoubleNT.txt"), scanned);
    }

    void aFolderWithoutDataFilesIsSaid_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("a file in its place") << false;
        QTest::newRow("read-only program folder") << true;
    }
    void aFolderWithoutDataFilesIsSaid() {
        QFETCH(bool, readOnly);
        AnalyzerProgram prog(20);
        std::string why;
        std::unique_ptr<lott::test::FaultMount> mount;
        if (!readOnly) lott::test::WriteFile(prog.path() / "DataFiles", "not a folder");
        if (readOnly && !(mount = lott::test::FaultMount::ReadOnly(prog.path(), why)))
            QSKIP(why.c_str());
        auto f = prog.Start();
        QVERIFY2(f->ui().canvas->Lines().join('\n').contains(
                     "The folder \"DataFiles\" cannot be made in " + Q(prog.path())),
                 qPrintable(f->ui().canvas->Lines().join('\n')));
        QVERIFY(f->ui().cmdEnd->isVisible() && !f->ui().cmdStart->isVisible());
    }

    void aResultThatCannotBeStoredIsSaid() {
        AnalyzerProgram prog(100);
        fs::create_directories(prog.Result("40OstLen") / "in the way");
        auto f = prog.Start();
        QCOMPARE(Run(*f, 0), QStringLiteral("Stopped"));
        QVERIFY2(f->ui().lblStatus->text().contains("40OstLen.dat"),
                 qPrintable(f->ui().lblStatus->text()));
        QVERIFY(fs::is_directory(prog.Result("40OstLen") / "in the way"));
    }
};

QTEST_MAIN(WindowFaultsTest)
#include "WindowFaultsTest.moc"
