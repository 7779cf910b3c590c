// The controls of the analyzer's main window, created with their design captions and placed.
#pragma once

#include <QColor>
#include <array>
#include <vector>

#include "OptionIndex.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lott {

class ClickLabel;
class PictureBox;

struct MainControls {
    static constexpr int kWidth = 720;  // pixels
    static constexpr int kHeight = 508;
    static inline const QColor kTint{250, 250, 255};  // &HFFFAFA: a result can be viewed

    QWidget* central = nullptr;
    PictureBox* canvas = nullptr;  // the window's own surface for printed messages
    std::array<QGroupBox*, 11> Frame{};
    std::array<QRadioButton*, Opt::Count> o{};  // indexed by Opt; 34..40 do not exist
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdEnd = nullptr;
    std::array<QPushButton*, 2> cmdTable{};  // index = preset
    std::array<QPushButton*, 2> cmdGrph{};
    QPushButton* cmdDownload = nullptr;
    QLineEdit* tBox = nullptr;  // "Deals to be Scanned"
    QLineEdit* dBox = nullptr;  // debug: one deal
    QLabel* LibraryName = nullptr;
    ClickLabel* Language = nullptr;
    QLabel* lblNo = nullptr;
    QLabel* lblStatus = nullptr;     // what the window says about failures
    std::array<QAction*, 8> menu{};  // 0..7; 7 holds the sub-menu
    QMenu* initializeMenu = nullptr;
    std::array<QAction*, 3> Submenu{};  // 1, 2

    static MainControls Build(QMainWindow* window);

    // Every text box, button, frame, option and label (what the refusals hide, but cmdEnd).
    std::vector<QWidget*> AllButEnd() const;
    // The buttons' back colour: tinted when a result can be viewed.
    static void SetTinted(QPushButton* b, bool tinted);
    static bool IsTinted(const QPushButton* b);
};

}  // namespace lott
