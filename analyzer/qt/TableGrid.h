// The counting table's grid as one painted widget: headings, row captions and the cells of
// TableCells. A live run changes the cells per deal and repaints only the changed ones now and
// then, which is what keeps a full scan with the table open fast.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "TableCells.h"

namespace lott {

class TableGrid : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 14;
    static constexpr int kHeadingHeight = 32;  // two heading rows above the [Suit] block

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
    static int ColumnLeft(int column);  // column -7 is the row captions
    static int ColumnWidth(int column);
    int RowTop(int kind, int length) const;  // the Total row is TableMaxLen + 1
    int NotrumpTop() const;

    TableCells cells_;
    bool notrump_ = true;
    QFont font_;
    QFont fixedFont_;
    QFont boldFont_;
};

}  // namespace lott
