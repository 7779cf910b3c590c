#include "ViewerControls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ClickLabel.h"
#include "FormColors.h"
#include "PictureBox.h"

namespace lott {

namespace {
constexpr int kTwips = 15;

template <class W>
W* Make(QWidget* parent, const QString& text = {}) {
    auto* w = new W(parent);
    if constexpr (std::is_base_of_v<QAbstractButton, W> || std::is_base_of_v<QLabel, W>)
        w->setText(text);
    return w;
}

QFont Font(const QString& family, double size) {
    QFont f(family);
    f.setPointSizeF(size);
    return f;
}
}  // namespace

void ViewerControls::Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(left / kTwips, top / kTwips, width / kTwips, height / kTwips);
}

ViewerControls ViewerControls::Build(QMainWindow* window) {
    ViewerControls c;
    c.central = new QWidget(window);
    window->setCentralWidget(c.central);
    const QPalette pal = SetFormBackground(c.central);
    window->setPalette(pal);
    c.central->setFixedSize(kDesignWidth / kTwips, kDesignHeight / kTwips);

    c.canvas = new PictureBox(c.central);
    c.canvas->setGeometry(0, 0, kDesignWidth / kTwips, kDesignHeight / kTwips);
    c.canvas->SetScaleMode(PictureBox::ScaleMode::Twips);
    c.canvas->SetBackColor(kFormBackColor);
    c.canvas->SetFontName(QStringLiteral("Arial"));
    c.canvas->SetFontSize(12);

    c.p = new PictureBox(c.central);
    Place(c.p, 135, 750, 5670, 5070);
    c.p->SetBackColor(kFormBackColor);
    c.p->SetBorder(true);
    c.p->SetFontName(QStringLiteral("Courier New"));
    c.p->SetFontSize(15.75);

    c.box = new PictureBox(c.central);
    Place(c.box, 6195, 825, 1380, 1410);
    c.box->SetScaleMode(PictureBox::ScaleMode::Twips);
    c.box->SetBorder(true);
    c.box->SetFontName(QStringLiteral("Courier New"));
    c.box->SetFontSize(12);

    c.p2 = new PictureBox(c.central);
    Place(c.p2, 6195, 2805, 2295, 1755);
    c.p3 = new PictureBox(c.central);
    Place(c.p3, 6195, 4620, 2295, 1230);
    for (PictureBox* b : {c.p2, c.p3}) {
        b->SetBorder(true);
        b->SetFontName(QStringLiteral("Arial"));
        b->SetFontSize(9.75);
    }

    c.txtCount = Make<QLineEdit>(c.central);
    Place(c.txtCount, 135, 5910, 1050, 360);
    c.txtCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.cmdBack = Make<QPushButton>(c.central, QStringLiteral("Back"));
    Place(c.cmdBack, 1275, 5910, 900, 360);
    c.cmdGo = Make<QPushButton>(c.central, QStringLiteral("Go"));
    Place(c.cmdGo, 2250, 5910, 900, 360);
    c.hsbar = new QScrollBar(Qt::Horizontal, c.central);
    Place(c.hsbar, 3270, 5955, 2535, 270);
    c.hsbar->setTracking(false);  // a dragged thumb shows its deal when it is let go

    c.LibName = new QGroupBox(QStringLiteral("Library Name"), c.central);
    Place(c.LibName, 135, 6360, 3480, 780);
    c.Lib = Make<QLineEdit>(c.LibName);
    c.Lib->setText(QStringLiteral("Library.bin"));
    c.Lib->setGeometry(8, 20, 118, 24);
    c.OptBin = Make<QRadioButton>(c.LibName, QStringLiteral("bin"));
    c.OptBin->setGeometry(134, 22, 46, 20);
    c.OptAsc = Make<QRadioButton>(c.LibName, QStringLiteral("asc"));
    c.OptAsc->setGeometry(182, 22, 46, 20);

    c.lblNegNT = Make<ClickLabel>(c.central, QStringLiteral(" NT Allowed"));
    Place(c.lblNegNT, 7680, 960, 1500, 330);
    c.lblNegNT->setFont(Font(QStringLiteral("Verdana"), 11));

    c.SelectTrump = new QGroupBox(QStringLiteral("select trump"), c.central);
    Place(c.SelectTrump, 7680, 1500, 1770, 750);
    c.lblLength = Make<ClickLabel>(c.SelectTrump, QStringLiteral("Length"));
    c.lblLength->setGeometry(8, 20, 56, 20);
    c.lblScore = Make<ClickLabel>(c.SelectTrump, QStringLiteral("Score"));
    c.lblScore->setGeometry(66, 20, 50, 20);

    c.Language = Make<ClickLabel>(c.central, QStringLiteral("Japanese"));
    Place(c.Language, 7800, 150, 1500, 330);
    c.Language->setFont(Font(QStringLiteral("Verdana"), 10));

    // The frame is taller than designed: it holds a third choice, PBN.
    c.Frame1 = new QGroupBox(c.central);
    Place(c.Frame1, 8580, 2805, 930, 1200);
    static const char* const kOutKinds[3] = {"Html", "Text", "PBN"};
    for (int i = 0; i < 3; ++i) {
        c.Optout[static_cast<std::size_t>(i)] =
            Make<QRadioButton>(c.Frame1, QString::fromLatin1(kOutKinds[i]));
        c.Optout[static_cast<std::size_t>(i)]->setGeometry(6, 14 + 20 * i, 54, 18);
    }
    c.Optout[0]->setChecked(true);
    c.cmdOutput = Make<QPushButton>(c.central, QStringLiteral("Output"));
    Place(c.cmdOutput, 8580, 4080, 930, 420);

    c.cmdOver20 = Make<QPushButton>(c.central, QStringLiteral("View Over20"));
    Place(c.cmdOver20, 3780, 6540, 1500, 420);
    c.cmdRead = Make<QPushButton>(c.central, QStringLiteral("Read Ostrevan"));
    Place(c.cmdRead, 5400, 6540, 1860, 420);
    c.cmdRead->setFont(Font(QStringLiteral("Verdana"), 11));
    c.cmdEnd = Make<QPushButton>(c.central, QStringLiteral("End"));
    Place(c.cmdEnd, 8400, 6540, 1080, 420);

    c.cmdDownload[0] =
        Make<QPushButton>(c.central, QStringLiteral("Download Ostrevan's Library. (18MB)"));
    c.cmdDownload[1] =
        Make<QPushButton>(c.central, QStringLiteral("Ostrevan ライブラリをダウンロード"));
    for (QPushButton* b : c.cmdDownload) {
        Place(b, 360, 1110, 5100, 450);
        b->hide();
    }

    c.fraTT = new QGroupBox(QStringLiteral("Select Total Trumps"), c.central);
    Place(c.fraTT, 9720, 120, 3060, 1140);
    for (int i = 0; i < 6; ++i) {
        c.optTT[static_cast<std::size_t>(i)] = Make<QRadioButton>(c.fraTT, QString::number(21 + i));
        c.optTT[static_cast<std::size_t>(i)]->setGeometry(12 + (i % 3) * 64, 22 + (i / 3) * 24, 56,
                                                          20);
    }
    c.Deals = new QListWidget(c.central);
    Place(c.Deals, 9720, 1380, 3060, 5760);
    c.Deals->setFont(Font(QStringLiteral("Courier New"), 10));
    c.fraTT->hide();
    c.Deals->hide();

    c.lblStatus = new QLabel(c.central);
    Place(c.lblStatus, 135, 7170, 9300, 300);
    SetStatusColour(c.lblStatus, true);
    c.lblSource = new QLabel(c.central);
    Place(c.lblSource, 3720, 6930, 5400, 240);

    static const char* const kMenu[10] = {"",        "Library",    "Go / Back",  "Length / Score",
                                          "NoTrump", "Top Box",    "Middle Box", "Bottom Box",
                                          "Output",  "View Over20"};
    // Nine topics share the narrow window's menu bar.
    window->menuBar()->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 3px; }"));
    window->menuBar()->setFont(Font(QStringLiteral("Arial"), 8.25));
    for (int i = 1; i <= 9; ++i)
        c.menu[static_cast<std::size_t>(i)] =
            window->menuBar()->addAction(QString::fromUtf8(kMenu[i]));

    // Labels, frames and buttons take the window's colour.
    for (QWidget* w : std::initializer_list<QWidget*>{
             c.cmdGo,          c.cmdBack,  c.LibName,   c.OptAsc,    c.OptBin,    c.SelectTrump,
             c.lblLength,      c.lblScore, c.lblNegNT,  c.Language,  c.cmdOver20, c.fraTT,
             c.cmdOutput,      c.Frame1,   c.Optout[0], c.Optout[1], c.Optout[2], c.cmdDownload[0],
             c.cmdDownload[1], c.cmdRead,  c.cmdEnd,    c.lblStatus, c.lblSource}) {
        w->setPalette(pal);
        w->setAutoFillBackground(false);
    }
    return c;
}

std::array<QWidget*, 21> ViewerControls::AllButEnd() const {
    return {p,
            box,
            p2,
            p3,
            cmdGo,
            cmdBack,
            txtCount,
            hsbar,
            LibName,
            SelectTrump,
            lblNegNT,
            Language,
            cmdOver20,
            fraTT,
            Deals,
            cmdOutput,
            Frame1,
            cmdDownload[0],
            cmdDownload[1],
            cmdRead,
            lblStatus};
}

}  // namespace lott
