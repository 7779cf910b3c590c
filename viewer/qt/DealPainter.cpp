#include "DealPainter.h"

#include "Names.h"
#include "PictureBox.h"

namespace lott {

namespace {
const QColor kBlue(0, 0, 255);

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

void DealPainter::ShowUnreadable(const QString& message) {
    p_->Cls();
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
    box_->Cls();
    p2_->Cls();
    p3_->Cls();
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
            obj.SetCurrentX(obj.CurrentX() - 5);
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

void DealPainter::boxPrint(const Deal& d, const std::array<ContractRec, 2>& c) {
    box_->Cls();
    box_->SetFontSize(13);
    const double w = box_->TextWidth(QStringLiteral("A"));
    const double h = box_->TextHeight();
    box_->SetCurrentY(0.05 * h);
    static constexpr int kSeats[4] = {North, South, West, East};
    for (int r = -1; r <= 3; ++r) {
        for (int k = 1; k <= 4; ++k) {
            box_->SetCurrentX(((k - 1) * 2.1 + 0.2) * w);
            boxPrintSub(d, c, kSeats[k - 1], r);
        }
        box_->SetCurrentY(box_->CurrentY() + 0.85 * h);
    }
}

void DealPainter::boxPrintSub(const Deal& d, const std::array<ContractRec, 2>& c, int seat,
                              int strain) {
    const int t = d.Tricks[seat][strain];
    const QString font = box_->FontName();
    const double w = box_->TextWidth(QStringLiteral("A"));
    const ContractRec& k = c[static_cast<std::size_t>(seat % 2)];
    // A pair's contract cell is marked; both partners' cells when the pair itself declares.
    const bool marked = strain == k.Strain && (k.Declarer == seat || k.Declarer >= 4);
    if (marked) {
        box_->SetForeColor(ToColor(StrainColour[strain]));
        box_->SetFontBold(true);
        box_->SetFontName(QStringLiteral("Arial"));
    }
    if (t >= 10) {
        if (marked) {
            box_->Print(QString::number(t), false);
        } else {
            box_->Print(QStringLiteral("1"), false);
            box_->SetCurrentX(box_->CurrentX() - 0.1 * w);
            box_->Print(QString::number(t - 10), false);
        }
    } else {
        box_->SetCurrentX(box_->CurrentX() + 0.9 * w);
        box_->Print(QString::number(t), false);
    }
    box_->SetForeColor(Qt::black);
    box_->SetFontBold(false);
    box_->SetFontName(font);
}

void DealPainter::ShowSuitMarks(PictureBox& window, const QRectF& pRect) {
    const double w = window.TextWidth(QStringLiteral("A"));
    const double h = window.TextHeight();
    const double size = window.FontSize();
    const double x = pRect.right() + 0.3 * w;
    window.MoveTo(x, pRect.top() + 0.4 * h);
    window.SetFontSize(12);
    window.SetFontName(QStringLiteral("Courier New"));
    window.Print(QStringLiteral("NT"), false);
    const double y0 = window.CurrentY() + 0.7 * h;
    window.SetFontName(QStringLiteral("Arial"));
    window.SetFontSize(15);
    for (int s = 0; s < 4; ++s) {
        window.MoveTo(x + 0.24 * w, y0 + s * 1.12 * h);
        showMark(window, s);
    }
    window.SetFontSize(size);
}

void DealPainter::ShowLeads(PictureBox& window, const QRectF& boxRect) {
    const double w = window.TextWidth(QStringLiteral("A"));
    const double size = window.FontSize();
    const QString font = window.FontName();
    window.MoveTo(boxRect.left() + 0.4 * w, boxRect.bottom());
    window.SetFontSize(14);
    PrintCourier(window, QStringLiteral("NSWE"));
    PrintArial(window, QStringLiteral(" (declarer)"));
    window.SetCurrentX(boxRect.left() + 0.4 * w);
    window.SetFontSize(14);
    PrintCourier(window, QStringLiteral("EWNS"));
    PrintArial(window, QStringLiteral(" (lead)"));
    window.SetFontSize(size);
    window.SetFontName(font);
}

void DealPainter::PrintCourier(PictureBox& win, const QString& a) {
    win.SetFontName(QStringLiteral("Courier New"));
    const double w = win.TextWidth(QStringLiteral("A"));
    const double x0 = win.CurrentX() + 0.7 * w;
    for (int k = 1; k <= 4; ++k) {
        win.SetCurrentX(x0 + (k - 1) * 1.9 * w);
        win.Print(a.mid(k - 1, 1), false);
    }
}

void DealPainter::PrintArial(PictureBox& win, const QString& a) {
    const QString font = win.FontName();
    win.SetFontName(QStringLiteral("Arial"));
    win.SetFontSize(11);
    win.Print(a, true);
    win.SetFontName(font);
}

}  // namespace lott
