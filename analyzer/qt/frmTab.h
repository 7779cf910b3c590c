// The counting-table window: three header lines over the grid of the counting tables, the
// result file's name and the buttons to hide it, explain it, read the paper and copy the grid;
// the statistics of each row in a second grid in the same place, and the research report.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "CountingTables.h"
#include "FitOdds.h"
#include "Modes.h"
#include "Settings.h"
#include "TableGrid.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace lott {

class frmTab : public QWidget {
    Q_OBJECT
  public:
    static const QString kDesignCaption;         // "Trickscan [Table]"
    static constexpr int kHeightOstrevan = 400;  // 6000 twips
    static constexpr int kHeightStandard = 523;  // 7840 twips

    frmTab(Language language, const QString& japaneseFont, QWidget* parent = nullptr);

    // Shows the controls of preset settingMode (0 Ostrevan, 1 Standard) and empties the grid
    // and the name labels.
    void InitLabels(SettingMode settingMode);
    void SetHeaders(const std::array<std::string, 3>& headers);
    // The full redraw from the tables (the name label follows the cells' rule).
    void WriteWholeTable(const CountingTables& t, const Settings& s, std::int32_t dealNo,
                         bool runGoing);
    // The tables the statistics and the report are made from: those drawn whole, or a finished
    // run's in full precision.
    void SetResultTables(const CountingTables& t, const Settings& s);
    // Repaints the cells a live run changed since the last call.
    std::size_t RepaintChanged() { return grid_->RepaintChanged(); }
    // Puts the grid on the clipboard as tab-separated text and says whether it is there.
    bool CopyTable();
    // The grid as comma-separated values, for a data frame.
    bool CopyCsv();
    // A line under the grid: what went wrong, or what was done.
    void Say(const QString& message, bool failure = true);
    // The Standard preset's file-name label, once a run's result file is written.
    void ShowResultName(const std::string& fileName);

    // What the report needs beyond the tables shown: the program folder (where the report is
    // offered and which files it must not replace), the graph's odds and the library's size.
    void SetReportContext(std::filesystem::path folder, const FitOddsTable& odds,
                          std::int64_t libraryDeals);
    // "Report...": asks for a file (askReportFile) and saves the report of the table shown.
    void cmdReport_Click();
    bool SaveReport(const QString& file);
    // The statistics grid in place of the counts (on), or the counts again.
    void ShowStats(bool on);
    // Asked for the report's file with a suggestion; "" cancels. A save dialog unless replaced.
    std::function<QString(const QString& suggested)> askReportFile;

    TableGrid* grid() const { return grid_; }
    TableCells& cells() { return grid_->cells(); }
    const TableCells& cells() const { return grid_->cells(); }

    std::array<QLabel*, 3> head{};
    std::array<QLabel*, 2> txtName{};
    std::array<QPushButton*, 2> cmdHideTable{};
    std::array<QPushButton*, 2> cmdComment{};
    QPushButton* cmdReadOstrevan = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdCopyCsv = nullptr;
    QPushButton* cmdReport = nullptr;
    QPushButton* cmdStats = nullptr;
    QTableWidget* statsGrid = nullptr;
    QLabel* lblStatus = nullptr;

  signals:
    // Form_QueryUnload: the window is closing.
    void closing(frmTab* window);
    void commentRequested(int index);
    void paperRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    int Width() const;
    void PlaceButtons();
    void FillStats();

    Language language_;
    CountingTables tables_;  // as last drawn whole, for the statistics and the report
    Settings settings_;
    std::array<std::string, 3> headers_;
    std::filesystem::path folder_;
    FitOddsTable odds_;
    std::int64_t libraryDeals_ = 0;
    SettingMode settingMode_ = SettingMode::Ostrevan;
    TableGrid* grid_;
};

}  // namespace lott
