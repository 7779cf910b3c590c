#include "frmComment.h"

#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextDocument>

#include "AnalyzerHelpTexts.h"

namespace lott {

const QString frmComment::kCaption = QStringLiteral("Trickscan Comments");

frmComment::frmComment(int commentTopic, lott::Language language, const QString& japaneseFont,
                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      topic_(commentTopic),
      language_(language),
      txt_(new QPlainTextEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    txt_->setReadOnly(true);
    txt_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const bool japanese = language_ == lott::Language::Japanese;
    QFont font(japanese ? japaneseFont : QStringLiteral("Arial"));
    font.setPointSizeF(japanese ? 10.5 : 10);
    txt_->setFont(font);
    txt_->setPlainText(QString::fromStdString(CommentText(topic_, language_)));
    txt_->document()->setDocumentMargin(10);
    resize(560, 430);
}

void frmComment::resizeEvent(QResizeEvent* event) {
    // The text fills the window and follows its height.
    txt_->setGeometry(0, 0, event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

}  // namespace lott
