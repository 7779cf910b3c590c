#include "frmInfo.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "ViewerHelpTexts.h"

namespace lott {

const QString frmInfo::kCaption = QStringLiteral(" Boardlook Help");

frmInfo::frmInfo(int infoTopic, Language language, const QString& japaneseFont,
                 const InfoAnchor& anchor, QWidget* parent)
    : QWidget(parent, Qt::Window), topic_(infoTopic), txt_(new QPlainTextEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kCaption);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    txt_->setReadOnly(true);
    txt_->setFrameShape(QFrame::NoFrame);
    txt_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txt_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Form_Load(language, japaneseFont, anchor);
}

void frmInfo::Form_Load(Language language, const QString& japaneseFont, const InfoAnchor& anchor) {
    const int width = static_cast<int>(
        std::lround(InfoPlacement::kStandardWidth * ViewerHelpTexts::WidthFactor(topic_)));
    textShare_ = ViewerHelpTexts::TextWidthShare(topic_);

    QFont font(language == Language::Japanese ? japaneseFont : QStringLiteral("Verdana"));
    font.setPointSizeF(12);
    txt_->setFont(font);
    const QString text = QString::fromStdString(ViewerHelpTexts::Text(topic_, language));
    txt_->setPlainText(text);

    // The window is as tall as its text needs, within the screen: the text is laid out line by
    // line at the text box's width, in its font, as the box itself lays it out.
    const int boxWidth = static_cast<int>(width * textShare_);
    const double margin = txt_->document()->documentMargin();
    const QFontMetricsF fm(font);
    QTextOption option;
    option.setWrapMode(txt_->wordWrapMode());
    // Measured as if the scroll bar were there, so that the text fits with or without it.
    const double wrapWidth =
        boxWidth - 2 * margin - txt_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    double needed = 2 * margin;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(wrapWidth);
            needed += std::max(line.height(), fm.lineSpacing());
        }
        layout.endLayout();
    }
    int height = static_cast<int>(std::ceil((needed + fm.descent()) / 0.9));
    if (QScreen* s = screen()) height = std::min(height, s->availableGeometry().height() - 100);

    InfoGeometry g = InfoPlacement::Place(topic_, width, anchor);
    setGeometry(g.left, g.top, width, height);
}

bool frmInfo::NeedsScrolling() const {
    const QScrollBar* bar = txt_->verticalScrollBar();
    return bar->maximum() > bar->minimum();
}

void frmInfo::resizeEvent(QResizeEvent* event) {
    const int w = static_cast<int>(event->size().width() * textShare_);
    const int h = static_cast<int>(event->size().height() * 0.9);
    txt_->setGeometry((event->size().width() - w) / 2, 4, w, h);
    QWidget::resizeEvent(event);
}

}  // namespace lott
