// The analyzer's information window (frmInfoEana in English, frmInfoJana in Japanese): one page
// per topic of the Help menu, a frame of fixed text lines, and a Close button.
#pragma once

#include <QWidget>
#include <array>

#include "Modes.h"

class QGroupBox;
class QPushButton;

namespace lott {

class frmInfoAna : public QWidget {
    Q_OBJECT
  public:
    // The Japanese page uses japaneseFont ("" when none was found: the system's fallback draws
    // it).
    frmInfoAna(lott::Language language, const QString& japaneseFont, QWidget* parent = nullptr);

    lott::Language Language() const { return language_; }
    int MenuTopic() const { return topic_; }
    // Shows the page of menuTopic (0, 2, 3, 4, 5, 6) alone and fits the window round it.
    void ShowTopic(int menuTopic);

    // Index = MenuTopic; index 1 is not a page (it is a web page).
    std::array<QGroupBox*, 7> Frame{};
    QPushButton* cmdClose = nullptr;

  private:
    void Layout();

    lott::Language language_;
    int topic_ = 0;
};

}  // namespace lott
