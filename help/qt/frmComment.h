// The comment window: a scrolling text that explains the counting table or the graph on screen,
// one of nine topics, in the language in force.
#pragma once

#include <QWidget>

#include "Modes.h"

class QPlainTextEdit;

namespace lott {

class frmComment : public QWidget {
    Q_OBJECT
  public:
    static const QString kCaption;

    // commentTopic 1..9; Japanese is drawn in japaneseFont ("" for the fallback).
    frmComment(int commentTopic, lott::Language language, const QString& japaneseFont,
               QWidget* parent = nullptr);

    int CommentTopic() const { return topic_; }
    lott::Language Language() const { return language_; }
    QPlainTextEdit* txt() const { return txt_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    int topic_;
    lott::Language language_;
    QPlainTextEdit* txt_;
};

}  // namespace lott
