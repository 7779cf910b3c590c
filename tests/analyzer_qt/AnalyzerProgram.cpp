#include "AnalyzerProgram.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QtTest>
#include <random>

namespace lott::test {

PageRecorder::PageRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

PageRecorder::~PageRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

AnalyzerProgram::AnalyzerProgram(int binDeals) {
    std::mt19937 rng(3);
    std::vector<DealRecord> v;
    for (int i = 0; i < binDeals; ++i) v.push_back(RandomRecord(rng));
    if (binDeals > 0) WriteBin(dir_ / "Library.bin", v);
}

void AnalyzerProgram::WritePages() {
    for (const char* page :
         {"wexa/OstrevanStandard.HTML", "wexa/OstrevanStandard.htm", "ostrevan/GetLibrary.HTML",
          "ostrevan/GetLibrary.htm", "ostrevan/total.HTML", "ostrevan/total.htm"}) {
        const std::filesystem::path file = dir_.path() / "web" / page;
        std::filesystem::create_directories(file.parent_path());
        WriteFile(file, "<html></html>");
    }
    qputenv("TRICKSCAN_WEB_BASE", QByteArray::fromStdString((dir_.path() / "web").string()));
}

std::unique_ptr<trickscan::Form1> AnalyzerProgram::Start(const QString& japaneseFont,
                                                         std::optional<bool> inArchive,
                                                         const std::string& sub) {
    trickscan::StartOptions o;
    o.programFolder = QString::fromStdString((sub.empty() ? dir_.path() : dir_ / sub).string());
    o.inArchive = inArchive;
    o.japaneseFont = japaneseFont;
    return std::make_unique<trickscan::Form1>(o);
}

namespace {
// Near the left edge: an option button answers only on its mark and its caption.
QPoint ClickPoint(const QWidget* w) {
    return QPoint(std::min(10, w->width() / 2), w->height() / 2);
}
}  // namespace

void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, ClickPoint(w));
}

void PostClick(QWidget* w) {
    const QPointF at = ClickPoint(w), global = w->mapToGlobal(at);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                   Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                   Qt::LeftButton, Qt::NoButton, {}));
}

TextRecorder::TextRecorder(QWidget* w) : QPaintEngine(AllFeatures), w_(w) {
    w->render(this);
}

QRectF TextRecorder::Ink(const Piece& p) const {
    return QFontMetricsF(p.font, this).tightBoundingRect(p.text).translated(p.at);
}

void TextRecorder::updateState(const QPaintEngineState& s) {
    if (s.state() & DirtyTransform) transform_ = s.transform();
}

void TextRecorder::drawTextItem(const QPointF& p, const QTextItem& item) {
    pieces.push_back({item.text(), item.font(), transform_.map(p)});
}

int TextRecorder::metric(PaintDeviceMetric m) const {
    switch (m) {
        case PdmWidth:
            return w_->width();
        case PdmHeight:
            return w_->height();
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return w_->logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return w_->logicalDpiY();
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return m == PdmDepth ? 32 : m == PdmNumColors ? 256 : 1;
    }
}

}  // namespace lott::test
