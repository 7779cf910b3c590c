// The viewer's information window: the text of one menu topic in the language in force, placed
// beside the main window and clear of the control it explains.
#pragma once

#include <QWidget>

#include "InfoPlacement.h"
#include "Modes.h"

class QPlainTextEdit;

namespace lott {

class frmInfo : public QWidget {
    Q_OBJECT
  public:
    static const QString kCaption;  // " Boardlook Help"

    // InfoTopic 1..9; japaneseFont "" when none was found.
    frmInfo(int infoTopic, Language language, const QString& japaneseFont, const InfoAnchor& anchor,
            QWidget* parent = nullptr);

    int InfoTopic() const { return topic_; }
    QPlainTextEdit* txt() const { return txt_; }
    // Whether the text box holds more than it shows.
    bool NeedsScrolling() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Form_Load(Language language, const QString& japaneseFont, const InfoAnchor& anchor);

    int topic_;
    QPlainTextEdit* txt_;
    double textShare_ = 0.93;
};

}  // namespace lott
