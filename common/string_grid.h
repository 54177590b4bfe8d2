#pragma once

#include <QTableWidget>
#include <functional>
#include <vector>

class CellDelegate;
class QPainter;

// Stores the text of a cell editor still open in view and closes it. Commands started from the
// toolbar call it before reading a grid: toolbar buttons take no focus, so the editor stays open
// and the grid still holds the old text. Returns whether an editor was open.
bool commitOpenEditor(QAbstractItemView* view);

// A grid of texts addressed as cells(col, row), with fixed (header) rows and columns drawn as
// buttons and not editable. Every text written to a cell, by code or by the user, is kept for the
// grid's lifetime: lowering the row count hides rows without clearing them, raising it shows their
// texts again, and cells() of a hidden row gives its kept text.
class StringGrid : public QTableWidget
{
    Q_OBJECT
public:
    // Called for every cell the grid paints, after it has filled the painter's brush, pen and font
    // for the cell's state.
    using DrawCellFn = std::function<void(StringGrid& grid, int col, int row, const QRect& rect,
                                          QPainter& painter)>;

    StringGrid(int colCount, int rowCount, int fixedRows, int fixedCols, QWidget* parent = nullptr);

    QString cells(int col, int row) const;
    void setCells(int col, int row, const QString& text);

    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setFixedCells(int fixedRows, int fixedCols);
    void setDefaultRowHeight(int height);
    // Limits what the user types or pastes into a cell editor to length characters (0: no
    // limit); texts set by the program are never cut.
    void setMaxLength(int length);
    void setDrawCellHandler(DrawCellFn handler) { m_drawCell = std::move(handler); }
    const DrawCellFn& drawCellHandler() const { return m_drawCell; }

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

signals:
    // The user changed the text of a cell through its editor (not emitted for setCells).
    void cellEdited(int col, int row);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void restoreKept(int firstRow, int lastRow, int firstCol, int lastCol);
    Qt::ItemFlags cellFlags(int col, int row) const;
    void keepItem(QTableWidgetItem* item);
    QString& kept(int col, int row);
    bool isFixed(int col, int row) const { return row < m_fixedRows || col < m_fixedCols; }
    int columnBorderAt(int x) const;

    int m_fixedRows;
    int m_fixedCols;
    std::vector<std::vector<QString>> m_kept; // [col][row]
    DrawCellFn m_drawCell;
    CellDelegate* m_delegate = nullptr;
    bool m_restoring = false;
    int m_resizingColumn = -1;
};
