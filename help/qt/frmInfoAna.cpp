#include "frmInfoAna.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "AnalyzerHelpTexts.h"
#include "FormColors.h"

namespace lott {

namespace {
constexpr int kLineHeight = 18;
}  // namespace

frmInfoAna::frmInfoAna(lott::Language language, const QString& japaneseFont, QWidget* parent)
    : QWidget(parent, Qt::Window), language_(language) {
    const bool japanese = language_ == lott::Language::Japanese;
    setWindowTitle(QString::fromUtf8(AnalyzerHelpCaption.data(),
                                     static_cast<qsizetype>(AnalyzerHelpCaption.size())));
    SetFormBackground(this);
    QFont font(japanese ? japaneseFont : QStringLiteral("Arial"));
    font.setPointSizeF(10);
    setFont(font);
    const QFontMetrics fm(font);

    for (int topic = 0; topic < static_cast<int>(Frame.size()); ++topic) {
        const InfoPage* page = AnalyzerInfoPage(topic, language_);
        if (!page) continue;
        auto* frame = new QGroupBox(QString::fromStdString(page->caption), this);
        int width = fm.horizontalAdvance(frame->title()) + 40;
        int y = 26;
        for (const std::string& line : page->lines) {
            auto* label = new QLabel(QString::fromStdString(line), frame);
            const int w = fm.horizontalAdvance(label->text()) + 8;
            label->setGeometry(14, y, w, kLineHeight);
            width = std::max(width, w + 28);
            y += kLineHeight;
        }
        frame->resize(width, y + 12);
        frame->hide();
        Frame[static_cast<std::size_t>(topic)] = frame;
    }
    cmdClose = new QPushButton(japanese ? QStringLiteral("閉じる") : QStringLiteral("Close"), this);
    cmdClose->resize(96, 28);
    connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
}

void frmInfoAna::ShowTopic(int menuTopic) {
    topic_ = menuTopic;
    Layout();
}

void frmInfoAna::Layout() {
    QGroupBox* shown = nullptr;
    for (std::size_t i = 0; i < Frame.size(); ++i) {
        if (!Frame[i]) continue;
        const bool on = static_cast<int>(i) == topic_;
        Frame[i]->setVisible(on);
        if (on) shown = Frame[i];
    }
    if (!shown) return;
    // The page at the top, the Close button under its right edge, the window round both.
    shown->move(7, 4);
    cmdClose->move(shown->geometry().right() + 1 - cmdClose->width(),
                   shown->geometry().bottom() + 6);
    setFixedSize(shown->width() + 14, shown->height() + 4 + 6 + cmdClose->height() + 8);
}

}  // namespace lott
