// The controls of the viewer's main window, created and placed at their design positions
// (given in twips, 15 to the pixel).
#pragma once

#include <QColor>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace lott {

class ClickLabel;
class PictureBox;

struct ViewerControls {
    static constexpr int kNarrowWidth = 9600;   // twips, the width at start
    static constexpr int kDesignWidth = 12900;  // with the Over20 list
    static constexpr int kDesignHeight = 7500;

    QWidget* central = nullptr;
    PictureBox* canvas = nullptr;  // the window's own drawing surface, in twips
    PictureBox* p = nullptr;       // hands, pixels
    PictureBox* box = nullptr;     // trick table, twips
    PictureBox* p2 = nullptr;      // contracts
    PictureBox* p3 = nullptr;      // Total Tricks
    QPushButton* cmdGo = nullptr;
    QPushButton* cmdBack = nullptr;
    QLineEdit* txtCount = nullptr;
    QScrollBar* hsbar = nullptr;
    QGroupBox* LibName = nullptr;
    QLineEdit* Lib = nullptr;
    QRadioButton* OptAsc = nullptr;
    QRadioButton* OptBin = nullptr;
    QGroupBox* SelectTrump = nullptr;
    ClickLabel* lblLength = nullptr;
    ClickLabel* lblScore = nullptr;
    ClickLabel* lblNegNT = nullptr;
    ClickLabel* Language = nullptr;
    QPushButton* cmdOver20 = nullptr;
    QGroupBox* fraTT = nullptr;
    std::array<QRadioButton*, 6> optTT{};
    QListWidget* Deals = nullptr;
    QPushButton* cmdOutput = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> Optout{};  // "Html", "Text", "PBN"
    std::array<QPushButton*, 2> cmdDownload{};
    QPushButton* cmdRead = nullptr;
    QPushButton* cmdEnd = nullptr;
    QLabel* lblStatus = nullptr;      // failures that the window reports (pages, export)
    QLabel* lblSource = nullptr;      // where a deal of an imported library was played
    std::array<QAction*, 10> menu{};  // 1..9

    // Creates every control on window (its central widget and menu bar).
    static ViewerControls Build(QMainWindow* window);
    // Places a control at a design position in twips.
    static void Place(QWidget* w, int left, int top, int width, int height);
    // Every control that the archive refusal hides (all but cmdEnd).
    std::array<QWidget*, 21> AllButEnd() const;
};

}  // namespace lott
