#include "GraphPainter.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "PictureBox.h"

namespace lott {

namespace {
constexpr double kTop = GraphLayout::kTop;
constexpr double kBottom = GraphLayout::kBottom;
constexpr double kBaseFont = 9;
}  // namespace

GraphPainter::GraphPainter(PictureBox& pic, const CountingTables& t, const Settings& s,
                           const FitOddsTable& odds, bool standardWindow)
    : pic_(pic), t_(t), s_(s), odds_(odds), standard_(standardWindow) {}

void GraphPainter::Draw() {
    pic_.Cls();
    pic_.SetFontName(QStringLiteral("Arial"));
    pic_.SetFontSize(kBaseFont);
    pic_.SetForeColor(Qt::black);
    if (!standard_) {
        DrawPic(0, 14, 23, 21);
        ShowFreqPts();
    } else {
        DrawPic(0, 14, 23, 21);
        DrawPic(-1, 14, 18, 17);
    }
}

double GraphPainter::Total(int kind) const {
    return t_.DevTable(kind, 30, 30);
}

QString GraphPainter::Deals(float total) const {
    // "###,###" with the separator of the system's numbers; no deals still shows a number.
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(static_cast<qlonglong>(GraphLayout::DealsShown(total)));
}

float GraphPainter::YLoc(float tricks) const {
    return layout.YLoc(tricks);
}

void GraphPainter::PrintAt(double x, double y, const QString& text, bool lineEnd) {
    pic_.MoveTo(x, y);
    pic_.Print(text, lineEnd);
}

void GraphPainter::PrintLines(double x, double y, const QStringList& lines) {
    const double h = pic_.TextHeight();
    for (const QString& line : lines) {
        PrintAt(x, y, line);
        y += h;
    }
}

void GraphPainter::DrawPic(int kind, int first, int last, int errLast) {
    // The chart's coordinates: Total Trumps across, shares (down from 0) and tricks up.
    if (!standard_) {
        left_ = first - 3;
        right_ = last + 3;
    } else if (kind == 0) {
        left_ = 11;
        right_ = 41.2;
    } else {
        left_ = -7;
        right_ = 24;
    }
    pic_.Scale(left_, kTop, right_ - left_, kBottom - kTop);
    pic_.SetFontSize(kBaseFont);
    pic_.SetFontBold(false);

    picShowHCPrange(kind);
    SetFreqScale(kind, first, last);
    picShowFreqBars(kind, first, last, kLightBlue);
    picShowXcaption(kind);
    picShowScaleYleft(kind, first - 1);
    picShowFrame(kind, first - 1, last + 1, 0, -0.4);
    if (kind == 0) layout.SetScale(first, last);
    picShowScaleYright(kind, last + 1);

    // The lines of the Law.
    if (!standard_) {
        DrawLawLine(first, last, 0, Qt::SolidLine, kBlue);
    } else if (kind == 0) {
        // Up to the top of the tricks scale, clear of its title.
        DrawLawLine(first, last, 0, Qt::SolidLine, kBlue);
        // Filters that keep deals with more tricks than trumps get a guide one trick higher.
        if (s_.Selected(Opt::FilterD1) || s_.Selected(Opt::FilterD2) ||
            s_.Selected(Opt::FilterS1) || s_.Selected(Opt::FilterS2) || s_.Selected(Opt::FilterC0))
            DrawLawLine(first, last - 1, 1, Qt::DotLine, kBlue);
    } else {
        DrawLawLine(first, last + 1, 0, Qt::SolidLine, kBlue);
        if (s_.Selected(Opt::NTSingleton) || s_.Selected(Opt::NTVoid))
            DrawLawLine(first, last + 1, 1, Qt::DotLine, kBlue);
        if (s_.Selected(Opt::NTVoid)) DrawLawLine(first, last + 1, 2, Qt::DashDotDotLine, kBlue);
    }

    picShowCrossBars(kind, first, last, errLast);
    double y = 0;
    picDrawMiddleLine(kind != 0, y, first - 1, last + 1);
    AxisTitles(kind, first, last);
    Titles(kind);
    if (kind == 0) {
        Legend(first);
    } else if (standard_) {
        Credit(first);
    }
    if (kind == 0) {
        // The frame round the picture; in the Standard window it encloses both charts.
        pic_.SetDrawWidth(1);
        pic_.Box(left_ + 0.5, 0.28, right_ - 0.5, -0.53, kBlue, false);
    }
}

void GraphPainter::picShowHCPrange(int kind) {
    if (standard_ && kind == -1) return;
    if (s_.Selected(Opt::Hcp15To25))
        PrintAt(19.5, -0.15, QStringLiteral("15 to 25 HCP"));
    else if (s_.Selected(Opt::Hcp17To23))
        PrintAt(19.5, -0.15, QStringLiteral("17 to 23 HCP"));
    else
        PrintAt(20, -0.15, QStringLiteral("Any HCP."));
}

void GraphPainter::SetFreqScale(int kind, int first, int last) {
    // Quenby's notrump deals pile up near half of all: that scale goes to 50 % at least. A bar
    // above the scale lengthens it to the next ten; above 50 % the chart keeps its height and
    // the scale is drawn closer.
    double most = 0;
    for (const GraphLayout::Bar& b : GraphLayout::Bars(t_, kind, first, last))
        most = std::max(most, b.share);
    freqTop_ = kind == -1 && s_.Selected(Opt::NTQuenby) ? 50 : 40;
    while (freqTop_ < 100 && most * 100 > freqTop_ + 1e-9) freqTop_ += 10;
    freqUnit_ = freqTop_ > 50 ? 50.0 / freqTop_ : 1.0;
}

void GraphPainter::picShowFreqBars(int kind, int first, int last, const QColor& colour) {
    for (const GraphLayout::Bar& b : GraphLayout::Bars(t_, kind, first, last)) {
        const int L = b.length;
        const double top = -b.share * freqUnit_;
        pic_.Box(L - 0.5, 0, L + 0.5, top, colour, true);
        pic_.Box(L - 0.5, 0, L + 0.5, top, pic_.ForeColor(), false);
        pic_.MoveTo(L - 0.63, 0.02);
        pic_.PrintNumber(L);
    }
}

void GraphPainter::picShowXcaption(int kind) {
    const double y = 0.06;
    const bool byLength = s_.Selected(Opt::ByLength);
    const QString code = QString::fromStdString(s_.CorrCode);
    if (s_.SettingMode != SettingMode::Standard) {
        PrintAt(14, y, QStringLiteral("Total Length of Longest Suits"));
    } else if (kind == 0) {
        if (byLength) {
            if (!code.isEmpty())
                PrintAt(12, y,
                        QStringLiteral("Total Length of Longest Suits with Option (") + code + ')');
            else
                PrintAt(14, y, QStringLiteral("Total Length of Longest Suits"));
        } else {
            if (!code.isEmpty())
                PrintAt(13, y, QStringLiteral("Number of Total Trumps with Option (") + code + ')');
            else
                PrintAt(15, y, QStringLiteral("Number of Total Trumps"));
        }
    } else {
        double x = byLength ? 10 : 11;
        QString text = byLength ? QStringLiteral("Number of Cards in Opp's Longest Suit ")
                                : QStringLiteral("Number of Opp's Trumps ");
        switch (s_.NTFormula) {
            case 1:
                text += QStringLiteral("+  8, 7, 6");
                break;
            case 2:
                text += QStringLiteral("+  9, 8, 7");
                x -= 1;
                break;
            default:
                text += QStringLiteral("+ 7");
                break;
        }
        PrintAt(x, y, text);
    }
}

void GraphPainter::picShowScaleYleft(int, double x) {
    if (freqTop_ > 40) pic_.Line(x, 0, x, -freqTop_ / 100.0 * freqUnit_, pic_.ForeColor());
    for (int p = 0; p <= freqTop_; p += 10) {
        const double y = -p / 100.0 * freqUnit_;
        pic_.Line(x, y, x + 0.3, y, pic_.ForeColor());
        pic_.MoveTo(p == 0 ? x - 0.8 : x - 1.2, y - 0.016);
        pic_.PrintNumber(p);
    }
}

void GraphPainter::picShowFrame(int kind, double xLeft, double xRight, double yBase, double yTop) {
    const QColor fore = pic_.ForeColor();
    pic_.Line(xLeft, yBase, xRight, yBase, fore);
    pic_.Line(xLeft, yBase, xLeft, yTop, fore);
    pic_.Line(xRight, yBase, xRight, kind == 0 ? yTop : -0.3, fore);
}

void GraphPainter::picShowScaleYright(int kind, double x) {
    const int top = kind == 0 ? 22 : 20;
    for (int t = 14; t <= top; ++t) {
        const double y = YLoc(static_cast<float>(t));
        pic_.Line(x - 0.3, y, x, y, pic_.ForeColor());
        if (t % 2 == 0) {
            pic_.MoveTo(x + 0.1, y - 0.014);
            pic_.PrintNumber(t);
        }
    }
}

void GraphPainter::DrawLawLine(double x1, double x2, double offset, Qt::PenStyle style,
                               const QColor& c) {
    pic_.SetDrawStyle(style);
    pic_.Line(x1, YLoc(static_cast<float>(x1 + offset)), x2 - 0.5,
              YLoc(static_cast<float>(x2 - 0.5 + offset)), c);
    pic_.SetDrawStyle(Qt::SolidLine);
}

void GraphPainter::picShowCrossBars(int kind, int first, int last, int errLast) {
    // Only values held by more than 1 % of the deals are marked.
    for (const GraphLayout::Mark& m : layout.Marks(t_, kind, first, last, errLast)) {
        DrawCross(m.length, m.y);
        if (m.errorBar) DrawErrorBar(m.length, m.yTop, m.yBottom, 0.15);
    }
}

void GraphPainter::DrawErrorBar(double x, double yTop, double yBottom, double half) {
    pic_.SetDrawWidth(2);
    pic_.Line(x - half - 0.06, yTop, x + half, yTop, kOrange);
    pic_.Line(x - half - 0.06, yBottom, x + half, yBottom, kOrange);
    pic_.Line(x, yTop, x, yBottom, kOrange);
    pic_.SetDrawWidth(1);
}

void GraphPainter::DrawCross(double x, double y) {
    pic_.SetDrawWidth(2);
    pic_.Line(x - 0.2, y + 0.008, x + 0.2, y - 0.008, kCrossColour);
    pic_.Line(x + 0.2, y + 0.008, x - 0.2, y - 0.008, kCrossColour);
    pic_.SetDrawWidth(1);
}

void GraphPainter::DrawCircle(double x, double y, double r, const QColor& c) {
    pic_.Circle(x, -y, r, c, kCircleFill);
    pic_.Circle(x, -y, r, c);
}

void GraphPainter::PrintDot() {
    const bool bold = pic_.FontBold();
    pic_.SetFontBold(true);
    pic_.Print(QStringLiteral("."), false);
    pic_.SetFontBold(bold);
}

void GraphPainter::ShowFreqPts() {
    for (int L = 14; L <= 23; ++L) DrawCircle(L, odds_(1, L), 0.15, kBlue);
}

void GraphPainter::picDrawMiddleLine(bool wide, double& y, double x1, double x2) {
    y = 0.1;
    if (wide) {
        x1 -= 3;
        x2 += 3;
    }
    pic_.Line(x1, y, x2, y, pic_.ForeColor());
}

void GraphPainter::AxisTitles(int kind, int first, int last) {
    pic_.SetFontSize(11);
    const double h = pic_.TextHeight(QStringLiteral("A"));
    const double inside = left_ + 0.6;  // clear of the frame round the picture
    if (freqTop_ > 40) {
        // The longer axis reaches the frame: the title goes beside its top.
        PrintAt(first - 0.5, -freqTop_ / 100.0 * freqUnit_ - 0.5 * h,
                QStringLiteral("Frequency(%)"));
    } else {
        const double w = pic_.TextWidth(QStringLiteral(" Freauency(%)"));
        PrintAt(std::max(inside, first - 1 - w / 2), -0.4 - 1.45 * h,
                QStringLiteral("Frequency(%)"));
    }
    // Over the right axis, as far inside the picture as it must be.
    const double w = pic_.TextWidth(QStringLiteral("Total Tricks"));
    const double top = kind == 0 ? -0.4 : -0.3;
    double x = last + 1 - w / 2;
    if (!standard_) x = std::min(x, right_ - 0.6 - w);
    PrintAt(x, top - 1.45 * h, QStringLiteral("Total Tricks"));
    pic_.SetFontSize(kBaseFont);
}

void GraphPainter::Titles(int kind) {
    const QString option = s_.Selected(Opt::ByScore) ? QStringLiteral("Score Option")
                                                     : QStringLiteral("Length Option");
    pic_.SetFontSize(11);
    pic_.SetFontBold(true);
    const double titleHeight = pic_.TextHeight();
    if (!standard_) {
        PrintAt(14.1, -0.4, QStringLiteral("Trickscan"));
        pic_.SetFontBold(false);
        pic_.SetFontSize(kBaseFont + 1);
        PrintLines(14.1, -0.4 + titleHeight,
                   {QStringLiteral("Ostrevan + ") + option,
                    Deals(static_cast<float>(Total(0))) + QStringLiteral(" deals")});
    } else if (kind == -1) {
        QString title = QStringLiteral("NoTrump vs Suit");
        if (s_.Selected(Opt::NTVoid))
            title = QStringLiteral("NoTrump vs Void");
        else if (s_.Selected(Opt::NTSingleton))
            title = QStringLiteral("NoTrump vs Singleton");
        else if (s_.Selected(Opt::NTDoubleton))
            title = QStringLiteral("NoTrump vs Doubleton");
        PrintAt(16.1, -0.42, title);
    } else {
        PrintAt(16, -0.4, QStringLiteral("Suit Contracts"));
        pic_.SetFontBold(false);
        pic_.SetFontSize(kBaseFont + 1);
        PrintAt(16, -0.4 + titleHeight, option);
        static const char* const kFilters[9] = {
            "Double Fit in Neither Sides",  "Double Fit in Only One Side",
            "Double-Double Fit Deals Only", "Solid Trumps in Neither Side",
            "Solid Trump in Only One Side", "Solid Trumps in Both Sides",
            "Chameleons in Neither Side",   "Chameleon in Only One Side",
            "Chameleons in Both Sides"};
        for (int i = Opt::FirstFilter; i <= Opt::LastFilter; ++i)
            if (s_.Selected(i)) PrintAt(15, -0.52, QLatin1String(kFilters[i - Opt::FirstFilter]));
    }
    pic_.SetFontBold(false);
    pic_.SetFontSize(kBaseFont);
}

void GraphPainter::Legend(int first) {
    const bool byLength = s_.Selected(Opt::ByLength);
    const double x = first - 1;
    const double h = pic_.TextHeight();
    const double size = 0.8 * layout.GraphStep;
    const QColor fore = pic_.ForeColor();
    auto text = [&](double centre, const QString& s) {
        PrintAt(x + 0.8 + 0.5, centre - h / 2, s);
        PrintDot();
    };
    // (a) a bar sample
    double y = 0.125;
    pic_.Box(x, y, x + 0.8, y + size, kLightBlue, true);
    pic_.Box(x, y, x + 0.8, y + size, fore, false);
    text(y + size / 2, byLength ? QStringLiteral("Frequency of various Total Length")
                                : QStringLiteral("Frequency of various Total Trumps"));
    // (b) an average with its error bar
    y = 0.18;
    DrawErrorBar(x + 0.4, y, y + size, 0.15);
    DrawCross(x + 0.4, y + size / 2);
    pic_.SetForeColor(Qt::black);
    text(y + size / 2, QStringLiteral("Average of Total Tricks with error bar"));
    // (c) a line of the Law
    y = 0.235;
    pic_.Line(x, y + size, x + 0.8, y, kBlue);
    text(y + size / 2, byLength ? QStringLiteral("Total Tricks expected from Total Length")
                                : QStringLiteral("Total Tricks predicted by LoTT"));
    LegendGuides(pic_.CurrentX() + 0.6, y, size);
}

void GraphPainter::LegendGuides(double x, double y, double size) {
    // The guide lines one and two tricks above the Law, where a chart draws them.
    const bool plusOne = standard_ && (s_.Selected(Opt::FilterD1) || s_.Selected(Opt::FilterD2) ||
                                       s_.Selected(Opt::FilterS1) || s_.Selected(Opt::FilterS2) ||
                                       s_.Selected(Opt::FilterC0) ||
                                       s_.Selected(Opt::NTSingleton) || s_.Selected(Opt::NTVoid));
    const bool plusTwo = standard_ && s_.Selected(Opt::NTVoid);
    const double h = pic_.TextHeight();
    for (const auto& [shown, style, label] :
         {std::tuple{plusOne, Qt::DotLine, QStringLiteral("+1")},
          std::tuple{plusTwo, Qt::DashDotDotLine, QStringLiteral("+2")}}) {
        if (!shown) continue;
        pic_.SetDrawStyle(style);
        pic_.Line(x, y + size, x + 0.8, y, kBlue);
        pic_.SetDrawStyle(Qt::SolidLine);
        PrintAt(x + 0.9, y + size / 2 - h / 2, label);
        x = pic_.CurrentX() + 0.5;
    }
}

void GraphPainter::Credit(int first) {
    const double x = first - 4;
    const double h = pic_.TextHeight();
    double y = 0.125;
    PrintLines(x, y,
               {QStringLiteral("Trickscan Ver 3.7, a test of the Law of Total Tricks"),
                QStringLiteral("on Ostrevan's Double-Dummy Library of random deals"),
                QStringLiteral("with the tricks of every declarer in every strain.")});
    y += 3 * h;
    PrintAt(x, y,
            QStringLiteral(" ") + Deals(static_cast<float>(Total(0))) +
                QStringLiteral(" deals (left) and ") + Deals(static_cast<float>(Total(-1))) +
                QStringLiteral(" deals (above)"));
    PrintDot();
}

}  // namespace lott
