// A drawing surface in the manner of a form runtime's picture box: text printed at a pen position,
// lines, boxes and circles in user coordinates. The operations are kept in a list that paintEvent
// replays and that tests read instead of pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

namespace lott {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    enum class OpKind { Text, Line, Box, Circle };
    enum class ScaleMode { Pixels, Twips, User };
    // The coordinate system an operation was drawn in: a later change of scale leaves what was
    // drawn where it is.
    struct OpScale {
        ScaleMode mode = ScaleMode::Pixels;
        double left = 0, top = 0, width = 1, height = 1;  // width, height: user scales only
    };
    // One recorded operation in user coordinates. Text: (x1, y1) is the pen position (top left of
    // the text) and (x2, y2) the bottom right of its cell. Line and box: the two corners. Circle:
    // the centre in (x1, y1) and the radius in x2, in horizontal units.
    struct DrawOp {
        OpKind kind = OpKind::Text;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        QString text;
        bool lineEnd = false;
        QColor color;
        bool filled = false;
        QColor fillColor;
        QString fontName;
        double fontSize = 0;
        bool bold = false;
        int width = 1;
        Qt::PenStyle style = Qt::SolidLine;
        OpScale scale;
    };

    explicit PictureBox(QWidget* parent = nullptr);

    // Pen position in user coordinates.
    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    void SetCurrentX(double x) { x_ = x; }
    void SetCurrentY(double y) { y_ = y; }
    void MoveTo(double x, double y) {
        x_ = x;
        y_ = y;
    }

    QColor ForeColor() const { return fore_; }
    void SetForeColor(const QColor& c) { fore_ = c; }
    QColor BackColor() const { return back_; }
    void SetBackColor(const QColor& c);
    QString FontName() const { return fontName_; }
    void SetFontName(const QString& name);
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    bool FontBold() const { return bold_; }
    void SetFontBold(bool bold);
    // Width in pixels and dash style of the lines, boxes and circles drawn from now on.
    void SetDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    void SetDrawStyle(Qt::PenStyle style) { drawStyle_ = style; }
    void SetBorder(bool on);

    // Coordinates: pixels, twips (15 to the pixel), or a user scale whose left/top edge and
    // width/height map onto the whole surface.
    void SetScaleMode(ScaleMode mode);
    void Scale(double left, double top, double width, double height);
    ScaleMode scaleMode() const { return mode_; }
    double ScaleLeft() const { return left_; }
    double ScaleTop() const { return top_; }
    double ScaleWidth() const;
    double ScaleHeight() const;

    // Prints text at the pen. Without a line end the pen stays after the text; with one it goes
    // to the left edge of the next line.
    void Print(const QString& text, bool lineEnd = true);
    // prnt: prints a message of a main window without a line end, its periods and commas in
    // bold and the rest in normal weight (the programs' messages are written so).
    void prnt(const QString& text);
    // A number as the form runtime prints it: a sign place before and a blank after.
    void PrintNumber(long long n, bool lineEnd = false);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text = QStringLiteral("A")) const;

    void Line(double x1, double y1, double x2, double y2, const QColor& color);
    // An outlined or filled box between two corners. A filled box hides what lay below it, so
    // the operations it covers entirely are dropped.
    void Box(double x1, double y1, double x2, double y2, const QColor& color, bool filled);
    void Circle(double cx, double cy, double radius, const QColor& color,
                std::optional<QColor> fill = std::nullopt);
    // Erases the drawing and puts the pen at the top left.
    void Cls();

    const std::vector<DrawOp>& Ops() const { return ops_; }
    // The printed texts joined into lines as a reader sees them (a line ends where a text was
    // printed with a line end); a last unfinished line is included.
    QStringList Lines() const;
    // All printed text pieces in order.
    QStringList Texts() const;
    // The picture as a PNG file, written beside file and renamed over it, so that a failed
    // write leaves an earlier picture whole; false (with the reason in error) when it fails.
    // scale > 1 draws it with that many pixels to each of the box's (2: twice as wide and high,
    // for print).
    bool SavePng(const QString& file, QString* error = nullptr, double scale = 1.0);
    // The picture as it is painted, scale times as large.
    QImage Image(double scale = 1.0) const;

    // User coordinates to pixels of this surface.
    double ToPixelX(double x) const { return (x - left_) * pxPerUnitX(); }
    double ToPixelY(double y) const { return (y - top_) * pxPerUnitY(); }
    // A point of an operation, in the coordinates it was drawn in, as pixels of this surface; and
    // the pixels of one horizontal unit of that operation (a circle's radius is measured in them).
    QPointF OpPixel(const DrawOp& op, double x, double y) const;
    double OpUnitX(const DrawOp& op) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void Paint(QPainter& painter) const;

  private:
    double pxPerUnitX() const { return UnitX(currentScale()); }
    double pxPerUnitY() const { return UnitY(currentScale()); }
    OpScale currentScale() const { return OpScale{mode_, left_, top_, userWidth_, userHeight_}; }
    double UnitX(const OpScale& s) const;
    double UnitY(const OpScale& s) const;
    QRectF PixelRect(const DrawOp& op) const;
    const QFont& currentFont() const;
    void add(DrawOp op);

    std::vector<DrawOp> ops_;
    double x_ = 0, y_ = 0;
    QColor fore_{Qt::black};
    QColor back_{Qt::white};
    QString fontName_ = QStringLiteral("Arial");
    double fontSize_ = 9;
    bool bold_ = false;
    int drawWidth_ = 1;
    Qt::PenStyle drawStyle_ = Qt::SolidLine;
    bool border_ = false;
    ScaleMode mode_ = ScaleMode::Pixels;
    double left_ = 0, top_ = 0, userWidth_ = 1, userHeight_ = 1;
    mutable std::optional<QFont> font_;
    mutable double ascentPx_ = 0, heightPx_ = 0;
};

}  // namespace lott
