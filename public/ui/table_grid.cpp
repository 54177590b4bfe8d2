#include "public/ui/table_grid.h"

#include "common/window_routines.h"

#include <QHeaderView>
#include <QMouseEvent>

TableGrid::TableGrid(QWidget* parent) : StringGrid(3, 4, 1, 1, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves for the buttons
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDrawCellHandler(StringGrid1DrawCell);
    setCurrentCell(1, 1);
}

void TableGrid::setColCount(int count)
{
    setColumnCount(count);
    updateFixedCells();
}

void TableGrid::setRowCount(int count)
{
    StringGrid::setRowCount(count);
    updateFixedCells();
}

void TableGrid::setCell(int col, int row, const QString& text)
{
    setCells(col, row, text);
}

void TableGrid::setDefaultColWidth(int width)
{
    horizontalHeader()->setDefaultSectionSize(width);
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, width);
}

void TableGrid::showChoice(bool chosen, int col, int row)
{
    if (chosen)
        setCurrentCell(row, col);
    else
        selectionModel()->clear();
}

void TableGrid::updateFixedCells()
{
    setFixedCells(rowCount() >= 2 ? 1 : 0, columnCount() >= 2 ? 1 : 0);
    // The focused cell starts on the first cell that is not fixed, as nobody's selection.
    if (fixedRows() < rowCount() && fixedCols() < columnCount())
        setCurrentCell(fixedRows(), fixedCols());
}

bool TableGrid::isFixedCell(const QModelIndex& index) const
{
    return index.row() < fixedRows() || index.column() < fixedCols();
}

void TableGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (!pressed.isValid() || isFixedCell(pressed))
        return; // headings take no clicks
    StringGrid::mousePressEvent(event);
    // A click selects the cell even when it is the current one already.
    if (event->button() == Qt::LeftButton && currentIndex() == pressed)
        emit cellSelected(pressed.column(), pressed.row());
}

void TableGrid::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    StringGrid::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before && !isFixedCell(after))
        emit cellSelected(after.column(), after.row());
}

// Keys never move onto a heading: the move stops at the first cell that is not fixed.
QModelIndex TableGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = StringGrid::moveCursor(action, modifiers);
    if (!next.isValid() || !isFixedCell(next))
        return next;
    const int row = qMax(next.row(), fixedRows());
    const int col = qMax(next.column(), fixedCols());
    if (row >= rowCount() || col >= columnCount())
        return currentIndex();
    return model()->index(row, col);
}
