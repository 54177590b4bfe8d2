#pragma once

#include "common/string_grid.h"
#include "public/table_file.h"

// The read-only grid of a reference-table dialog, filled from a table file. Row 0 is fixed while
// the grid has at least 2 rows, column 0 while it has at least 2 columns.
//
// Only the user selects a cell: a click on a cell that is not fixed, or a keyboard move onto one.
// The current cell that Qt sets by itself when the grid takes the focus ((0, 0), a heading) is
// never reported.
class TableGrid : public StringGrid, public TableSink
{
    Q_OBJECT
public:
    explicit TableGrid(QWidget* parent = nullptr);

    void setColCount(int count) override;
    void setRowCount(int count) override;
    void setCell(int col, int row, const QString& text) override;

    // Every column takes this width.
    void setDefaultColWidth(int width);
    // Shows the cell (col, row) as the chosen one, or with nothing current and nothing selected
    // (so nothing is drawn or reported to assistive tools as chosen) when chosen is false.
    void showChoice(bool chosen, int col, int row);

signals:
    void cellSelected(int col, int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    bool isFixedCell(const QModelIndex& index) const;
    void updateFixedCells();
};
