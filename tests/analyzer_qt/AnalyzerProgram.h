// A program folder for the analyzer's window tests: a synthetic library, local web pages, and a
// recorder of the pages the windows open, with the window started on it; and a recorder of the
// texts a widget paints.
#pragma once

#include <QFont>
#include <QObject>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Form1.h"
#include "TestLibrary.h"

namespace lott::test {

// Records every file: address handed to the desktop instead of starting a browser.
class PageRecorder : public QObject {
    Q_OBJECT
  public:
    PageRecorder();
    ~PageRecorder() override;
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl& url) { urls << url; }
};

class AnalyzerProgram {
  public:
    // With a binary library of that many random deals (random tricks too).
    explicit AnalyzerProgram(int binDeals = 0);
    const std::filesystem::path& path() const { return dir_.path(); }
    // The local pages the windows open, the base address pointing at them.
    void WritePages();
    std::filesystem::path Result(const std::string& resultName) const {
        return dir_.path() / "DataFiles" / (resultName + ".dat");
    }
    // The window on this folder, or on its subfolder sub; the archive check answers inArchive
    // (unset: the folder's path decides).
    std::unique_ptr<trickscan::Form1> Start(const QString& japaneseFont = QString(),
                                            std::optional<bool> inArchive = false,
                                            const std::string& sub = {});

  private:
    TempFolder dir_;
};

// Clicks a widget as a user does, now or (PostClick) at the event loop's next turn.
void Click(QWidget* w);
void PostClick(QWidget* w);

// A paint device that keeps what a widget paints as text: each piece with the font it was
// painted in and where its baseline starts, in the widget's pixels.
class TextRecorder : public QPaintDevice, public QPaintEngine {
  public:
    struct Piece {
        QString text;
        QFont font;
        QPointF at;
    };
    explicit TextRecorder(QWidget* w);
    std::vector<Piece> pieces;
    // The pixels a piece's glyphs cover, measured with its font on this device.
    QRectF Ink(const Piece& p) const;

    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override;
    void drawTextItem(const QPointF& p, const QTextItem& item) override;
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return User; }

  protected:
    int metric(PaintDeviceMetric m) const override;

  private:
    QWidget* w_;
    QTransform transform_;
};

}  // namespace lott::test
