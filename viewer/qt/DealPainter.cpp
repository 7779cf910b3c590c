#include "DealPainter.h"

#include <QFontMetricsF>
#include <algorithm>

#include "Names.h"
#include "PictureBox.h"

namespace lott {

namespace {
const QColor kBlue(0, 0, 255);
const QString kTableFont = QStringLiteral("Courier New");
constexpr double kTableSize = 13;

QFont MakeFont(const QString& family, double size, bool bold) {
    QFont f(family);
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

// Units of the surface per pixel.
double UnitsPerPixel(const PictureBox& b) {
    return 1.0 / (b.ToPixelX(1) - b.ToPixelX(0));
}

// How far below the pen (the top of the text's cell) the middle of the text's ink lies, in the
// surface's units.
double InkMiddle(const PictureBox& b, const QFont& f, const QString& text) {
    const QFontMetricsF fm(f, &b);
    return (fm.ascent() + fm.tightBoundingRect(text).center().y()) * UnitsPerPixel(b);
}

QString SeatText(int declarer) {
    return QString::fromLatin1(
        SeatName[static_cast<std::size_t>(declarer)].data(),
        static_cast<qsizetype>(SeatName[static_cast<std::size_t>(declarer)].size()));
}
QString StrainText(int strain) {
    return QString::fromLatin1(StrainName[strain].data(),
                               static_cast<qsizetype>(StrainName[strain].size()));
}
}  // namespace

QColor ToColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

QString SuitSymbol(int suit) {
    static const char16_t kSymbols[4] = {u'\u2660', u'\u2665', u'\u2666', u'\u2663'};
    return QString(QChar(kSymbols[suit & 3]));
}

void DealPainter::ShowDeal(const Deal& d, const ViewerDecision& v, TrumpBy trumpBy) {
    ShowHands(d);
    ShowContracts(v.SuitContract, trumpBy, v.TotalTrumps);
    p3_->Cls();
    if (v.NTCount == 0) {
        ShowTotalTricks(v.Contract, Qt::black, 1);
    } else {
        // First the sum of the two suit contracts, uncoloured; then the notrump pair's try.
        ShowTotalTricks(v.SuitContract, Qt::black, 0);
        ShowNotrumpTry(v.Contract, v.NTPair());
    }
    boxPrint(d, v.Contract);
}

void DealPainter::Clear() {
    for (PictureBox* b : {p_, box_, p2_, p3_}) b->Cls();
}

void DealPainter::ShowUnreadable(const QString& message) {
    Clear();
    p_->SetForeColor(QColor(192, 0, 0));
    QString font = p_->FontName();
    double size = p_->FontSize();
    p_->SetFontName(QStringLiteral("Arial"));
    p_->SetFontSize(10);
    p_->MoveTo(10, 20);
    p_->Print(message);
    p_->SetFontName(font);
    p_->SetFontSize(size);
    p_->SetForeColor(Qt::black);
}

void DealPainter::ShowHands(const Deal& d) {
    p_->Cls();
    for (int h = 0; h < 4; ++h) {
        p_->SetCurrentY(HandY[h]);
        for (int s = 0; s < 4; ++s) {
            p_->SetCurrentX(HandX[h] - (s == 3 ? 1 : 0));
            showMark(*p_, s);
            p_->SetCurrentY(p_->CurrentY() + 5);
            ShowCards(*p_, d.Hand[h][s]);
            p_->SetCurrentY(p_->CurrentY() - 5);
        }
    }
}

void DealPainter::ShowCards(PictureBox& obj, const Holding& cards) {
    for (char c : cards.view()) {
        if (c == 'Q') {
            obj.SetCurrentX(obj.CurrentX() + 1);
            obj.Print(QStringLiteral("Q"), false);
        } else if (c == 'T') {
            // The ten shows as a tight "10".
            obj.Print(QStringLiteral("1"), false);
            obj.SetCurrentX(obj.CurrentX() - TenSqueeze(obj));
            obj.Print(QStringLiteral("0"), false);
        } else {
            obj.Print(QString(QChar::fromLatin1(c)), false);
        }
    }
    obj.Print(QString(), true);
}

void DealPainter::showMark(PictureBox& obj, int suit) {
    const QColor colour = obj.ForeColor();
    const QString font = obj.FontName();
    obj.SetForeColor(ToColor(StrainColour[suit]));
    obj.SetFontName(kSuitFont);
    obj.Print(SuitSymbol(suit), false);
    obj.SetForeColor(colour);
    obj.SetFontName(font);
}

void DealPainter::ShowContracts(const std::array<ContractRec, 2>& c, TrumpBy trumpBy,
                                std::int32_t totalTrumps) {
    p2_->Cls();
    for (int p = 1; p >= 0; --p) {
        const ContractRec& k = c[static_cast<std::size_t>(p)];
        p2_->SetFontBold(k.Declarer < 4);
        p2_->Print(QStringLiteral(" ") + SeatText(k.Declarer) + QStringLiteral(" "), false);
        p2_->SetFontBold(false);
        p2_->Print(StrainText(k.Strain) + QStringLiteral("  "), false);
        p2_->PrintNumber(k.Trumps, true);
    }
    p2_->Print(trumpBy == TrumpBy::Score ? QStringLiteral("  Total Trumps =")
                                         : QStringLiteral("  Total Length ="),
               false);
    p2_->PrintNumber(totalTrumps, true);
}

void DealPainter::ShowTotalTricks(const std::array<ContractRec, 2>& c, const QColor& colour,
                                  int flgColor) {
    totalTricks_ = c[1].Tricks + c[0].Tricks;
    p3_->SetForeColor(colour);
    p3_->Print(QStringLiteral(" Total Tricks"), true);
    p3_->Print(QStringLiteral("  "), false);
    p3colorPrintTrick(c[1].Strain, c[1].Tricks, flgColor);
    p3_->Print(QStringLiteral(" + "), false);
    p3colorPrintTrick(c[0].Strain, c[0].Tricks, flgColor);
    p3_->Print(QStringLiteral(" = "), false);
    p3_->PrintNumber(totalTricks_, true);
    p3_->SetForeColor(Qt::black);
}

void DealPainter::p3colorPrintTrick(int suit, std::int32_t trick, int flgColor) {
    const QColor colour = p3_->ForeColor();
    p3_->SetFontBold(true);
    if (flgColor != 0) p3_->SetForeColor(ToColor(StrainColour[suit]));
    p3_->PrintNumber(trick, false);
    p3_->SetForeColor(colour);
    p3_->SetFontBold(false);
}

void DealPainter::ShowNotrumpTry(const std::array<ContractRec, 2>& c, int pair) {
    const ContractRec& n = c[static_cast<std::size_t>(pair)];
    const ContractRec& s = c[static_cast<std::size_t>(1 - pair)];
    p2_->SetFontBold(n.Declarer < 4);
    p2_->SetForeColor(kBlue);
    p2_->Print(QStringLiteral(" ") + SeatText(n.Declarer), false);
    p2_->SetFontBold(false);
    p2_->Print(QStringLiteral(" will try "), false);
    int level = n.Tricks - 6;
    if (level == 4 || level == 5) level = 3;  // 10 or 11 notrump tricks read as 3NT
    p2_->PrintNumber(level, false);
    p2_->Print(QStringLiteral("NT"), true);
    p2_->Print(QStringLiteral("  Trumps (") + SeatText(s.Declarer) + QStringLiteral(") = "), false);
    p2_->PrintNumber(s.Trumps, true);
    p2_->Print(QStringLiteral("  "), false);
    p2_->PrintNumber(s.Trumps, false);
    p2_->Print(QStringLiteral(" + 7 = "), false);
    p2_->PrintNumber(s.Trumps + 7, true);
    p2_->SetForeColor(Qt::black);
    ShowTotalTricks(c, kBlue, 1);
}

double DealPainter::TenSqueeze(const PictureBox& b) {
    const QFontMetricsF fm(MakeFont(b.FontName(), b.FontSize(), b.FontBold()), &b);
    const double gapAfterOne = fm.horizontalAdvance(QStringLiteral("1")) -
                               fm.tightBoundingRect(QStringLiteral("1")).right();
    const double gapBeforeZero = fm.tightBoundingRect(QStringLiteral("0")).left();
    const double hairline = 0.12 * fm.horizontalAdvance(QStringLiteral("0"));
    return std::max(0.0, gapAfterOne + gapBeforeZero - hairline) * UnitsPerPixel(b);
}

// Each column is as wide as the widest number it may hold in either of its fonts; the columns
// and the margins share what is left of the width equally. Numbers stand flush right, so that
// units stand under units and neighbouring two-digit numbers keep the same gap between them.
DealPainter::Columns DealPainter::TableColumns(PictureBox& surface, double width) {
    const QString font = surface.FontName();
    const double size = surface.FontSize();
    const bool bold = surface.FontBold();
    surface.SetFontName(kTableFont);
    surface.SetFontSize(kTableSize);
    surface.SetFontBold(false);
    double cell = surface.TextWidth(QStringLiteral("1")) - TenSqueeze(surface) +
                  surface.TextWidth(QStringLiteral("0"));
    surface.SetFontName(QStringLiteral("Arial"));
    surface.SetFontBold(true);
    for (int t = 10; t <= 13; ++t) cell = std::max(cell, surface.TextWidth(QString::number(t)));
    surface.SetFontName(font);
    surface.SetFontSize(size);
    surface.SetFontBold(bold);
    return Columns{cell, (width - 4 * cell) / 5};
}

void DealPainter::boxPrint(const Deal& d, const std::array<ContractRec, 2>& c) {
    box_->Cls();
    const Columns col = TableColumns(*box_, box_->ScaleWidth());
    box_->SetFontName(kTableFont);
    box_->SetFontSize(kTableSize);
    const double h = box_->TextHeight();
    static constexpr int kSeats[4] = {North, South, West, East};
    for (int r = -1; r <= 3; ++r) {
        for (int k = 1; k <= 4; ++k) {
            box_->MoveTo(col.Right(k), RowTop(r) * h);
            boxPrintSub(d, c, kSeats[k - 1], r);
        }
    }
}

void DealPainter::boxPrintSub(const Deal& d, const std::array<ContractRec, 2>& c, int seat,
                              int strain) {
    const int t = d.Tricks[seat][strain];
    const QString font = box_->FontName();
    const ContractRec& k = c[static_cast<std::size_t>(seat % 2)];
    // A pair's contract cell is marked; both partners' cells when the pair itself declares.
    const bool marked = strain == k.Strain && (k.Declarer == seat || k.Declarer >= 4);
    if (marked) {
        box_->SetForeColor(ToColor(StrainColour[strain]));
        box_->SetFontBold(true);
        box_->SetFontName(QStringLiteral("Arial"));
    }
    // The pen stands at the right edge of the cell.
    if (t >= 10 && !marked) {
        const double squeeze = TenSqueeze(*box_);
        const QString units = QString::number(t - 10);
        box_->SetCurrentX(box_->CurrentX() - box_->TextWidth(QStringLiteral("1")) + squeeze -
                          box_->TextWidth(units));
        box_->Print(QStringLiteral("1"), false);
        box_->SetCurrentX(box_->CurrentX() - squeeze);
        box_->Print(units, false);
    } else {
        const QString text = QString::number(t);
        box_->SetCurrentX(box_->CurrentX() - box_->TextWidth(text));
        box_->Print(text, false);
    }
    box_->SetForeColor(Qt::black);
    box_->SetFontBold(false);
    box_->SetFontName(font);
}

// Each caption stands in the middle of the gap between the hands and the table, its ink centred
// on the ink of its row's numbers, so the marks keep to their rows in any font.
void DealPainter::ShowSuitMarks(PictureBox& window, const QRectF& pRect, const QRectF& boxRect) {
    const double size = window.FontSize();
    const QString font = window.FontName();
    const QFont table = MakeFont(kTableFont, kTableSize, false);
    const double rowHeight = QFontMetricsF(table, &window).height() * UnitsPerPixel(window);
    const double digitMiddle = InkMiddle(window, table, QStringLiteral("0123456789"));
    const double gapMiddle = (pRect.right() + boxRect.left()) / 2;
    auto place = [&](int r, const QString& text, const QFont& f) {
        const double middle = boxRect.top() + RowTop(r) * rowHeight + digitMiddle;
        window.SetFontName(f.family());
        window.SetFontSize(f.pointSizeF());
        window.MoveTo(gapMiddle - window.TextWidth(text) / 2, middle - InkMiddle(window, f, text));
    };
    place(-1, QStringLiteral("NT"), MakeFont(QStringLiteral("Courier New"), 12, false));
    window.Print(QStringLiteral("NT"), false);
    for (int s = 0; s < 4; ++s) {
        place(s, SuitSymbol(s), MakeFont(kSuitFont, 15, false));
        showMark(window, s);
    }
    window.SetFontSize(size);
    window.SetFontName(font);
}

void DealPainter::ShowLeads(PictureBox& window, const QRectF& boxRect, const QString& declarer,
                            const QString& lead, const QString& captionFont) {
    const double size = window.FontSize();
    const QString font = window.FontName();
    // The lines of an earlier language go first.
    window.SetFontSize(14);
    window.SetFontName(QStringLiteral("Courier New"));
    window.Box(boxRect.left(), boxRect.bottom(), boxRect.right() + 1000,
               boxRect.bottom() + 2.2 * window.TextHeight(), window.BackColor(), true);
    const Columns col = TableColumns(window, boxRect.width());
    window.MoveTo(boxRect.left(), boxRect.bottom());
    PrintCourier(window, QStringLiteral("NSWE"), boxRect.left(), col);
    PrintArial(window, declarer, captionFont);
    window.SetFontSize(14);
    PrintCourier(window, QStringLiteral("EWNS"), boxRect.left(), col);
    PrintArial(window, lead, captionFont);
    window.SetFontSize(size);
    window.SetFontName(font);
}

// The letters stand under the units of the table's columns.
void DealPainter::PrintCourier(PictureBox& win, const QString& a, double left, const Columns& col) {
    win.SetFontName(QStringLiteral("Courier New"));
    for (int k = 1; k <= 4; ++k) {
        const QString letter = a.mid(k - 1, 1);
        win.SetCurrentX(left + col.Right(k) - win.TextWidth(letter));
        win.Print(letter, false);
    }
}

void DealPainter::PrintArial(PictureBox& win, const QString& a, const QString& captionFont) {
    const QString font = win.FontName();
    win.SetFontName(captionFont);
    win.SetFontSize(11);
    win.Print(a, true);
    win.SetFontName(font);
}

}  // namespace lott
