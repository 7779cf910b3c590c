// Every text the analyzer's windows paint stays inside its place: each cell text of the
// counting table inside its cell, each text of the graph inside its chart's frame and the
// picture. Measured with the fonts the widgets paint in, recorded by a paint device of their
// own, after runs on a small library.
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AnalyzerProgram.h"
#include "MainControls.h"
#include "PictureBox.h"
#include "WindowLookup.h"
#include "frmGrph.h"

using lott::test::Click;

namespace {

// Paints a widget and keeps each text with the pixels its glyphs cover.
class TextRecorder : public QPaintDevice, public QPaintEngine {
  public:
    explicit TextRecorder(QWidget* w) : QPaintEngine(AllFeatures), w_(w) { w->render(this); }
    std::vector<std::pair<QString, QRectF>> texts;

    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() & DirtyTransform) transform_ = s.transform();
    }
    void drawTextItem(const QPointF& p, const QTextItem& t) override {
        const QRectF ink = QFontMetricsF(t.font(), this).tightBoundingRect(t.text());
        texts.emplace_back(t.text(), transform_.mapRect(ink.translated(p)));
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return User; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        return m == PdmWidth                          ? w_->width()
               : m == PdmHeight                       ? w_->height()
               : m == PdmDpiX || m == PdmPhysicalDpiX ? w_->logicalDpiX()
               : m == PdmDpiY || m == PdmPhysicalDpiY ? w_->logicalDpiY()
               : m == PdmDepth                        ? 32
               : m == PdmDevicePixelRatioScaled       ? int(QPaintDevice::devicePixelRatioFScale())
                                                      : 1;
    }

  private:
    QWidget* w_;
    QTransform transform_;
};

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
        Click(f->ui().o[static_cast<std::size_t>(preset)]);
        Click(f->ui().cmdStart);
        QStringList outside;
        std::size_t measured = 0;
        if (!graph) {
            lott::TableGrid* grid = f->TableWindow()->grid();
            const TextRecorder rec(grid);
            // Each cell's text is painted, right-aligned in its cell.
            for (std::int32_t i = 0; i < lott::TableCells::kCellCount; ++i) {
                const QString text = QString::fromStdString(grid->cells().Cell(i));
                const QRectF cell = grid->CellRect(i);
                if (text.isEmpty() || cell.isEmpty()) continue;
                const auto painted = std::find_if(rec.texts.begin(), rec.texts.end(), [&](auto& t) {
                    return t.first == text && t.second.intersects(cell);
                });
                QVERIFY2(painted != rec.texts.end(), qPrintable(QStringLiteral("cell %1").arg(i)));
                ++measured;
                if (!cell.contains(painted->second))
                    outside << text + Where(painted->second) + QStringLiteral(" in ") + Where(cell);
            }
        } else {
            Click(f->ui().cmdGrph[static_cast<std::size_t>(preset)]);
            auto* g = qobject_cast<lott::frmGrph*>(
                lott::FindWindowByTitle(lott::frmGrph::Caption(f->analyzer().settings.ResultName)));
            QVERIFY(g);
            QRectF frame;  // the blue frame round the chart(s)
            for (const auto& op : g->p->Ops())
                if (op.kind == lott::PictureBox::OpKind::Box && op.color == QColor(Qt::blue))
                    frame = QRectF(g->p->OpPixel(op, op.x1, op.y1), g->p->OpPixel(op, op.x2, op.y2))
                                .normalized()
                                .intersected(g->p->rect());
            const TextRecorder rec(g->p);
            measured = rec.texts.size();
            for (const auto& [text, ink] : rec.texts)
                if (!frame.contains(ink))
                    outside << text + Where(ink) + QStringLiteral(" in ") + Where(frame);
        }
        QVERIFY(measured > 20);
        for (const QString& o : outside) qInfo("outside: %s", qPrintable(o));
        // Known: the credit's long middle line runs past the frame and the picture's right edge.
        QEXPECT_FAIL("standard graph", "the credit's second line runs past the frame", Continue);
        QVERIFY(outside.isEmpty());
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
