#include "frmTab.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "FormColors.h"
#include "GraphExport.h"
#include "Indices.h"
#include "MainTexts.h"
#include "ProgramFiles.h"
#include "ResearchReport.h"
#include "RowStats.h"
#include "TableExport.h"

namespace lott {

namespace {

constexpr int kGridTop = 56;
constexpr int kButtonRow = 36;  // the second row: report, statistics and the status line

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
    cmdReport = new QPushButton(Q(MainTexts::ReportCaption(language)), this);
    connect(cmdReport, &QPushButton::clicked, this, [this] { cmdReport_Click(); });
    cmdStats = new QPushButton(Q(MainTexts::StatsCaption(language)), this);
    connect(cmdStats, &QPushButton::clicked, this, [this] { ShowStats(!statsGrid->isVisible()); });
    statsGrid = new QTableWidget(this);
    statsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    statsGrid->verticalHeader()->hide();
    statsGrid->hide();
    if (japanese) {
        QFont jf(japaneseFont);
        jf.setPointSizeF(9);
        for (QWidget* w : {static_cast<QWidget*>(cmdReport), static_cast<QWidget*>(cmdStats),
                           static_cast<QWidget*>(statsGrid)})
            w->setFont(jf);
    }
    askReportFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, cmdReport->text(), suggested,
                                            QStringLiteral("HTML (*.html)"));
    };
    lblStatus = new QLabel(this);
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setWordWrap(true);
    InitLabels(SettingMode::Standard);
}

void frmTab::PlaceButtons() {
    int y = height() - kButtonRow - 36;
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
    y += kButtonRow;
    x = 8;
    place(cmdReport, 110);
    place(cmdStats, 110);
    lblStatus->setGeometry(x + 4, y - 4, Width() - x - 12, 36);
    statsGrid->setGeometry(0, kGridTop, Width(), height() - kGridTop - 2 * kButtonRow - 8);
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
    setFixedSize(Width(), (standard ? kHeightStandard : kHeightOstrevan) + kButtonRow);
    grid_->cells().InitLabels();
    grid_->cells().TakeChanged();
    grid_->update();
    for (QLabel* name : txtName) name->clear();
    PlaceButtons();
}

void frmTab::SetHeaders(const std::array<std::string, 3>& headers) {
    for (std::size_t i = 0; i < head.size(); ++i) head[i]->setText(Q(headers[i]));
    headers_ = headers;
}

void frmTab::WriteWholeTable(const CountingTables& t, const Settings& s, std::int32_t dealNo,
                             bool runGoing) {
    grid_->cells().WriteWholeTable(t, s, dealNo, runGoing);
    SetResultTables(t, s);
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

void frmTab::SetReportContext(std::filesystem::path folder, const FitOddsTable& odds,
                              std::int64_t libraryDeals) {
    folder_ = std::move(folder);
    odds_ = odds;
    libraryDeals_ = libraryDeals;
}

void frmTab::SetResultTables(const CountingTables& t, const Settings& s) {
    tables_ = t;
    settings_ = s;
    settings_.SetTables(nullptr);  // the copy only answers questions; it clears no tables
    FillStats();
}

void frmTab::FillStats() {
    const std::vector<std::string> headings = MainTexts::StatsHeadings(language_);
    statsGrid->clear();
    statsGrid->setColumnCount(static_cast<int>(headings.size()));
    QStringList labels;
    for (const std::string& h : headings) labels << Q(h);
    statsGrid->setHorizontalHeaderLabels(labels);
    std::vector<std::pair<int, RowStats>> rows;
    for (int kind : {KindSuit, KindNT}) {
        if (kind == KindNT && settings_.SettingMode != SettingMode::Standard) break;
        for (const RowStats& r : RowStats::Rows(tables_, kind)) rows.emplace_back(kind, r);
    }
    statsGrid->setRowCount(static_cast<int>(rows.size()));
    auto fixed = [](double v, int decimals) { return Q(ResearchReport::Fixed(v, decimals)); };
    auto range = [&](const Interval& i, int decimals, double scale) {
        return fixed(i.low * scale, decimals) + QStringLiteral(" .. ") +
               fixed(i.high * scale, decimals);
    };
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& [kind, r] = rows[static_cast<std::size_t>(row)];
        const QString length = r.total() ? QStringLiteral("Total") : QString::number(r.length);
        const QStringList cells = {
            (kind == KindSuit ? QStringLiteral("Suit ") : QStringLiteral("NT ")) + length,
            fixed(r.n, r.n == std::floor(r.n) ? 0 : 2),
            fixed(r.mean, 3),
            fixed(r.sd, 3),
            range(r.ci95, 3, 1),
            fixed(100 * r.exact, 1),
            range(r.exact_ci95, 1, 100),
            fixed(100 * r.within_one, 1),
            range(r.within_one_ci95, 1, 100),
            fixed(r.error, 3),
            r.thin ? Q(MainTexts::ThinMark(language_)) : QString()};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c ? Qt::AlignRight | Qt::AlignVCenter
                                     : Qt::AlignLeft | Qt::AlignVCenter);
            if (r.thin || r.partial) item->setForeground(QColor(128, 128, 128));
            statsGrid->setItem(row, c, item);
        }
    }
    if (std::ranges::any_of(rows, [](const auto& row) { return row.second.partial; }))
        Say(Q(MainTexts::StatsPartial(language_)));
    statsGrid->resizeColumnsToContents();
    statsGrid->resizeRowsToContents();
}

void frmTab::ShowStats(bool on) {
    statsGrid->setVisible(on);
    grid_->setVisible(!on);
    cmdStats->setText(
        Q(on ? MainTexts::CountsCaption(language_) : MainTexts::StatsCaption(language_)));
}

void frmTab::cmdReport_Click() {
    const QString suggested = QString::fromStdString(
        (folder_ / "ReportFiles" / (settings_.ResultName + ".html")).string());
    const QString file = askReportFile ? askReportFile(suggested) : QString();
    if (!file.isEmpty()) SaveReport(file);
}

bool frmTab::SaveReport(const QString& file) {
    const std::string path = file.toStdString();
    std::string error = "it names a file the programs read";
    bool ok = !OutputIsAnInput(folder_, path).has_value();
    if (ok) {
        std::string svg;
        GraphExport::Render({tables_, settings_, odds_, language_, true, 1}, svg, error);
        QDir().mkpath(QFileInfo(file).absolutePath());
        const ReportInput in{tables_,  settings_, settings_.ResultName,
                             headers_, svg,       libraryDeals_};
        ok = TableExport::Save(path, ResearchReport::Html(in), error);
    }
    Say(Q(ok ? MainTexts::FileSaved(language_, path)
             : MainTexts::FileNotSaved(language_, path, error)),
        !ok);
    return ok;
}

void frmTab::Say(const QString& message, bool failure) {
    SetStatusColour(lblStatus, failure);
    lblStatus->setText(message);
}

void frmTab::closeEvent(QCloseEvent* event) {
    emit closing(this);
    QWidget::closeEvent(event);
}

}  // namespace lott
