// Draws the deal shown on the viewer's surfaces: the hands, the trick table with both contracts
// picked out, the contracts with their totals, and the "+7" notrump explanation.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include "Deal.h"
#include "Names.h"
#include "ViewerContracts.h"

namespace lott {

class PictureBox;

class DealPainter {
  public:
    // The font of the suit symbols, which the card fonts lack.
    static inline const QString kSuitFont = QStringLiteral("DejaVu Sans");
    static constexpr float HandX[4] = {10, 105, 200, 105};
    static constexpr float HandY[4] = {120, 20, 120, 220};

    DealPainter(PictureBox* p, PictureBox* box, PictureBox* p2, PictureBox* p3)
        : p_(p), box_(box), p2_(p2), p3_(p3) {}

    // Everything MainProc draws for a deal that was read and decided.
    void ShowDeal(const Deal& d, const ViewerDecision& v, TrumpBy trumpBy);
    // A deal that could not be read: the message in the hands picture, the boxes empty.
    void ShowUnreadable(const QString& message);
    // No deal: every surface empty.
    void Clear();

    void ShowHands(const Deal& d);
    static void ShowCards(PictureBox& obj, const Holding& cards);
    static void showMark(PictureBox& obj, int suit);
    void ShowContracts(const std::array<ContractRec, 2>& c, TrumpBy trumpBy,
                       std::int32_t totalTrumps);
    void ShowTotalTricks(const std::array<ContractRec, 2>& c, const QColor& colour, int flgColor);
    void p3colorPrintTrick(int suit, std::int32_t trick, int flgColor);
    void ShowNotrumpTry(const std::array<ContractRec, 2>& c, int pair);
    void boxPrint(const Deal& d, const std::array<ContractRec, 2>& c);
    void boxPrintSub(const Deal& d, const std::array<ContractRec, 2>& c, int seat, int strain);

    // The fixed captions beside the trick table, drawn on the window: "NT" and the suit marks
    // beside its rows (once at start), the declarer and lead letters beneath it with their
    // captions in the language in force. Rectangles in the window's twips.
    static void ShowSuitMarks(PictureBox& window, const QRectF& pRect, const QRectF& boxRect);
    static void ShowLeads(PictureBox& window, const QRectF& boxRect, const QString& declarer,
                          const QString& lead, const QString& captionFont);

    // The top of row r (-1 notrump .. 3 clubs) of the trick table, in units of the table's font
    // height; the table's rows and the marks beside them share it.
    static double RowTop(int r) { return 0.05 + (r + 1) * 0.85; }

    std::int32_t TotalTricks() const { return totalTricks_; }

  private:
    // The trick table's columns: the width of a cell and of the gap before each, in the
    // surface's units; Right(k) is the right edge of column k (1..4).
    struct Columns {
        double cell = 0, gap = 0;
        double Right(int k) const { return k * (cell + gap); }
    };
    static Columns TableColumns(PictureBox& surface, double width);
    static void PrintCourier(PictureBox& w, const QString& a, double left, const Columns& col);
    static void PrintArial(PictureBox& w, const QString& a, const QString& font);
    // How far to step back after the "1" of a ten so that the "0" stands close to it with a
    // hairline of paper between them, whatever the font: in the surface's units.
    static double TenSqueeze(const PictureBox& b);

    PictureBox* p_;
    PictureBox* box_;
    PictureBox* p2_;
    PictureBox* p3_;
    std::int32_t totalTricks_ = 0;
};

QColor ToColor(const Rgb& c);
// The Unicode suit symbol of suit 0..3: ♠ ♥ ♦ ♣.
QString SuitSymbol(int suit);

}  // namespace lott
