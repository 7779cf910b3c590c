// The counting-table window: three header lines over the grid of the counting tables, the
// result file's name and the buttons to hide it, explain it, read the paper and copy the grid.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "Modes.h"
#include "TableGrid.h"

class QLabel;
class QPushButton;

namespace lott {

class CountingTables;
class Settings;

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

    Language language_;
    SettingMode settingMode_ = SettingMode::Ostrevan;
    TableGrid* grid_;
};

}  // namespace lott
