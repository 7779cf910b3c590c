// The graph window: the drawing operations of a small result (bars, marks, error bars, lines,
// circles, texts), the Standard window's two charts, reopening, comments, PNG and SVG, and the
// picture drawn without a window.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <sstream>

#include "AnalyzerProgram.h"
#include "FaultMount.h"
#include "GraphExport.h"
#include "GraphPainter.h"
#include "Headers.h"
#include "MainControls.h"
#include "PictureBox.h"
#include "ResultFile.h"
#include "WindowLookup.h"

using lott::GraphPainter;
using lott::PictureBox;
using lott::test::AnalyzerProgram;
using lott::test::Click;
using Op = lott::PictureBox::DrawOp;

namespace {

constexpr double kStep = 0.38 / 9;
double YLoc(double t) {
    return -((t - 14) * kStep + 0.02);
}

// Counts at Total Trumps 14, 15, 16, 21 and 22: 14, 15 and 21 get marks with error bars, 16
// holds no more than 1 % of the deals and gets no mark, 22 lies beyond the last error bar.
lott::CountingTables SmallTables(int kind) {
    lott::CountingTables t;
    auto row = [&](int L, float n, float mean, float err) {
        t.DevTable(kind, L, 30) = n;
        t.DevTable(kind, L, 0) = n;
        t.DevMean(kind, L) = mean;
        t.DevAbsMean(kind, L) = err;
    };
    row(14, 300, -1.0f, 0.5f);
    row(15, 400, 0.5f, 1.25f);
    row(16, 2, 0.0f, 0.0f);
    row(21, 100, 0.0f, 1.0f);
    row(22, 120, 1.0f, 2.0f);
    t.DevTable(kind, 30, 30) = 922;
    return t;
}

void Store(const AnalyzerProgram& prog, const lott::Settings& s, const lott::CountingTables& t) {
    std::string error;
    QVERIFY2(lott::Fout(prog.path() / "DataFiles", s.ResultName, t, s,
                        lott::PrepareHeaders(s, "2024-01-01 00:00:00"), error),
             error.c_str());
}

lott::frmGrph* GraphOf(const std::string& resultName) {
    return qobject_cast<lott::frmGrph*>(
        lott::FindWindowByTitle(lott::frmGrph::Caption(resultName)));
}

// Stores SmallTables as the Ostrevan result and opens its graph with the Graph button, once the
// result buttons have seen the file.
lott::frmGrph* OpenOstrevanGraph(const AnalyzerProgram& prog, lott::trickscan::Form1& f) {
    Click(f.ui().o[0]);
    Store(prog, f.analyzer().settings, SmallTables(0));
    Click(f.ui().o[0]);
    if (!f.ui().cmdGrph[0]->isEnabled()) return nullptr;
    Click(f.ui().cmdGrph[0]);
    return GraphOf("40OstLen");
}

std::vector<Op> OpsOf(const PictureBox& p, PictureBox::OpKind kind, const QColor& colour) {
    std::vector<Op> v;
    for (const Op& op : p.Ops())
        if (op.kind == kind && op.color == colour) v.push_back(op);
    return v;
}

bool HasLine(const std::vector<Op>& lines, double x1, double y1, double x2, double y2) {
    for (const Op& l : lines)
        if (std::abs(l.x1 - x1) < 1e-4 && std::abs(l.y1 - y1) < 1e-4 &&
            std::abs(l.x2 - x2) < 1e-4 && std::abs(l.y2 - y2) < 1e-4)
            return true;
    return false;
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void drawingsKeepTheScaleTheyWereDrawnIn() {
        PictureBox b;
        b.resize(200, 100);
        b.SetBackColor(Qt::white);
        b.Scale(0, 0, 20, 1);  // 10 pixels to a unit across, 100 down
        b.Line(2, 0, 2, 1, Qt::red);
        b.Circle(10, 0.5, 2, Qt::blue, QColor(Qt::blue));  // radius in units across
        b.Scale(0, 0, 10, 1);                              // 20 pixels to a unit across
        b.Line(2, 0, 2, 1, Qt::green);
        QImage img = b.grab().toImage();
        QCOMPARE(img.pixelColor(20, 50), QColor(Qt::red));
        QCOMPARE(img.pixelColor(40, 50), QColor(Qt::green));
        // A filled box drops what it covers on the screen, whatever scale that was drawn in:
        // the red line (x = 2 of the first scale) lies under a box to x = 1.5 of the second.
        b.Box(0, 0, 1.5, 1, QColor(Qt::white), true);
        QCOMPARE(b.Ops().size(), std::size_t{3});
        QCOMPARE(b.Ops()[0].kind, PictureBox::OpKind::Circle);
        img = b.grab().toImage();
        QCOMPARE(img.pixelColor(20, 50), QColor(Qt::white));
        QCOMPARE(img.pixelColor(40, 50), QColor(Qt::green));
        QCOMPARE(img.pixelColor(100, 50 + 17), QColor(Qt::blue));  // a circle, not an ellipse
        QCOMPARE(img.pixelColor(100, 50 + 24), QColor(Qt::white));
        QCOMPARE(img.pixelColor(100 + 17, 50), QColor(Qt::blue));
    }

    void theOstrevanGraphOfASmallResult() {
        AnalyzerProgram prog(20);
        auto f = prog.Start();
        lott::frmGrph* g = OpenOstrevanGraph(prog, *f);
        QVERIFY(g && g->isVisible());
        QCOMPARE(g->windowTitle(), QStringLiteral("40OstLen[Graph] Ver 3.7"));
        QCOMPARE(g->width(), 400);
        QCOMPARE(g->p->size(), QSize(350, 450));
        const PictureBox& p = *g->p;

        // One bar per Total Length 14..23, as high as its share, outlined; its value below.
        const auto bars = OpsOf(p, PictureBox::OpKind::Box, GraphPainter::kLightBlue);
        std::vector<Op> filled;
        for (const Op& b : bars)
            if (b.filled && b.y1 == 0) filled.push_back(b);
        QCOMPARE(filled.size(), std::size_t{10});
        QCOMPARE(filled[1].x1, 14.5);
        QVERIFY(std::abs(filled[1].y2 + 400.0 / 922) < 1e-6);
        QCOMPARE(filled[3].y2, 0.0);  // 17: no deals
        QVERIFY(p.Texts().contains(QStringLiteral(" 14 ")));
        QVERIFY(p.Texts().contains(QStringLiteral(" 23 ")));

        // Marks at 14, 15, 21 and 22 (and the legend's), none at 16.
        const auto crosses = OpsOf(p, PictureBox::OpKind::Line, GraphPainter::kCrossColour);
        QCOMPARE(crosses.size(), std::size_t{10});
        const double y15 = YLoc(15.5);
        QVERIFY(HasLine(crosses, 14.8, y15 + 0.008, 15.2, y15 - 0.008));
        QVERIFY(HasLine(crosses, 21.8, YLoc(23) + 0.008, 22.2, YLoc(23) - 0.008));
        for (const Op& l : crosses) QVERIFY(std::abs(l.x1 - 16) > 0.5);
        // Error bars at 14, 15 and 21 (and the legend's), none beyond 21.
        const auto bars3 = OpsOf(p, PictureBox::OpKind::Line, GraphPainter::kOrange);
        QCOMPARE(bars3.size(), std::size_t{12});
        QVERIFY(HasLine(bars3, 21, YLoc(22), 21, YLoc(20)));
        QVERIFY(HasLine(bars3, 15, YLoc(16.75), 15, YLoc(14.25)));
        QVERIFY(HasLine(bars3, 15 - 0.21, YLoc(16.75), 15.15, YLoc(16.75)));
        QCOMPARE(bars3[0].width, 2);
        // The Law's line from 14 to 22.5, solid.
        const auto blue = OpsOf(p, PictureBox::OpKind::Line, GraphPainter::kBlue);
        QVERIFY(HasLine(blue, 14, YLoc(14), 22.5, YLoc(22.5)));
        // The theoretical frequencies, filled and outlined.
        const auto circles = OpsOf(p, PictureBox::OpKind::Circle, GraphPainter::kBlue);
        QCOMPARE(circles.size(), std::size_t{20});
        QCOMPARE(circles[0].x2, 0.15);
        QVERIFY(circles[0].filled && !circles[1].filled);
        QVERIFY(std::abs(circles[4].y1 + f->analyzer().fitOdds(1, 16)) < 1e-6);
        // Titles, caption, legend, frame.
        for (const char* text :
             {"Trickscan", "Ostrevan + Length Option", "922 deals", "Any HCP.",
              "Total Length of Longest Suits", "Frequency(%)", "Total Tricks",
              "Frequency of various Total Length", "Average of Total Tricks with error bar",
              "Total Tricks expected from Total Length"})
            QVERIFY2(p.Texts().contains(QString::fromLatin1(text)), text);
        const auto frame = OpsOf(p, PictureBox::OpKind::Box, GraphPainter::kBlue);
        QCOMPARE(frame.size(), std::size_t{1});
        QCOMPARE(frame[0].x1, 11.5);
        QCOMPARE(frame[0].x2, 25.5);

        // Graph again: the window is brought forward, nothing new is drawn.
        const std::size_t ops = p.Ops().size();
        Click(f->ui().cmdGrph[0]);
        QCOMPARE(GraphOf("40OstLen"), g);
        QCOMPARE(p.Ops().size(), ops);
        int graphs = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<lott::frmGrph*>(w) && w->isVisible()) ++graphs;
        QCOMPARE(graphs, 1);

        // The comment of this graph.
        QVERIFY(!g->cmdComments[1]->isVisible());
        Click(g->cmdComments[0]);
        QCOMPARE(f->CommentTopic(), 3);
        Click(g->cmdClose);
        QTRY_VERIFY(!f->CommentWindow());
    }

    void theStandardGraphDrawsBothChartsInOnePicture() {
        AnalyzerProgram prog(20);
        auto f = prog.Start();
        for (int i : {1, 24, 27}) Click(f->ui().o[static_cast<std::size_t>(i)]);
        const std::string name = f->analyzer().settings.ResultName;
        QCOMPARE(name, std::string("(D2)40ScoVd"));
        lott::CountingTables t = SmallTables(0);
        const lott::CountingTables nt = SmallTables(-1);
        for (int L = 14; L <= 30; ++L) {
            t.DevTable(-1, L, 30) = nt.DevTable(-1, L, 30);
            t.DevMean(-1, L) = nt.DevMean(-1, L);
            t.DevAbsMean(-1, L) = nt.DevAbsMean(-1, L);
        }
        Store(prog, f->analyzer().settings, t);
        Click(f->ui().o[27]);
        Click(f->ui().cmdGrph[1]);
        lott::frmGrph* g = GraphOf(name);
        QVERIFY(g);
        QCOMPARE(g->width(), 740);
        QCOMPARE(g->p->size(), QSize(700, 450));
        const PictureBox& p = *g->p;
        const auto blue = OpsOf(p, PictureBox::OpKind::Line, GraphPainter::kBlue);
        // Suit chart: the Law to 23.5 and, under this filter, a dotted guide one trick higher.
        QVERIFY(HasLine(blue, 14, YLoc(14), 23.5, YLoc(23.5)));
        QVERIFY(HasLine(blue, 14, YLoc(15), 21.5, YLoc(22.5)));
        // Notrump chart with the void choice: +8 dotted and +9 dash-dot-dot beside +7.
        QVERIFY(HasLine(blue, 14, YLoc(14), 18.5, YLoc(18.5)));
        QVERIFY(HasLine(blue, 14, YLoc(16), 18.5, YLoc(20.5)));
        std::map<Qt::PenStyle, int> styles;
        for (const Op& l : blue) ++styles[l.style];
        QCOMPARE(styles[Qt::DotLine], 2);
        QCOMPARE(styles[Qt::DashDotDotLine], 1);
        // Each chart drew in its own coordinates: the same Total Trumps lie apart on screen.
        double suit15 = 0, nt15 = 0;
        for (const Op& op : p.Ops())
            if (op.kind == PictureBox::OpKind::Line && op.color == GraphPainter::kCrossColour &&
                std::abs(op.x1 - 14.8) < 1e-9)
                (suit15 == 0 ? suit15 : nt15) = p.OpPixel(op, op.x1, op.y1).x();
        QVERIFY(suit15 > 0 && suit15 < 350 && nt15 > 400 && nt15 < 700);
        for (const char* text :
             {"Suit Contracts", "Score Option", "Double-Double Fit Deals Only", "NoTrump vs Void",
              "Number of Total Trumps with Option (D2)", "Number of Opp's Trumps + 7",
              " 922 deals (left) and 922 deals (above)", "Total Tricks predicted by LoTT",
              "Frequency of various Total Trumps"})
            QVERIFY2(p.Texts().contains(QString::fromLatin1(text)), text);
        // The frame encloses both charts.
        const auto frame = OpsOf(p, PictureBox::OpKind::Box, GraphPainter::kBlue);
        QCOMPARE(frame.size(), std::size_t{1});
        QVERIFY(std::abs(p.OpPixel(frame[0], frame[0].x2, 0).x() - 688.4) < 1.0);

        QVERIFY(g->cmdComments[1]->isVisible());
        Click(g->cmdComments[1]);
        QCOMPARE(f->CommentTopic(), 8);
        Click(g->cmdComments[0]);
        QCOMPARE(f->CommentTopic(), 4);
    }

    void keepsThePictureAsPngAndSvg() {
        AnalyzerProgram prog(20);
        auto f = prog.Start();
        lott::frmGrph* g = OpenOstrevanGraph(prog, *f);
        QVERIFY(g);
        Click(g->cmdSavePng);
        const QImage png(
            QString::fromStdString((prog.path() / "GraphFiles/40OstLen.png").string()));
        QCOMPARE(png.size(), QSize(350, 450));
        QCOMPARE(g->lblStatus->text(), QStringLiteral("  Saved as GraphFiles/40OstLen.png."));
        Click(g->cmdSaveSvg);
        const std::string svg = lott::test::ReadFile(prog.path() / "GraphFiles/40OstLen.svg");
        QVERIFY(svg.rfind("<?xml", 0) == 0);
        QVERIFY(svg.find("width=\"350\" height=\"450\"") != std::string::npos);
        QVERIFY(svg.find("stroke=\"#ff8800\" stroke-width=\"2\"") != std::string::npos);
        QVERIFY(svg.find("<circle") != std::string::npos);
        QVERIFY(svg.find(">Ostrevan + Length Option</text>") != std::string::npos);
        QVERIFY(svg.find("fill=\"#e0e0ff\"") != std::string::npos);
        QVERIFY(svg.find("stroke-dasharray") == std::string::npos);

        // A file that cannot be written is said, and nothing is reported as saved.
        std::filesystem::remove_all(prog.path() / "GraphFiles");
        lott::test::WriteFile(prog.path() / "GraphFiles", "in the way");
        QVERIFY(!g->cmdSavePng_Click());
        QVERIFY(g->lblStatus->text().startsWith(QStringLiteral("  Could not save GraphFiles/")));
        QVERIFY(!g->cmdSaveSvg_Click());
        QVERIFY(g->lblStatus->text().contains(QStringLiteral("40OstLen.svg")));
    }

    void aFullDiskLeavesTheEarlierPicturesWhole() {
        AnalyzerProgram prog(20);
        auto f = prog.Start();
        lott::frmGrph* g = OpenOstrevanGraph(prog, *f);
        QVERIFY(g);
        const std::filesystem::path folder = prog.path() / "GraphFiles";
        std::filesystem::create_directories(folder);
        std::string why;
        auto disk = lott::test::FaultMount::SmallDisk(folder, 256 * 1024, why);
        if (!disk) QSKIP(why.c_str());
        QVERIFY(g->cmdSavePng_Click());
        QVERIFY(g->cmdSaveSvg_Click());
        const std::string png = lott::test::ReadFile(folder / "40OstLen.png");
        const std::string svg = lott::test::ReadFile(folder / "40OstLen.svg");
        QVERIFY(lott::test::FillUp(folder) > 0);
        QVERIFY(!g->cmdSavePng_Click());
        QVERIFY(g->lblStatus->text().startsWith(
            QStringLiteral("  Could not save GraphFiles/40OstLen.png")));
        const bool svgSaved = g->cmdSaveSvg_Click();
        QVERIFY(!svgSaved);
        QVERIFY(g->lblStatus->text().startsWith(
            QStringLiteral("  Could not save GraphFiles/40OstLen.svg")));
        QCOMPARE(lott::test::ReadFile(folder / "40OstLen.png"), png);
        QCOMPARE(lott::test::ReadFile(folder / "40OstLen.svg"), svg);
        // Nothing is left beside them but the filler.
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder), {}), 3);
    }

    void drawsTheStoredStandardResultWithoutAWindow() {
        AnalyzerProgram prog(20);
        std::ostringstream out, err;
        const QString file = prog.folder() + QStringLiteral("/out/graph.png");
        QCOMPARE(lott::GraphExport::SaveDefaultStandardGraph(prog.folder(), file, out, err), 1);
        QVERIFY(err.str().find("(none)40ScoCo.dat") != std::string::npos);
        lott::Settings s;
        s.DefaultSetting(false);
        s.Click(1);
        std::filesystem::create_directories(prog.path() / "DataFiles");
        Store(prog, s, SmallTables(0));
        err.str({});
        QCOMPARE(lott::GraphExport::SaveDefaultStandardGraph(prog.folder(), file, out, err), 0);
        QCOMPARE(QImage(file).size(), QSize(700, 450));
        QVERIFY(out.str().find("graph.png") != std::string::npos);
        QVERIFY(err.str().empty());

        // The library as the picture, named or through a link: refused, nothing written.
        const std::filesystem::path lib = prog.path() / "Library.bin";
        const std::string library = lott::test::ReadFile(lib);
        std::filesystem::create_symlink(lib, prog.path() / "lib.png");
        for (const char* name : {"/Library.bin", "/lib.png"})
            QCOMPARE(lott::GraphExport::SaveDefaultStandardGraph(
                         prog.folder(), prog.folder() + QLatin1String(name), out, err),
                     2);
        QCOMPARE(lott::test::ReadFile(lib), library);
        QVERIFY(std::filesystem::is_symlink(prog.path() / "lib.png"));
        // A folder reached through a link into a temporary folder is refused.
        std::filesystem::create_directory(prog.path() / "tmpgraph");
        std::filesystem::create_directory_symlink(prog.path() / "tmpgraph", prog.path() / "bridge");
        err.str({});
        QCOMPARE(
            lott::GraphExport::SaveDefaultStandardGraph(prog.folder() + "/bridge", file, out, err),
            1);
        QVERIFY(err.str().find("archive or temporary folder") != std::string::npos);
    }
};

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
