// The analyzer's windows under real faults: a run that waits while another run holds the folder,
// the graph drawn without a window and the outputs and folders it refuses, the graph window's
// pictures on a full disk, the marker files of the program folder, and a folder or a result
// that cannot be written. Each checks what the user sees or what is on disk.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "AnalyzerProgram.h"
#include "GraphExport.h"
#include "PictureBox.h"
#include "TestLibrary.h"

namespace fs = std::filesystem;
using namespace lott::test;

class WindowFaultsTest : public QObject {
    Q_OBJECT
    // One program folder with a stored Standard result and its graph window open; copies of it
    // in folders whose paths hold "tmp" and "zip", reached through links of innocent names.
    std::unique_ptr<AnalyzerProgram> prog_;
    std::unique_ptr<lott::trickscan::Form1> window_;
    lott::frmGrph* graph_ = nullptr;
    TempFolder copies_;

    static QString Q(const fs::path& p) { return QString::fromStdString(p.string()); }
    static QImage Rgb(const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); }
    // Whether a text the window shows holds t; the text is printed when not.
    static bool Has(QString s, QString t) { return s.contains(t) || (qInfo() << s, false); }

  private slots:
    void initTestCase() {
        prog_ = std::make_unique<AnalyzerProgram>(300);
        window_ = prog_->Start();
        QCOMPARE(Run(*window_, 1), QStringLiteral("Finished"));
        Click(window_->ui().cmdGrph[1]);
        QVERIFY((graph_ = window_->findChild<lott::frmGrph*>()));
        for (auto [where, link] : {std::pair{"tmpcopy", "plain"}, {"zipcopy", "other"}}) {
            fs::copy(prog_->path(), copies_ / where, fs::copy_options::recursive);
            fs::create_directory_symlink(copies_ / where, copies_ / link);
        }
        fs::create_symlink(prog_->path() / "Library.bin", prog_->path() / "lib.png");
    }

    void aRunWaitsWhileAnotherHoldsTheFolderAndStartGivesUp() {
        AnalyzerProgram prog(60);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        const int other = ::open((prog.path() / "DataFiles/Trickscan.lock").c_str(),
                                 O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        int waits = 0;
        QString seen;  // what the window shows while it waits; then Start is pressed again
        f->analyzer().waiting = [&, shown = f->analyzer().waiting] {
            if (!shown()) return false;
            if (++waits == 1) {  // the caption, the message, how many settings are open
                seen = c.cmdStart->text() + c.lblStatus->text() +
                       QString::number(c.o[lott::Opt::Standard]->isEnabled() + c.tBox->isEnabled());
                Click(c.cmdStart);
            }
            return waits < 100;  // a wait that is never given up ends here, and fails below
        };
        QCOMPARE(Run(*f, 0), QStringLiteral("Stopped"));
        QCOMPARE(seen, "Working  another run is scanning this folder; waiting0");
        QVERIFY(waits == 1 && !fs::exists(prog.Result("40OstLen")));
        ::close(other);
    }

    // trickscan --graph-png FILE FOLDER (main.cpp hands the arguments to this function).
    void theGraphWithoutAWindowRefusesInputsAndTemporaryFolders_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("folder");  // below the copies; empty: the program folder
        QTest::newRow("drawn") << "out/graph.png" << 0 << QString();
        QTest::newRow("library") << "Library.bin" << 2 << QString();
        QTest::newRow("cache") << "DataFiles/Trickscan_36.bin" << 2 << QString();
        QTest::newRow("cache note") << "DataFiles/Trickscan_36.src" << 2 << QString();
        QTest::newRow("list") << "Over20.txt" << 2 << QString();
        QTest::newRow("library through a link") << "lib.png" << 2 << QString();
        QTest::newRow("folder in tmp through a link") << "graph.png" << 1 << "plain";
        QTest::newRow("folder in zip through a link") << "graph.png" << 1 << "other";
    }
    void theGraphWithoutAWindowRefusesInputsAndTemporaryFolders() {
        QFETCH(QString, output);
        QFETCH(int, code);
        QFETCH(QString, folder);
        const fs::path dir = folder.isEmpty() ? prog_->path() : copies_ / folder.toStdString();
        const QString file = Q(dir / output.toStdString());
        const auto before = FilesIn(prog_->path()), copies = FilesIn(copies_.path());
        std::ostringstream out, err;
        QCOMPARE(lott::GraphExport::SaveDefaultStandardGraph(Q(dir), file, out, err), code);
        auto after = FilesIn(prog_->path());
        if (code == 0) QCOMPARE(after.erase(output.toStdString()), std::size_t(1));
        QVERIFY(after == before && FilesIn(copies_.path()) == copies);  // nothing else written
        if (code == 0)  // the picture the Standard graph window shows
            QCOMPARE(Rgb(QImage(file)), Rgb(graph_->p->grab().toImage()));
        else
            QVERIFY(Has(Q(err.str()), "trickscan: ") && std::ranges::count(err.str(), '\n') == 1);
    }

    void theGraphWindowSavesAndKeepsItsPicturesOnAFullDisk() {
        const fs::path dir = prog_->path() / "GraphFiles";
        fs::create_directory(dir);
        std::string why;
        auto disk = FaultMount::SmallDisk(dir, 256 * 1024, why);
        std::map<std::string, std::string> saved;
        for (const bool full : {false, true}) {
            if (full && !disk) QSKIP(why.c_str());
            if (full) QVERIFY(FillUp(dir) > 0);
            for (QPushButton* b : {graph_->cmdSavePng, graph_->cmdSaveSvg}) {
                Click(b);
                QVERIFY(Has(graph_->lblStatus->text(),
                            full ? "  Could not save GraphFiles/" : "  Saved as GraphFiles/"));
            }
            QVERIFY(FilesIn(dir, ".part").empty() && (!full || FilesIn(dir) == saved));
            saved = FilesIn(dir);
            const std::string name = window_->analyzer().settings.ResultName;
            QCOMPARE(Rgb(QImage(Q(dir / (name + ".png")))), Rgb(graph_->p->grab().toImage()));
            QVERIFY(saved[name + ".svg"].starts_with("<?xml") && saved.size() == 2);
        }
    }

    void markerFilesSwitchTheModesAtStart_data() {
        QTest::addColumn<QString>("marker");
        QTest::newRow("none") << "";
        QTest::newRow("screenshot") << "ScreenShot.txt";
        QTest::newRow("debug") << "debug.dat";
    }
    void markerFilesSwitchTheModesAtStart() {
        QFETCH(QString, marker);
        const bool screenshot = marker == "ScreenShot.txt", debug = marker == "debug.dat";
        AnalyzerProgram prog(200);
        const fs::path list = prog.path() / "DoubleNT.txt";
        if (!marker.isEmpty()) WriteFile(prog.path() / marker.toStdString(), "");
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        // Screenshot mode: every option and button is enabled before a preset is chosen.
        QCOMPARE(c.cmdStart->isEnabled() + c.cmdGrph[1]->isEnabled() +
                     c.o[lott::Opt::NoNTCalls]->isEnabled(),
                 screenshot ? 3 : 0);
        QCOMPARE(c.dBox->isVisible(), debug);
        QCOMPARE(Run(*f, 0), QStringLiteral("Finished"));  // a scan
        QCOMPARE(fs::exists(list), debug);
        if (!debug) return;
        const std::string scanned = ReadFile(list);
        WriteFile(list, "kept");
        QCOMPARE(Run(*f, 0), QStringLiteral("Finished"));  // a replay of the cache
        QCOMPARE(ReadFile(list), std::string("kept"));
        c.Submenu[1]->trigger();  // Initialize: the cache goes, the next run scans
        QCOMPARE(Run(*f, 0), QStringLiteral("Finished"));
        QCOMPARE(ReadFile(list), scanned);
    }

    void aFolderOrAResultThatCannotBeWrittenIsSaid() {
        AnalyzerProgram prog(100);
        fs::create_directories(prog.Result("40OstLen") / "in the way");
        auto f = prog.Start();
        QCOMPARE(Run(*f, 0), QStringLiteral("Stopped"));
        QVERIFY(Has(f->ui().lblStatus->text(), "40OstLen.dat"));
        QVERIFY(fs::is_directory(prog.Result("40OstLen") / "in the way"));
        // No DataFiles folder, and none can be made: a file in its place.
        AnalyzerProgram blocked(20);
        WriteFile(blocked.path() / "DataFiles", "not a folder");
        f = blocked.Start();
        QVERIFY(Has(f->ui().canvas->Lines().join('\n'),
                    "The folder \"DataFiles\" cannot be made in " + Q(blocked.path())));
        QVERIFY(f->ui().cmdEnd->isVisible() && !f->ui().cmdStart->isVisible());
    }
};

QTEST_MAIN(WindowFaultsTest)
#include "WindowFaultsTest.moc"
