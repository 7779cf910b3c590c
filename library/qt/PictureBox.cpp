#include "PictureBox.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "FileWriter.h"

namespace lott {

namespace {
constexpr double kTwipsPerPixel = 15.0;

QFont MakeFont(const QString& name, double size, bool bold) {
    QFont f(name);
    f.setPointSizeF(size > 0 ? size : 1.0);
    f.setBold(bold);
    return f;
}
}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetBackColor(const QColor& c) {
    back_ = c;
    update();
}

void PictureBox::SetFontName(const QString& name) {
    if (name == fontName_) return;
    fontName_ = name;
    font_.reset();
}

void PictureBox::SetFontSize(double points) {
    if (points == fontSize_) return;
    fontSize_ = points;
    font_.reset();
}

void PictureBox::SetFontBold(bool bold) {
    if (bold == bold_) return;
    bold_ = bold;
    font_.reset();
}

void PictureBox::SetBorder(bool on) {
    border_ = on;
    update();
}

void PictureBox::SetScaleMode(ScaleMode mode) {
    mode_ = mode;
    left_ = top_ = 0;
    if (mode == ScaleMode::User) {
        userWidth_ = std::max(1, width());
        userHeight_ = std::max(1, height());
    }
}

void PictureBox::Scale(double left, double top, double width, double height) {
    mode_ = ScaleMode::User;
    left_ = left;
    top_ = top;
    userWidth_ = width == 0 ? 1 : width;
    userHeight_ = height == 0 ? 1 : height;
}

double PictureBox::ScaleWidth() const {
    switch (mode_) {
        case ScaleMode::Pixels:
            return width();
        case ScaleMode::Twips:
            return width() * kTwipsPerPixel;
        case ScaleMode::User:
            break;
    }
    return userWidth_;
}

double PictureBox::ScaleHeight() const {
    switch (mode_) {
        case ScaleMode::Pixels:
            return height();
        case ScaleMode::Twips:
            return height() * kTwipsPerPixel;
        case ScaleMode::User:
            break;
    }
    return userHeight_;
}

double PictureBox::UnitX(const OpScale& s) const {
    switch (s.mode) {
        case ScaleMode::Pixels:
            return 1.0;
        case ScaleMode::Twips:
            return 1.0 / kTwipsPerPixel;
        case ScaleMode::User:
            break;
    }
    return std::max(1, width()) / s.width;
}

double PictureBox::UnitY(const OpScale& s) const {
    switch (s.mode) {
        case ScaleMode::Pixels:
            return 1.0;
        case ScaleMode::Twips:
            return 1.0 / kTwipsPerPixel;
        case ScaleMode::User:
            break;
    }
    return std::max(1, height()) / s.height;
}

QPointF PictureBox::OpPixel(const DrawOp& op, double x, double y) const {
    return QPointF((x - op.scale.left) * UnitX(op.scale), (y - op.scale.top) * UnitY(op.scale));
}

double PictureBox::OpUnitX(const DrawOp& op) const {
    return UnitX(op.scale);
}

// The pixels an operation covers.
QRectF PictureBox::PixelRect(const DrawOp& op) const {
    if (op.kind == OpKind::Circle) {
        const double r = std::abs(op.x2) * OpUnitX(op);
        const QPointF c = OpPixel(op, op.x1, op.y1);
        return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
    }
    return QRectF(OpPixel(op, op.x1, op.y1), OpPixel(op, op.x2, op.y2)).normalized();
}

const QFont& PictureBox::currentFont() const {
    if (!font_) {
        font_ = MakeFont(fontName_, fontSize_, bold_);
        QFontMetricsF fm(*font_, this);
        ascentPx_ = fm.ascent();
        heightPx_ = fm.height();
    }
    return *font_;
}

double PictureBox::TextWidth(const QString& text) const {
    QFontMetricsF fm(currentFont(), this);
    return fm.horizontalAdvance(text) / pxPerUnitX();
}

double PictureBox::TextHeight(const QString&) const {
    currentFont();
    return heightPx_ / pxPerUnitY();
}

void PictureBox::add(DrawOp op) {
    op.scale = currentScale();
    ops_.push_back(std::move(op));
    update();
}

void PictureBox::Print(const QString& text, bool lineEnd) {
    DrawOp op;
    op.kind = OpKind::Text;
    op.text = text;
    op.lineEnd = lineEnd;
    op.x1 = x_;
    op.y1 = y_;
    double w = text.isEmpty() ? 0 : TextWidth(text);
    double h = TextHeight();
    op.x2 = x_ + w;
    op.y2 = y_ + h;
    op.color = fore_;
    op.fontName = fontName_;
    op.fontSize = fontSize_;
    op.bold = bold_;
    add(std::move(op));
    if (lineEnd) {
        x_ = left_;
        y_ += h;
    } else {
        x_ += w;
    }
}

void PictureBox::prnt(const QString& text) {
    const bool bold = FontBold();
    qsizetype i = 0;
    while (i < text.size()) {
        const bool punct = text[i] == '.' || text[i] == ',';
        qsizetype j = i;
        while (j < text.size() && (text[j] == '.' || text[j] == ',') == punct) ++j;
        SetFontBold(punct);
        Print(text.mid(i, j - i), false);
        i = j;
    }
    SetFontBold(bold);
}

void PictureBox::PrintNumber(long long n, bool lineEnd) {
    QString t = QString::number(n);
    Print((n < 0 ? t : QStringLiteral(" ") + t) + QStringLiteral(" "), lineEnd);
}

void PictureBox::Line(double x1, double y1, double x2, double y2, const QColor& color) {
    DrawOp op;
    op.kind = OpKind::Line;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    op.width = drawWidth_;
    op.style = drawStyle_;
    add(std::move(op));
    x_ = x2;
    y_ = y2;
}

void PictureBox::Box(double x1, double y1, double x2, double y2, const QColor& color, bool filled) {
    if (filled && color.alpha() == 255) {
        DrawOp area;
        area.kind = OpKind::Box;
        area.x1 = x1;
        area.y1 = y1;
        area.x2 = x2;
        area.y2 = y2;
        area.scale = currentScale();
        const QRectF c = PixelRect(area);
        constexpr double e = 1e-6;
        // Inclusive, so that lines along the box's edge (zero-width rectangles) go as well.
        auto covered = [&](const DrawOp& o) {
            const QRectF r = PixelRect(o);
            return r.left() >= c.left() - e && r.right() <= c.right() + e &&
                   r.top() >= c.top() - e && r.bottom() <= c.bottom() + e;
        };
        ops_.erase(std::remove_if(ops_.begin(), ops_.end(), covered), ops_.end());
    }
    DrawOp op;
    op.kind = OpKind::Box;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    op.filled = filled;
    op.fillColor = color;
    op.width = drawWidth_;
    op.style = drawStyle_;
    add(std::move(op));
    x_ = x2;
    y_ = y2;
}

void PictureBox::Circle(double cx, double cy, double radius, const QColor& color,
                        std::optional<QColor> fill) {
    DrawOp op;
    op.kind = OpKind::Circle;
    op.x1 = cx;
    op.y1 = cy;
    op.x2 = radius;
    op.color = color;
    op.filled = fill.has_value();
    if (fill) op.fillColor = *fill;
    op.width = drawWidth_;
    op.style = drawStyle_;
    add(std::move(op));
    x_ = cx;
    y_ = cy;
}

void PictureBox::Cls() {
    ops_.clear();
    x_ = left_;
    y_ = top_;
    update();
}

QStringList PictureBox::Lines() const {
    QStringList lines;
    QString current;
    bool open = false;
    for (const auto& op : ops_) {
        if (op.kind != OpKind::Text) continue;
        current += op.text;
        open = true;
        if (op.lineEnd) {
            lines << current;
            current.clear();
            open = false;
        }
    }
    if (open && !current.isEmpty()) lines << current;
    return lines;
}

QStringList PictureBox::Texts() const {
    QStringList t;
    for (const auto& op : ops_)
        if (op.kind == OpKind::Text && !op.text.isEmpty()) t << op.text;
    return t;
}

QImage PictureBox::Image(double scale) const {
    QImage image(size() * scale, QImage::Format_RGB32);
    // The box's resolution, so that texts take the sizes they take on the screen.
    image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    Paint(painter);
    return image;
}

bool PictureBox::SavePng(const QString& file, QString* error, double scale) {
    std::string why = "the picture could not be made";
    bool ok = scale > 0 && scale <= 8;
    if (ok) {
        // The file says the resolution it was drawn at, so that it prints at the size the
        // screen shows. Made in memory and written by the one writer, which never follows a
        // link at its part name.
        QImage image = Image(scale);
        image.setDotsPerMeterX(qRound(logicalDpiX() * scale / 0.0254));
        image.setDotsPerMeterY(qRound(logicalDpiY() * scale / 0.0254));
        QByteArray png;
        QBuffer buffer(&png);
        ok = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") &&
             FileWriter::WriteFile(file.toStdString(),
                                   std::string_view(png.constData(), png.size()), why);
    }
    if (error) *error = ok ? QString() : QString::fromStdString(why);
    return ok;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void PictureBox::Paint(QPainter& painter) const {
    painter.fillRect(rect(), back_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const auto& op : ops_) {
        switch (op.kind) {
            case OpKind::Text: {
                if (op.text.isEmpty()) break;
                QFont f = MakeFont(op.fontName, op.fontSize, op.bold);
                QFontMetricsF fm(f, this);
                painter.setFont(f);
                painter.setPen(op.color);
                painter.drawText(OpPixel(op, op.x1, op.y1) + QPointF(0, fm.ascent()), op.text);
                break;
            }
            case OpKind::Line: {
                // Slanted lines smoothed; level and upright ones stay on whole pixels, sharp.
                const QPointF a = OpPixel(op, op.x1, op.y1), b = OpPixel(op, op.x2, op.y2);
                painter.setRenderHint(QPainter::Antialiasing, a.x() != b.x() && a.y() != b.y());
                painter.setPen(QPen(op.color, op.width, op.style));
                painter.drawLine(a, b);
                painter.setRenderHint(QPainter::Antialiasing, false);
                break;
            }
            case OpKind::Box: {
                const QRectF r = PixelRect(op);
                if (op.filled) {
                    painter.fillRect(r.adjusted(0, 0, 1, 1), op.fillColor);
                } else {
                    painter.setPen(QPen(op.color, op.width, op.style));
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(r);
                }
                break;
            }
            case OpKind::Circle: {
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.setPen(QPen(op.color, op.width, op.style));
                painter.setBrush(op.filled ? QBrush(op.fillColor) : QBrush(Qt::NoBrush));
                const double r = std::abs(op.x2) * OpUnitX(op);
                painter.drawEllipse(OpPixel(op, op.x1, op.y1), r, r);
                painter.setRenderHint(QPainter::Antialiasing, false);
                break;
            }
        }
    }
    if (border_) {
        painter.setPen(QColor(160, 160, 160));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace lott
