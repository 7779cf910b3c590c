#include "MainControls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "ClickLabel.h"
#include "FormColors.h"
#include "MainTexts.h"
#include "PictureBox.h"

namespace lott {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QGroupBox* MakeFrame(QWidget* parent, int index, int x, int y, int w, int h) {
    auto* f = new QGroupBox(Q(MainTexts::DesignFrame(index)), parent);
    f->setGeometry(x, y, w, h);
    return f;
}

QRadioButton* MakeOption(QWidget* parent, int index, int x, int y, int w) {
    auto* b = new QRadioButton(Q(MainTexts::DesignOption(index)), parent);
    b->setGeometry(x, y, w, 20);
    // The settings model decides which options are selected; the buttons only show it.
    b->setAutoExclusive(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, int x, int y, int w, int h) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, w, h);
    return b;
}

}  // namespace

void MainControls::SetTinted(QPushButton* b, bool tinted) {
    QPalette pal = b->palette();
    pal.setColor(QPalette::Button, tinted ? kTint : kFormBackColor);
    b->setPalette(pal);
}

bool MainControls::IsTinted(const QPushButton* b) {
    return b->palette().color(QPalette::Button) == kTint;
}

MainControls MainControls::Build(QMainWindow* window) {
    MainControls c;
    c.central = new QWidget(window);
    window->setCentralWidget(c.central);
    const QPalette pal = SetFormBackground(c.central);
    window->setPalette(pal);
    c.central->setFixedSize(kWidth, kHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    c.central->setFont(font);

    c.canvas = new PictureBox(c.central);
    c.canvas->setGeometry(0, 0, kWidth, kHeight);
    c.canvas->SetBackColor(kFormBackColor);
    c.canvas->SetFontName(QStringLiteral("Arial"));
    c.canvas->SetFontSize(12);

    // Library, language and the presets with their result buttons.
    c.LibraryName = new QLabel(c.central);
    c.LibraryName->setGeometry(14, 8, 300, 20);
    c.Language = new ClickLabel(c.central);
    c.Language->setText(QStringLiteral("English"));
    c.Language->setGeometry(628, 8, 80, 20);
    c.Language->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont langFont = font;
    langFont.setUnderline(true);
    c.Language->setFont(langFont);

    c.Frame[0] = MakeFrame(c.central, 0, 12, 34, 330, 84);
    c.Frame[0]->setToolTip(QStringLiteral("Choose Either to Start"));
    c.o[Opt::Ostrevan] = MakeOption(c.Frame[0], Opt::Ostrevan, 12, 24, 100);
    c.o[Opt::Standard] = MakeOption(c.Frame[0], Opt::Standard, 12, 54, 100);
    for (std::size_t p = 0; p < 2; ++p) {
        const int y = p == 0 ? 20 : 50;
        c.cmdTable[p] = MakeButton(c.Frame[0], QStringLiteral("Table"), 112, y, 104, 27);
        c.cmdGrph[p] = MakeButton(c.Frame[0], QStringLiteral("Graph"), 218, y, 104, 27);
        c.cmdTable[p]->setEnabled(false);
        c.cmdGrph[p]->setEnabled(false);
    }

    // First column: trumps, declarer, HCP range, level difference.
    c.Frame[1] = MakeFrame(c.central, 1, 12, 130, 215, 68);
    c.o[Opt::ByLength] = MakeOption(c.Frame[1], Opt::ByLength, 12, 22, 190);
    c.o[Opt::ByScore] = MakeOption(c.Frame[1], Opt::ByScore, 12, 44, 190);
    c.Frame[2] = MakeFrame(c.central, 2, 12, 206, 215, 68);
    c.o[Opt::AllowArtificial] = MakeOption(c.Frame[2], Opt::AllowArtificial, 12, 22, 190);
    c.o[Opt::ForbidArtificial] = MakeOption(c.Frame[2], Opt::ForbidArtificial, 12, 44, 190);
    c.Frame[3] = MakeFrame(c.central, 3, 12, 282, 215, 90);
    c.Frame[3]->setToolTip(QStringLiteral(" Observe how the Law depends on HCPs or not."));
    c.o[Opt::Hcp17To23] = MakeOption(c.Frame[3], Opt::Hcp17To23, 12, 22, 190);
    c.o[Opt::Hcp15To25] = MakeOption(c.Frame[3], Opt::Hcp15To25, 12, 44, 190);
    c.o[Opt::Hcp0To40] = MakeOption(c.Frame[3], Opt::Hcp0To40, 12, 66, 190);
    c.o[Opt::Hcp0To40]->setToolTip(
        QStringLiteral(" But the Law itself holds independent of HCPs."));
    c.o[Opt::Hcp15To25]->setToolTip(
        QStringLiteral(" In a Pinch, recommended by Dorvald for his Safety Rule to hold."));
    c.o[Opt::Hcp17To23]->setToolTip(
        QStringLiteral(" This range is recommended by Dorvald for his Safety Rule to hold"));
    c.Frame[10] = MakeFrame(c.central, 10, 12, 380, 215, 90);
    c.o[Opt::LevelLimit1] = MakeOption(c.Frame[10], Opt::LevelLimit1, 12, 22, 190);
    c.o[Opt::LevelLimit2] = MakeOption(c.Frame[10], Opt::LevelLimit2, 12, 44, 190);
    c.o[Opt::NoLevelLimit] = MakeOption(c.Frame[10], Opt::NoLevelLimit, 12, 66, 190);

    // Second column: notrumps.
    c.Frame[4] = MakeFrame(c.central, 4, 237, 130, 215, 68);
    c.o[Opt::NoNTCalls] = MakeOption(c.Frame[4], Opt::NoNTCalls, 12, 22, 195);
    c.o[Opt::NTSeparately] = MakeOption(c.Frame[4], Opt::NTSeparately, 12, 44, 195);
    c.Frame[5] = MakeFrame(c.central, 5, 237, 206, 215, 166);
    c.o[Opt::NTQuenby] = MakeOption(c.Frame[5], Opt::NTQuenby, 12, 22, 190);
    c.o[Opt::NTDorvald] = MakeOption(c.Frame[5], Opt::NTDorvald, 12, 44, 190);
    c.o[Opt::NTDorvaldPlus] = MakeOption(c.Frame[5], Opt::NTDorvaldPlus, 12, 66, 190);
    c.o[Opt::NTDoubleton] = MakeOption(c.Frame[5], Opt::NTDoubleton, 12, 96, 190);
    c.o[Opt::NTSingleton] = MakeOption(c.Frame[5], Opt::NTSingleton, 12, 118, 190);
    c.o[Opt::NTVoid] = MakeOption(c.Frame[5], Opt::NTVoid, 12, 140, 190);

    // Third column: the corrections, each with its row of deal filters on the window itself.
    const std::array<int, 3> frameTop = {130, 212, 294};
    for (int g = 0; g < 3; ++g) {
        const int top = frameTop[static_cast<std::size_t>(g)];
        QGroupBox* f = MakeFrame(c.central, 7 + g, 462, top, 246, 50);
        c.Frame[static_cast<std::size_t>(7 + g)] = f;
        const int first = g == 0   ? Opt::DoubleFitOne
                          : g == 1 ? Opt::SolidTrumpOne
                                   : Opt::ChameleonMinusHalf;
        const int count = g == 2 ? 2 : 3;
        for (int k = 0; k < count; ++k)
            c.o[static_cast<std::size_t>(first + k)] =
                MakeOption(f, first + k, 12 + k * 78, 22, 72);
        for (int k = 0; k < 3; ++k)
            c.o[static_cast<std::size_t>(Opt::FirstFilter + 3 * g + k)] =
                MakeOption(c.central, Opt::FirstFilter + 3 * g + k, 474 + k * 78, top + 53, 78);
    }

    // Deals to scan and the debug box beside the presets; Start, End and progress below.
    c.Frame[6] = MakeFrame(c.central, 6, 354, 34, 214, 58);
    c.tBox = new QLineEdit(c.Frame[6]);
    c.tBox->setGeometry(12, 24, 190, 24);
    c.tBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.dBox = new QLineEdit(c.central);
    c.dBox->setGeometry(576, 58, 132, 24);
    c.dBox->setPlaceholderText(QStringLiteral("debug: deal"));
    c.dBox->setToolTip(QStringLiteral("Debug: type a deal number and press Enter."));
    c.dBox->hide();
    c.cmdStart = MakeButton(c.central, QStringLiteral("Start"), 237, 390, 215, 42);
    c.cmdEnd = MakeButton(c.central, QStringLiteral("End"), 462, 390, 114, 42);
    QFont big = font;
    big.setPointSizeF(11);
    c.cmdStart->setFont(big);
    c.cmdEnd->setFont(big);
    c.lblNo = new QLabel(QStringLiteral("count"), c.central);
    c.lblNo->setGeometry(584, 390, 124, 42);
    c.lblNo->setAlignment(Qt::AlignCenter);
    c.lblNo->setToolTip(QStringLiteral("Deal Number just being scanned."));
    c.lblNo->setFont(big);

    c.cmdDownload =
        MakeButton(c.central, Q(MainTexts::DownloadCaption(Language::English)), 24, 84, 330, 32);
    c.cmdDownload->hide();

    c.lblStatus = new QLabel(c.central);
    c.lblStatus->setGeometry(12, 474, 696, 32);  // two lines: a long message wraps
    SetStatusColour(c.lblStatus, true);
    c.lblStatus->setWordWrap(true);
    c.lblStatus->setTextFormat(Qt::PlainText);
    c.lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The menu: help topics and a web page as entries of the bar, and the sub-menu of 7.
    QMenuBar* bar = window->menuBar();
    // Eight entries share the window's width.
    bar->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 5px; }"));
    QFont menuFont(QStringLiteral("Arial"));
    menuFont.setPointSizeF(8.5);
    bar->setFont(menuFont);
    for (int i = 0; i <= 6; ++i)
        c.menu[static_cast<std::size_t>(i)] = bar->addAction(Q(MainTexts::DesignMenu(i)));
    c.initializeMenu = bar->addMenu(Q(MainTexts::DesignMenu(7)));
    c.menu[7] = c.initializeMenu->menuAction();
    c.Submenu[1] = c.initializeMenu->addAction(Q(MainTexts::DesignMenu(8)));
    c.Submenu[2] = c.initializeMenu->addAction(Q(MainTexts::DesignMenu(9)));

    // Buttons, frames, options and labels take the window's colour (text boxes keep theirs).
    for (QWidget* w : c.AllButEnd()) {
        if (w == c.tBox || w == c.dBox) continue;
        w->setPalette(pal);
    }
    c.cmdEnd->setPalette(pal);
    return c;
}

std::vector<QWidget*> MainControls::AllButEnd() const {
    std::vector<QWidget*> v;
    for (QGroupBox* f : Frame) v.push_back(f);
    for (QRadioButton* b : o)
        if (b) v.push_back(b);
    for (QWidget* w : std::initializer_list<QWidget*>{
             cmdStart, cmdTable[0], cmdTable[1], cmdGrph[0], cmdGrph[1], cmdDownload, tBox, dBox,
             LibraryName, Language, lblNo, lblStatus})
        v.push_back(w);
    return v;
}

}  // namespace lott
