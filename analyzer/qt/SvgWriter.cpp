#include "SvgWriter.h"

#include <QFontMetricsF>
#include <cmath>
#include <string>
#include <string_view>

#include "FileWriter.h"
#include "PictureBox.h"

namespace lott {

namespace {

QString Num(double v) {
    return QString::number(v, 'f', 2);
}

QString Colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString Escape(const QString& s) {
    QString out = s.toHtmlEscaped();
    return out.replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

// The dash pattern of a pen style, in multiples of the line width.
QString Dashes(Qt::PenStyle style, int width) {
    auto pattern = [width](std::initializer_list<int> parts) {
        QStringList l;
        for (int p : parts) l << QString::number(p * width);
        return QStringLiteral(" stroke-dasharray=\"%1\"").arg(l.join(QLatin1Char(',')));
    };
    switch (style) {
        case Qt::DotLine:
            return pattern({1, 2});
        case Qt::DashLine:
            return pattern({4, 2});
        case Qt::DashDotLine:
            return pattern({4, 2, 1, 2});
        case Qt::DashDotDotLine:
            return pattern({4, 2, 1, 2, 1, 2});
        default:
            return {};
    }
}

// The named font, then the generic family of its kind, so that a viewer without the named font
// draws with a face of the same kind.
QString Families(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("sans-serif");
    const QString generic = name.contains(QLatin1String("Courier"), Qt::CaseInsensitive)
                                ? QStringLiteral("monospace")
                            : name.contains(QLatin1String("Times"), Qt::CaseInsensitive) ||
                                    name.contains(QLatin1String("Serif"), Qt::CaseInsensitive)
                                ? QStringLiteral("serif")
                                : QStringLiteral("sans-serif");
    return Escape(QLatin1Char('\'') + name + QLatin1Char('\'')) + QStringLiteral(", ") + generic;
}

QString Stroke(const PictureBox::DrawOp& op) {
    return QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"%3")
        .arg(Colour(op.color))
        .arg(op.width)
        .arg(Dashes(op.style, op.width));
}

}  // namespace

QString SvgWriter::Svg(const PictureBox& pic) {
    const int w = pic.width(), h = pic.height();
    QString out;
    out += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    out += QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
               "viewBox=\"0 0 %1 %2\">\n")
               .arg(w)
               .arg(h);
    out += QStringLiteral("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"%3\"/>\n")
               .arg(w)
               .arg(h)
               .arg(Colour(pic.BackColor()));
    for (const auto& op : pic.Ops()) {
        switch (op.kind) {
            case PictureBox::OpKind::Text: {
                if (op.text.isEmpty()) break;
                QFont f(op.fontName);
                f.setPointSizeF(op.fontSize > 0 ? op.fontSize : 1.0);
                f.setBold(op.bold);
                const QFontMetricsF fm(f, &pic);
                const QPointF at = pic.OpPixel(op, op.x1, op.y1);
                // Sizes in pixels of the box's resolution, as it paints them (points would
                // follow each viewer's own resolution); the baseline sits one ascent down.
                out += QStringLiteral(
                           "<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4px\"%5 "
                           "fill=\"%6\" xml:space=\"preserve\">%7</text>\n")
                           .arg(Num(at.x()), Num(at.y() + fm.ascent()), Families(op.fontName),
                                Num(f.pointSizeF() * pic.logicalDpiY() / 72.0),
                                op.bold ? QStringLiteral(" font-weight=\"bold\"") : QString(),
                                Colour(op.color), Escape(op.text));
                break;
            }
            case PictureBox::OpKind::Line: {
                const QPointF a = pic.OpPixel(op, op.x1, op.y1);
                const QPointF b = pic.OpPixel(op, op.x2, op.y2);
                out += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5/>\n")
                           .arg(Num(a.x()), Num(a.y()), Num(b.x()), Num(b.y()), Stroke(op));
                break;
            }
            case PictureBox::OpKind::Box: {
                const QRectF r =
                    QRectF(pic.OpPixel(op, op.x1, op.y1), pic.OpPixel(op, op.x2, op.y2))
                        .normalized();
                const QString paint = op.filled
                                          ? QStringLiteral(" fill=\"%1\"").arg(Colour(op.fillColor))
                                          : QStringLiteral(" fill=\"none\"") + Stroke(op);
                out += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"%5/>\n")
                           .arg(Num(r.x()), Num(r.y()), Num(r.width()), Num(r.height()), paint);
                break;
            }
            case PictureBox::OpKind::Circle: {
                const QPointF c = pic.OpPixel(op, op.x1, op.y1);
                const double r = std::abs(op.x2) * pic.OpUnitX(op);
                const QString fill = op.filled ? Colour(op.fillColor) : QStringLiteral("none");
                out += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"%5/>\n")
                           .arg(Num(c.x()), Num(c.y()), Num(r), fill, Stroke(op));
                break;
            }
        }
    }
    out += QStringLiteral("</svg>\n");
    return out;
}

bool SvgWriter::Save(const PictureBox& pic, const QString& file, QString& error) {
    const QByteArray bytes = Svg(pic).toUtf8();
    std::string why;
    if (FileWriter::WriteFile(file.toStdString(), std::string_view(bytes.constData(), bytes.size()),
                              why))
        return true;
    error = QString::fromStdString(why);
    return false;
}

}  // namespace lott
