// The pictures of the analyzer after runs on a small library: the graph's drawing against
// golden lists of what is drawn where (golden/<preset>.ops), and every painted text inside its
// place: each cell text of the counting table inside its cell, each text of the graph inside
// its chart's frame and the picture, measured with the fonts the widgets paint in (recorded by
// a paint device of their own).
#include "AnalyzerProgram.h"
#include "PictureBox.h"
#include "WindowLookup.h"

using lott::test::Click;

namespace {

// Paints a widget and keeps each text with the pixels its glyphs cover (an image of the widget's
// size and resolution gives the measures).
class TextRecorder : public QImage, public QPaintEngine {
  public:
    explicit TextRecorder(QWidget* w)
        : QImage(w->size(), QImage::Format_RGB32), QPaintEngine(AllFeatures) {
        setDotsPerMeterX(qRound(w->logicalDpiX() / 0.0254));
        setDotsPerMeterY(qRound(w->logicalDpiY() / 0.0254));
        w->render(this);
    }
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

  private:
    QTransform transform_;
};

// Every operation with the pixels it lands on; texts by their words alone (their widths follow
// the fonts at hand).
QString Drawn(const lott::PictureBox& p) {
    QString out;
    for (const auto& op : p.Ops()) {
        const QPointF a = p.OpPixel(op, op.x1, op.y1), b = p.OpPixel(op, op.x2, op.y2);
        const double x2 = op.kind == lott::PictureBox::OpKind::Circle ? op.x2 * p.OpUnitX(op)
                                                                      : b.x();  // or the radius
        out += op.kind == lott::PictureBox::OpKind::Text
                   ? QStringLiteral("text %1\n").arg(op.text)
                   : QString::asprintf("%d %.1f %.1f %.1f %.1f %s w%d s%d f%d\n", int(op.kind),
                                       a.x(), a.y(), x2, b.y(), qPrintable(op.color.name()),
                                       op.width, int(op.style), int(op.filled));
    }
    return out;
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void drawnAndNoTextOutsideItsPlace_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<bool>("graph");
        QTest::addColumn<int>("option");  // clicked after the preset, -1: none
        for (const char* kind : {"table", "graph"})  // ostrevan_table .. standard_graph
            for (const char* name : {"ostrevan", "standard"})
                QTest::addRow("%s_%s", name, kind) << int(name[0] == 's') << (kind[0] == 'g') << -1;
        // Every notrump choice's graph, with the titles, scales and guide lines it brings.
        for (int nt : {lott::Opt::NTQuenby, lott::Opt::NTDorvaldPlus, lott::Opt::NTDoubleton,
                       lott::Opt::NTSingleton, lott::Opt::NTVoid})
            QTest::addRow("standard_graph_nt%d", nt) << 1 << true << nt;
        QTest::addRow("standard_graph_filter") << 1 << true << int(lott::Opt::FilterD1);
        // The counts of a library of millions of deals and the widest averages in every cell.
        QTest::addRow("standard_table_widest") << 1 << false << int(lott::Opt::DoubleFitOne);
    }
    void drawnAndNoTextOutsideItsPlace() {
        QFETCH(int, preset);
        QFETCH(bool, graph);
        QFETCH(int, option);
        lott::test::AnalyzerProgram prog(300);
        auto f = prog.Start();
        lott::test::Run(*f, preset, option);
        QStringList outside;
        auto fits = [&](const QString& text, const QRectF& ink, const QRectF& place) {
            if (place.contains(ink)) return;
            qInfo() << "outside:" << text << ink << place;
            outside << text;
        };
        if (!graph) {
            lott::TableGrid* grid = f->TableWindow()->grid();
            if (QByteArray(QTest::currentDataTag()).endsWith("widest")) {
                lott::CountingTables t;
                for (int kind : {0, -1})
                    for (int L = 0; L <= 30; ++L) {
                        for (int d = -5; d <= 5; ++d) t.DevTable(kind, L, d) = 8888888;
                        for (int e = 1; e <= 3; ++e) t.EventTable(kind, L, e) = 8888888;
                        t.DevTable(kind, L, 30) = 8888888;
                        t.DevMean(kind, L) = t.DevAbsMean(kind, L) = -10;
                    }
                f->TableWindow()->WriteWholeTable(t, f->analyzer().settings, 0, false);
            }
            if (const QString shots = qEnvironmentVariable("TRICKSCAN_SHOTS"); !shots.isEmpty())
                f->TableWindow()->grab().save(shots + '/' + QTest::currentDataTag() + ".png");
            const TextRecorder rec(grid);
            // Each cell's text is painted, right-aligned in its cell.
            for (std::int32_t i = 0; i < lott::TableCells::kCellCount; ++i) {
                const QString text = QString::fromStdString(grid->cells().Cell(i));
                const QRectF cell = grid->CellRect(i);
                if (text.isEmpty() || cell.isEmpty()) continue;
                const auto painted = std::ranges::find_if(rec.texts, [&](auto& t) {
                    return t.first == text && t.second.intersects(cell);
                });
                QVERIFY2(painted != rec.texts.end(), qPrintable(QStringLiteral("cell %1").arg(i)));
                fits(text, painted->second, cell);
            }
        } else {
            Click(f->ui().cmdGrph[static_cast<std::size_t>(preset)]);
            auto* g = qobject_cast<lott::frmGrph*>(
                lott::FindWindowByTitle(lott::frmGrph::Caption(f->analyzer().settings.ResultName)));
            QVERIFY(g);
            if (const QString shots = qEnvironmentVariable("TRICKSCAN_SHOTS"); !shots.isEmpty())
                g->p->grab().save(shots + '/' + QTest::currentDataTag() + ".png");
            // The drawing must equal the golden one; otherwise it is left beside it (.actual).
            const QString drawn = Drawn(*g->p),
                          path = TRICKSCAN_QT_GOLDEN_DIR "/" + QString(QTest::currentDataTag());
            QFile golden(path + ".ops"), actual(path + ".ops.actual");
            const QString expected = golden.open(QIODevice::ReadOnly) ? golden.readAll() : "";
            if (drawn != expected)
                QVERIFY(actual.open(QIODevice::WriteOnly) && actual.write(drawn.toUtf8()) > 0);
            QCOMPARE(drawn.split('\n'), expected.split('\n'));
            Click(g->cmdComments[preset]);  // the comment of the (notrump) graph
            QCOMPARE(f->CommentTopic(), g->CommentTopicFor(preset));
            QRectF frame;  // the blue frame round the chart(s)
            for (const auto& op : g->p->Ops())
                if (op.kind == lott::PictureBox::OpKind::Box && op.color == QColor(Qt::blue))
                    frame = QRectF(g->p->OpPixel(op, op.x1, op.y1), g->p->OpPixel(op, op.x2, op.y2))
                                .normalized()
                                .intersected(g->p->rect());
            const TextRecorder rec(g->p);
            QVERIFY(rec.texts.size() > 20);
            for (const auto& [text, ink] : rec.texts) fits(text, ink, frame);
        }
        QVERIFY(outside.isEmpty());
    }
};

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
