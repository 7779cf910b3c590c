// The graph window: the drawing of a small stored result, Ostrevan and Standard, against golden
// lists of what was drawn where (golden/*.ops); reopening and comments.
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AnalyzerProgram.h"
#include "Headers.h"
#include "MainControls.h"
#include "PictureBox.h"
#include "ResultFile.h"
#include "WindowLookup.h"

using lott::PictureBox;
using lott::test::AnalyzerProgram;
using lott::test::Click;

namespace {

// Counts at Total Trumps 14, 15, 16, 21 and 22 of both kinds: marks with error bars at 14, 15
// and 21, none at 16 (no more than 1 % of the deals), 22 beyond the last error bar.
void StoreSmallResult(const AnalyzerProgram& prog, const lott::Settings& s) {
    lott::CountingTables t;
    for (int k : {0, -1}) {
        for (auto [L, n, mean, err] : {std::tuple{14, 300.f, -1.f, .5f},
                                       {15, 400.f, .5f, 1.25f},
                                       {16, 2.f, 0.f, 0.f},
                                       {21, 100.f, 0.f, 1.f},
                                       {22, 120.f, 1.f, 2.f}}) {
            t.DevTable(k, L, 30) = t.DevTable(k, L, 0) = n;
            t.DevMean(k, L) = mean;
            t.DevAbsMean(k, L) = err;
        }
        t.DevTable(k, 30, 30) = 922;
    }
    std::string error;
    std::filesystem::create_directories(prog.Result("").parent_path());
    QVERIFY(lott::Fout(prog.Result("").parent_path(), s.ResultName, t, s,
                       lott::PrepareHeaders(s, "2024-01-01 00:00:00"), error));
}

lott::frmGrph* GraphOf(const std::string& resultName) {
    return qobject_cast<lott::frmGrph*>(
        lott::FindWindowByTitle(lott::frmGrph::Caption(resultName)));
}

// Every operation with the pixels it lands on; texts by their words alone (their widths follow
// the fonts at hand).
QString Drawn(const PictureBox& p) {
    QString out;
    for (const auto& op : p.Ops()) {
        const QPointF a = p.OpPixel(op, op.x1, op.y1), b = p.OpPixel(op, op.x2, op.y2);
        if (op.kind == PictureBox::OpKind::Text)
            out += QStringLiteral("text %1\n").arg(op.text);
        else
            out += QStringLiteral("%1 %2 %3 %4 %5 %6 w%7 s%8%9\n")
                       .arg(int(op.kind))
                       .arg(a.x(), 0, 'f', 1)
                       .arg(a.y(), 0, 'f', 1)
                       .arg(op.kind == PictureBox::OpKind::Circle ? op.x2 * p.OpUnitX(op) : b.x(),
                            0, 'f', 1)
                       .arg(b.y(), 0, 'f', 1)
                       .arg(op.color.name())
                       .arg(op.width)
                       .arg(int(op.style))
                       .arg(op.filled ? " filled" : "");
    }
    return out;
}

// The drawing must equal golden/<name>.ops; otherwise it is left beside it as .actual.
void ExpectDrawn(const PictureBox& p, const QString& name) {
    QFile golden(QStringLiteral(TRICKSCAN_QT_GOLDEN_DIR "/%1.ops").arg(name));
    const QString drawn = Drawn(p);
    if (golden.open(QIODevice::ReadOnly) && QString::fromUtf8(golden.readAll()) == drawn) return;
    QFile actual(golden.fileName() + QStringLiteral(".actual"));
    QVERIFY(actual.open(QIODevice::WriteOnly) && actual.write(drawn.toUtf8()) > 0);
    actual.close();
    if (std::system(qPrintable(
            QStringLiteral("diff -u '%1' '%2'").arg(golden.fileName(), actual.fileName()))) == -1)
        qWarning("diff could not be run");
    QFAIL(qPrintable(golden.fileName() + QStringLiteral(" differs from the drawing")));
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void theGraphButtonsDrawTheStoredResult() {
        AnalyzerProgram prog(20);
        auto f = prog.Start();
        const lott::MainControls& c = f->ui();
        for (int i : {1, 24, 27}) Click(c.o[static_cast<std::size_t>(i)]);
        StoreSmallResult(prog, f->analyzer().settings);
        Click(c.o[27]);  // the result buttons look again
        Click(c.cmdGrph[1]);
        lott::frmGrph* g = GraphOf("(D2)40ScoVd");
        QVERIFY(g);
        ExpectDrawn(*g->p, QStringLiteral("standard_void_d2"));
        Click(g->cmdComments[1]);
        QCOMPARE(f->CommentTopic(), g->CommentTopicFor(1));
        Click(c.o[0]);
        StoreSmallResult(prog, f->analyzer().settings);
        Click(c.o[0]);
        Click(c.cmdGrph[0]);
        g = GraphOf("40OstLen");
        QVERIFY(g && !g->cmdComments[1]->isVisible());
        ExpectDrawn(*g->p, QStringLiteral("ostrevan"));
        const std::size_t ops = g->p->Ops().size();
        Click(c.cmdGrph[0]);  // again: the same window, nothing new drawn
        QCOMPARE(GraphOf("40OstLen"), g);
        QCOMPARE(g->p->Ops().size(), ops);
    }
};

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
