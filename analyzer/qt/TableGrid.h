// The counting table's grid as one painted widget: headings, row captions and the cells of
// TableCells. A live run changes the cells per deal and repaints only the changed ones now and
// then, which is what keeps a full scan with the table open fast.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <array>

#include "TableCells.h"

namespace lott {

class TableGrid : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 14;
    static constexpr int kHeadingHeight = 32;  // two heading rows above the [Suit] block
    // The widest texts a column holds: counts of up to seven digits (a library of millions of
    // deals), averages and errors as "-10.00". The columns are sized from them in the fonts
    // the grid paints in.
    static constexpr const char* kWidestCount = "8888888";
    static constexpr const char* kWidestAverage = "-10.00";

    explicit TableGrid(QWidget* parent = nullptr);

    TableCells& cells() { return cells_; }
    const TableCells& cells() const { return cells_; }

    // The notrump block is shown in the Standard preset only.
    void SetNotrumpBlock(bool shown);
    bool NotrumpBlock() const { return notrump_; }
    // Height needed for the blocks shown.
    int GridHeight() const;

    // Repaints the cells changed since the last call; returns how many.
    std::size_t RepaintChanged();

    // Where a cell (a CellIndex) is painted; empty for an index outside the grid.
    QRect CellRect(std::int32_t index) const;
    // The grid as tab-separated lines: the headings, then every row of the blocks shown with
    // its caption ("[Suit]" and "[NT]" start their blocks); lines end in CR LF.
    QString TabSeparated() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Columns -7 (the row captions) .. 10.
    int ColumnLeft(int column) const { return left_[static_cast<std::size_t>(column + 7)]; }
    int ColumnWidth(int column) const { return width_[static_cast<std::size_t>(column + 7)]; }
    void SizeColumns();
    int RowTop(int kind, int length) const;  // the Total row is TableMaxLen + 1
    int NotrumpTop() const;

    TableCells cells_;
    bool notrump_ = true;
    QFont font_;
    QFont fixedFont_;
    QFont boldFont_;
    std::array<int, 18> left_{}, width_{};
};

}  // namespace lott
