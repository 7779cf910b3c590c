// Draws a stored result as the graph window's chart(s) on one PictureBox: frequency bars with
// their values, both axes and scales, the lines of the Law, average marks with error bars,
// titles, legends, the credit and the enclosing frame; the Ostrevan chart adds the theoretical
// frequencies as circles.
#pragma once

#include <QColor>
#include <QString>

#include "CountingTables.h"
#include "FitOdds.h"
#include "GraphLayout.h"
#include "Settings.h"

namespace lott {

class PictureBox;

class GraphPainter {
  public:
    static inline const QColor kLightBlue{224, 224, 255};
    static inline const QColor kBlue{0, 0, 255};
    static inline const QColor kOrange{255, 136, 0};
    static inline const QColor kCrossColour{224, 0, 136};
    static inline const QColor kCircleFill{254, 254, 254};

    // standardWindow: the two-chart window of the Standard preset (Graph button 1).
    GraphPainter(PictureBox& pic, const CountingTables& t, const Settings& s,
                 const FitOddsTable& odds, bool standardWindow);

    // The whole picture of Graph button index (0 Ostrevan, 1 Standard).
    void Draw();

    // One chart: kind 0 (suit-suit) or -1 (suit-notrump), the Total Trumps first..last drawn,
    // error bars up to errLast.
    void DrawPic(int kind, int first, int last, int errLast);
    void ShowFreqPts();

    float YLoc(float tricks) const;
    void DrawLawLine(double x1, double x2, double offset, Qt::PenStyle style, const QColor& c);
    void DrawErrorBar(double x, double yTop, double yBottom, double half);
    void DrawCross(double x, double y);
    void DrawCircle(double x, double y, double r, const QColor& c);
    void PrintDot();

    // The scale of Total Tricks, set by the suit-suit chart and kept for the notrump chart.
    GraphLayout layout;

  private:
    void picShowHCPrange(int kind);
    void picShowFreqBars(int kind, int first, int last, const QColor& colour);
    void picShowXcaption(int kind);
    void picShowScaleYleft(int kind, double x);
    void picShowFrame(int kind, double xLeft, double xRight, double yBase, double yTop);
    void picShowScaleYright(int kind, double x);
    void picShowCrossBars(int kind, int first, int last, int errLast);
    void picDrawMiddleLine(bool wide, double& y, double x1, double x2);
    void AxisTitles(int kind, int first, int last);
    void Titles(int kind);
    void Legend(int first);
    void Credit(int first);

    void PrintAt(double x, double y, const QString& text, bool lineEnd = false);
    void PrintLines(double x, double y, const QStringList& lines);
    double Total(int kind) const;
    QString Deals(float total) const;

    PictureBox& pic_;
    const CountingTables& t_;
    const Settings& s_;
    const FitOddsTable& odds_;
    bool standard_;
    double left_ = 11, right_ = 26;  // the x range of the chart being drawn
    // The frequency scale of the chart being drawn: its top in percent (40 unless a bar or the
    // notrump formula wants more), and the chart's height of 100 %.
    int freqTop_ = 40;
    double freqUnit_ = 1;
    void SetFreqScale(int kind, int first, int last);
    void LegendGuides(double x, double y, double size);
};

}  // namespace lott
