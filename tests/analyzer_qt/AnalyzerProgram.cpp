#include "AnalyzerProgram.h"

#include <random>

namespace lott::test {

AnalyzerProgram::AnalyzerProgram(int deals) {
    std::mt19937 rng(3);
    std::vector<DealRecord> v(static_cast<std::size_t>(deals));
    for (auto& d : v) d = RandomRecord(rng);
    WriteLibrary(dir_ / "Library.bin", v);
}

std::unique_ptr<trickscan::Form1> AnalyzerProgram::Start(const QString& japaneseFont) {
    return std::make_unique<trickscan::Form1>(
        trickscan::StartOptions{QString::fromStdString(dir_.path().string()), false, japaneseFont});
}

// Near the left edge: an option button answers only on its mark and its caption.
void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(std::min(10, w->width() / 2), w->height() / 2));
}

QString Run(trickscan::Form1& f, int preset, int option) {
    Click(f.ui().o[static_cast<std::size_t>(preset)]);
    if (option >= 0) Click(f.ui().o[static_cast<std::size_t>(option)]);
    Click(f.ui().cmdStart);
    const QString end = f.ui().cmdStart->text();
    Click(f.ui().cmdStart);
    return end;
}

}  // namespace lott::test
