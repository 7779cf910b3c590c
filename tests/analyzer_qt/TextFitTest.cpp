// Every text the analyzer's windows paint stays inside its place: each cell text of the
// counting table inside its cell, each text of the graph inside its chart's frame and the
// picture. Measured with the fonts the widgets actually paint in, after runs on a small library.
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AnalyzerProgram.h"
#include "MainControls.h"
#include "PictureBox.h"
#include "WindowLookup.h"
#include "frmGrph.h"

using lott::test::Click;
using lott::test::TextRecorder;

namespace {
QString Where(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT

  private slots:
    void noTextRunsOutsideItsPlace_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<bool>("graph");
        QTest::newRow("ostrevan table") << 0 << false;
        QTest::newRow("standard table") << 1 << false;
        QTest::newRow("ostrevan graph") << 0 << true;
        QTest::newRow("standard graph") << 1 << true;
    }
    void noTextRunsOutsideItsPlace() {
        QFETCH(int, preset);
        QFETCH(bool, graph);
        lott::test::AnalyzerProgram prog(300);
        auto f = prog.Start();
        const auto p = static_cast<std::size_t>(preset);
        Click(f->ui().o[p]);
        Click(f->ui().cmdStart);
        QStringList outside;
        int measured = 0;
        if (!graph) {
            const lott::TableGrid* grid = f->TableWindow()->grid();
            const TextRecorder rec(const_cast<lott::TableGrid*>(grid));
            // Each cell's text is painted once, right-aligned in its cell.
            for (std::int32_t i = 0; i < lott::TableCells::kCellCount; ++i) {
                const QString text = QString::fromStdString(grid->cells().Cell(i));
                const QRectF cell = grid->CellRect(i);
                if (text.isEmpty() || cell.isEmpty()) continue;
                const TextRecorder::Piece* piece = nullptr;
                for (const auto& pc : rec.pieces)
                    if (pc.text == text && pc.at.y() > cell.top() && pc.at.y() < cell.bottom() &&
                        pc.at.x() < cell.right() && rec.Ink(pc).right() > cell.left())
                        piece = &pc;
                QVERIFY2(piece,
                         qPrintable(QStringLiteral("cell %1 \"%2\" not painted").arg(i).arg(text)));
                ++measured;
                if (!cell.contains(rec.Ink(*piece)))
                    outside << QStringLiteral("cell %1 \"%2\" %3 in %4")
                                   .arg(i)
                                   .arg(text, Where(rec.Ink(*piece)), Where(cell));
            }
        } else {
            Click(f->ui().cmdGrph[p]);
            auto* g = qobject_cast<lott::frmGrph*>(
                lott::FindWindowByTitle(lott::frmGrph::Caption(f->analyzer().settings.ResultName)));
            QVERIFY(g);
            const lott::PictureBox& pic = *g->p;
            QRectF frame;  // the blue frame round the chart(s)
            for (const auto& op : pic.Ops())
                if (op.kind == lott::PictureBox::OpKind::Box && !op.filled &&
                    op.color == QColor(0, 0, 255))
                    frame = QRectF(pic.OpPixel(op, op.x1, op.y1), pic.OpPixel(op, op.x2, op.y2))
                                .normalized();
            QVERIFY(!frame.isEmpty());
            const TextRecorder rec(g->p);
            for (const auto& pc : rec.pieces) {
                ++measured;
                const QRectF ink = rec.Ink(pc);
                if (!frame.contains(ink) || !QRectF(pic.rect()).contains(ink))
                    outside << QStringLiteral("\"%1\" %2 in frame %3")
                                   .arg(pc.text, Where(ink), Where(frame));
            }
        }
        QVERIFY(measured > 20);
        for (const QString& o : outside) qInfo("outside: %s", qPrintable(o));
        // Known: the credit's long middle line runs past the frame and the picture's right edge.
        QEXPECT_FAIL("standard graph", "the credit's second line runs past the frame", Continue);
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
