#include "AnalyzerProgram.h"

#include <QApplication>
#include <QDesktopServices>
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

namespace {
std::vector<DealRecord> Deals(int n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<DealRecord> v;
    v.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) v.push_back(RandomRecord(rng));
    return v;
}
}  // namespace

void AnalyzerProgram::WriteBin(int deals, unsigned seed) {
    test::WriteBin(dir_ / "Library.bin", Deals(deals, seed));
}

void AnalyzerProgram::WriteAsc(int deals, unsigned seed) {
    test::WriteAsc(dir_ / "Library.asc", Deals(deals, seed));
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

void AnalyzerProgram::Touch(const std::string& name, const std::string& text) {
    WriteFile(dir_ / name, text);
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
    const QPointF at = ClickPoint(w);
    const QPointF global = w->mapToGlobal(at);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                   Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                   Qt::LeftButton, Qt::NoButton, {}));
}

}  // namespace lott::test
