#include "frmTab.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "CountingTables.h"
#include "FormColors.h"
#include "MainTexts.h"
#include "Settings.h"
#include "TableExport.h"

namespace lott {

namespace {

constexpr int kGridTop = 56;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

int frmTab::Width() const {
    // The grid's columns are sized from its fonts; the window holds them.
    return std::max(884, grid_->width() + 4);
}

const QString frmTab::kDesignCaption = QStringLiteral("Trickscan [Table]");

frmTab::frmTab(Language language, const QString& japaneseFont, QWidget* parent)
    : QWidget(parent, Qt::Window), language_(language), grid_(new TableGrid(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kDesignCaption);
    SetFormBackground(this);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    setFont(font);

    for (std::size_t i = 0; i < head.size(); ++i) {
        head[i] = new QLabel(this);
        head[i]->setTextFormat(Qt::PlainText);  // a header line is text, whatever it holds
        head[i]->setGeometry(8, 4 + static_cast<int>(i) * 16, Width() - 16, 16);
    }
    for (QLabel*& name : txtName) {
        name = new QLabel(this);
        name->setGeometry(Width() - 268, 4, 260, 16);
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = font;
        bold.setBold(true);
        name->setFont(bold);
    }
    grid_->move(0, kGridTop);

    const bool japanese = language == Language::Japanese;
    const QString hide[2] = {QStringLiteral("Hide Table"), QStringLiteral("HideTable")};
    const QString comment[2] = {QStringLiteral("Comments on this Table"),
                                QStringLiteral("Comment on this Table")};
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        cmdHideTable[k] =
            new QPushButton(japanese ? QStringLiteral("集計表を隠す") : hide[i], this);
        cmdComment[k] =
            new QPushButton(japanese ? QStringLiteral("集計表の説明") : comment[i], this);
        connect(cmdHideTable[k], &QPushButton::clicked, this, [this] { close(); });
        connect(cmdComment[k], &QPushButton::clicked, this,
                [this, i] { emit commentRequested(i); });
    }
    cmdReadOstrevan = new QPushButton(japanese ? QStringLiteral("Ostrevan の論文を読む")
                                               : QStringLiteral("Read Ostrevan's Paper"),
                                      this);
    connect(cmdReadOstrevan, &QPushButton::clicked, this, [this] { emit paperRequested(); });
    cmdCopy = new QPushButton(
        japanese ? QStringLiteral("表をコピー") : QStringLiteral("Copy Table"), this);
    connect(cmdCopy, &QPushButton::clicked, this, [this] { CopyTable(); });
    cmdCopyCsv = new QPushButton(
        japanese ? QStringLiteral("CSV でコピー") : QStringLiteral("Copy as CSV"), this);
    connect(cmdCopyCsv, &QPushButton::clicked, this, [this] { CopyCsv(); });
    if (japanese) {
        QFont jf(japaneseFont);
        jf.setPointSizeF(9);
        for (QPushButton* b : {cmdHideTable[0], cmdHideTable[1], cmdComment[0], cmdComment[1],
                               cmdReadOstrevan, cmdCopy, cmdCopyCsv})
            b->setFont(jf);
    }
    lblStatus = new QLabel(this);
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setWordWrap(true);
    InitLabels(SettingMode::Standard);
}

void frmTab::PlaceButtons() {
    const int y = height() - 36;
    int x = 8;
    auto place = [&](QPushButton* b, int w) {
        if (b->isHidden()) return;
        b->setGeometry(x, y, w, 28);
        x += w + 6;
    };
    for (std::size_t i = 0; i < 2; ++i) place(cmdHideTable[i], 110);
    for (std::size_t i = 0; i < 2; ++i) place(cmdComment[i], 170);
    place(cmdReadOstrevan, 170);
    place(cmdCopy, 110);
    place(cmdCopyCsv, 110);
    lblStatus->setGeometry(x + 4, y - 4, Width() - x - 12, 36);
}

void frmTab::InitLabels(SettingMode settingMode) {
    const bool standard = settingMode == SettingMode::Standard;
    settingMode_ = standard ? SettingMode::Standard : SettingMode::Ostrevan;
    const auto m = static_cast<std::size_t>(Settings::PairOf(settingMode_));
    for (std::size_t i = 0; i < 2; ++i) {
        txtName[i]->setVisible(i == m);
        cmdComment[i]->setVisible(i == m);
        cmdHideTable[i]->setVisible(i == m);
    }
    cmdReadOstrevan->setVisible(!standard);
    grid_->SetNotrumpBlock(standard);
    setFixedSize(Width(), standard ? kHeightStandard : kHeightOstrevan);
    grid_->cells().InitLabels();
    grid_->cells().TakeChanged();
    grid_->update();
    for (QLabel* name : txtName) name->clear();
    PlaceButtons();
}

void frmTab::SetHeaders(const std::array<std::string, 3>& headers) {
    for (std::size_t i = 0; i < head.size(); ++i) head[i]->setText(Q(headers[i]));
}

void frmTab::WriteWholeTable(const CountingTables& t, const Settings& s, std::int32_t dealNo,
                             bool runGoing) {
    grid_->cells().WriteWholeTable(t, s, dealNo, runGoing);
    grid_->cells().TakeChanged();
    grid_->update();
    for (int i = 0; i < 2; ++i)
        txtName[static_cast<std::size_t>(i)]->setText(Q(grid_->cells().txtName(i)));
}

bool frmTab::CopyTable() {
    const QString text = grid_->TabSeparated();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard) clipboard->setText(text);
    const bool ok = clipboard && clipboard->text() == text;
    Say(Q(ok ? MainTexts::TableCopied(language_, false) : MainTexts::TableNotCopied(language_)),
        !ok);
    return ok;
}

void frmTab::ShowResultName(const std::string& fileName) {
    txtName[1]->setText(Q(fileName));
}

bool frmTab::CopyCsv() {
    const QString text = QString::fromStdString(TableExport::GridCsv(grid_->cells(), settingMode_));
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard) clipboard->setText(text);
    const bool ok = clipboard && clipboard->text() == text;
    Say(Q(ok ? MainTexts::TableCopied(language_, true) : MainTexts::TableNotCopied(language_)),
        !ok);
    return ok;
}

void frmTab::Say(const QString& message, bool failure) {
    // A failure in red, a notice in black.
    lblStatus->setStyleSheet(failure ? QStringLiteral("color: rgb(192, 0, 0)")
                                     : QStringLiteral("color: black"));
    lblStatus->setText(message);
}

void frmTab::closeEvent(QCloseEvent* event) {
    emit closing(this);
    QWidget::closeEvent(event);
}

}  // namespace lott
