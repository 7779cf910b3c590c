#include "TableGrid.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "FitOdds.h"

namespace lott {

namespace {

constexpr int kCaptionColumn = -7;
const QColor kGridLine(190, 190, 200);
const QColor kTotalBack(232, 232, 240);

// Headings of the columns -6..10.
const std::array<const char*, 17> kHeadings = {"Samples", "-5",    "-4",      "-3",  "-2",  "-1",
                                               "0",       "+1",    "+2",      "+3",  "+4",  "+5",
                                               "Average", "Error", "DbleFit", "AKQ", "Cham"};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TableGrid::TableGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    font_ = QFont(QStringLiteral("Arial"));
    font_.setPointSizeF(8.25);
    boldFont_ = font_;
    boldFont_.setBold(true);
    fixedFont_ = QFont(QStringLiteral("Courier New"));
    fixedFont_.setPointSizeF(8.25);
    fixedFont_.setStyleHint(QFont::Monospace);
    cells_.InitLabels();
    cells_.TakeChanged();
    SizeColumns();
    setFixedSize(ColumnLeft(10) + ColumnWidth(10) + 6, GridHeight());
}

void TableGrid::SizeColumns() {
    const QFontMetrics plain(font_, this), bold(boldFont_, this), fixed(fixedFont_, this);
    // A cell's text keeps 2 pixels to its left and 3 to its right (see paintEvent), and a
    // little air; groups of columns stand further apart, with a rule between them.
    constexpr int kPad = 2 + 3 + 3, kGap = 2, kGroupGap = 8;
    int x = 4;
    for (int c = kCaptionColumn; c <= 10; ++c) {
        int w = 0;
        if (c == kCaptionColumn) {
            for (const char* t : {"Length", "Total", "[Suit]", "[NT]"})
                w = std::max(w, bold.horizontalAdvance(QLatin1String(t)));
        } else {
            w = bold.horizontalAdvance(QLatin1String(kHeadings[static_cast<std::size_t>(c + 6)]));
            w = std::max(w, c == 6 || c == 7
                                ? fixed.horizontalAdvance(QLatin1String(kWidestAverage))
                                : plain.horizontalAdvance(QLatin1String(kWidestCount)));
        }
        if (c > kCaptionColumn) x += c == -6 || c == -5 || c == 6 || c == 8 ? kGroupGap : kGap;
        left_[static_cast<std::size_t>(c + 7)] = x;
        width_[static_cast<std::size_t>(c + 7)] = w + kPad;
        x += w + kPad;
    }
}

int TableGrid::RowTop(int kind, int length) const {
    if (kind == 0) return kHeadingHeight + (length - TableMinLen(0)) * kRowHeight;
    return NotrumpTop() + kRowHeight + (length - TableMinLen(-1)) * kRowHeight;
}

int TableGrid::NotrumpTop() const {
    return kHeadingHeight + (TableMaxLen(0) - TableMinLen(0) + 2) * kRowHeight + 6;
}

int TableGrid::GridHeight() const {
    if (!notrump_) return NotrumpTop() - 2;
    return RowTop(-1, TableMaxLen(-1) + 1) + kRowHeight + 4;
}

void TableGrid::SetNotrumpBlock(bool shown) {
    notrump_ = shown;
    setFixedHeight(GridHeight());
    update();
}

QRect TableGrid::CellRect(std::int32_t index) const {
    if (index < 0 || index >= TableCells::kCellCount) return {};
    const int kind = index >= 500 ? -1 : 0;
    const std::int32_t rel = index - (kind == -1 ? 500 : 0);
    const int column = static_cast<int>(rel % 20) - 6;
    const int length = TableMinLen(kind) + static_cast<int>(rel / 20);
    if (column > 10 || length > TableMaxLen(kind) + 1) return {};
    if (kind == -1 && !notrump_) return {};
    return QRect(ColumnLeft(column), RowTop(kind, length), ColumnWidth(column), kRowHeight);
}

std::size_t TableGrid::RepaintChanged() {
    const auto changed = cells_.TakeChanged();
    for (std::int32_t i : changed) {
        const QRect r = CellRect(i);
        if (!r.isEmpty()) update(r);
    }
    return changed.size();
}

QString TableGrid::TabSeparated() const {
    QString out = QStringLiteral("Length");
    for (const char* h : kHeadings) out += QLatin1Char('\t') + QLatin1String(h);
    out += QStringLiteral("\r\n");
    for (int kind : {0, -1}) {
        if (kind == -1 && !notrump_) break;
        out += kind == 0 ? QStringLiteral("[Suit]\r\n") : QStringLiteral("[NT]\r\n");
        for (int L = TableMinLen(kind); L <= TableMaxLen(kind) + 1; ++L) {
            out += L > TableMaxLen(kind) ? QStringLiteral("Total") : QString::number(L);
            for (int c = -6; c <= 10; ++c) out += QLatin1Char('\t') + Q(cells_.Cell(kind, L, c));
            out += QStringLiteral("\r\n");
        }
    }
    return out;
}

void TableGrid::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, palette().color(QPalette::Window));

    auto text = [&](const QRect& r, const QString& s, int align, const QFont& f) {
        if (!r.intersects(dirty)) return;
        p.setFont(f);
        p.drawText(r.adjusted(2, 0, -3, 0), align | Qt::AlignVCenter, s);
    };
    p.setPen(Qt::black);

    // Headings: the groups above, the columns below.
    const int top = 0, second = kRowHeight + 2;
    text(QRect(ColumnLeft(-5), top, ColumnLeft(5) + ColumnWidth(5) - ColumnLeft(-5), kRowHeight),
         QStringLiteral("Deviations"), Qt::AlignHCenter, boldFont_);
    text(QRect(ColumnLeft(6), top, ColumnLeft(7) + ColumnWidth(7) - ColumnLeft(6), kRowHeight),
         QStringLiteral("Deviation"), Qt::AlignHCenter, boldFont_);
    text(QRect(ColumnLeft(8), top, ColumnLeft(10) + ColumnWidth(10) - ColumnLeft(8), kRowHeight),
         QStringLiteral("Events of Corrections"), Qt::AlignHCenter, boldFont_);
    const int captionWidth = ColumnWidth(kCaptionColumn);
    text(QRect(ColumnLeft(kCaptionColumn), top, captionWidth, kRowHeight), QStringLiteral("[Suit]"),
         Qt::AlignLeft, boldFont_);
    text(QRect(ColumnLeft(kCaptionColumn), second, captionWidth, kRowHeight),
         QStringLiteral("Length"), Qt::AlignLeft, boldFont_);
    for (int c = -6; c <= 10; ++c)
        text(QRect(ColumnLeft(c), second, ColumnWidth(c), kRowHeight),
             QLatin1String(kHeadings[static_cast<std::size_t>(c + 6)]), Qt::AlignRight, boldFont_);
    p.setPen(kGridLine);
    p.drawLine(0, kHeadingHeight - 1, width(), kHeadingHeight - 1);

    for (int kind : {0, -1}) {
        if (kind == -1 && !notrump_) break;
        if (kind == -1) {
            // The notrump block between its two lines.
            const int y = NotrumpTop();
            p.setPen(kGridLine);
            p.drawLine(0, y - 3, width(), y - 3);
            p.setPen(Qt::black);
            text(QRect(ColumnLeft(kCaptionColumn), y, ColumnWidth(kCaptionColumn), kRowHeight),
                 QStringLiteral("[NT]"), Qt::AlignLeft, boldFont_);
        }
        for (int L = TableMinLen(kind); L <= TableMaxLen(kind) + 1; ++L) {
            const bool total = L > TableMaxLen(kind);
            const int y = RowTop(kind, L);
            const QRect row(0, y, width(), kRowHeight);
            if (!row.intersects(dirty)) continue;
            if (total) p.fillRect(row.intersected(dirty), kTotalBack);
            p.setPen(Qt::black);
            text(QRect(ColumnLeft(kCaptionColumn), y, ColumnWidth(kCaptionColumn), kRowHeight),
                 total ? QStringLiteral("Total") : QString::number(L), Qt::AlignRight, boldFont_);
            for (int c = -6; c <= 10; ++c) {
                const std::string& s = cells_.Cell(kind, L, c);
                if (s.empty()) continue;
                text(QRect(ColumnLeft(c), y, ColumnWidth(c), kRowHeight), Q(s), Qt::AlignRight,
                     c == 6 || c == 7 ? fixedFont_ : font_);
            }
        }
    }
    // Column rules between the groups.
    p.setPen(kGridLine);
    const int bottom = GridHeight() - 2;
    for (int c : {-6, -5, 6, 8})
        p.drawLine(ColumnLeft(c) - 4, kRowHeight + 2, ColumnLeft(c) - 4, bottom);
}

}  // namespace lott
