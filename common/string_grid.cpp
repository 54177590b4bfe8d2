#include "common/string_grid.h"

#include "common/cell_text.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace
{

// Prepares the painter as the grid's canvas for the cell's state, then hands the cell to the
// grid's drawing routine.
class GridDelegate : public CellDelegate
{
public:
    explicit GridDelegate(StringGrid* grid) : CellDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const int col = index.column();
        const int row = index.row();
        const bool fixed = row < m_grid->fixedRows() || col < m_grid->fixedCols();
        const bool selected = !fixed && (option.state & QStyle::State_Selected);
        const QPalette& pal = option.palette;
        painter->save();
        painter->setBrush(fixed ? pal.button() : selected ? pal.highlight() : pal.base());
        painter->setPen(fixed      ? pal.buttonText().color()
                        : selected ? pal.highlightedText().color()
                                   : pal.text().color());
        painter->setFont(option.font);
        if (const auto& draw = m_grid->drawCellHandler()) {
            draw(*m_grid, col, row, option.rect, *painter);
        } else {
            painter->fillRect(option.rect, painter->brush());
            painter->drawText(option.rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop,
                              drawnText(index.data(Qt::DisplayRole).toString()));
        }
        painter->restore();
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override
    {
        const QString before = index.data(Qt::EditRole).toString();
        CellDelegate::setModelData(editor, model, index);
        if (index.data(Qt::EditRole).toString() != before)
            emit m_grid->cellEdited(index.column(), index.row());
    }

private:
    StringGrid* m_grid;
};

constexpr int ResizeMargin = 3;

} // namespace

bool commitOpenEditor(QAbstractItemView* view)
{
    // commitData and closeEditor are protected slots: reachable through the meta-object.
    for (auto* editor : view->viewport()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        if (editor->isVisible()) {
            QMetaObject::invokeMethod(view, "commitData", Q_ARG(QWidget*, editor));
            QMetaObject::invokeMethod(
                view, "closeEditor", Q_ARG(QWidget*, editor),
                Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
            return true;
        }
    }
    return false;
}

StringGrid::StringGrid(int colCount, int rowCount, int fixedRows, int fixedCols, QWidget* parent)
    : QTableWidget(parent), m_fixedRows(fixedRows), m_fixedCols(fixedCols)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setDefaultRowHeight(24);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(true);
    m_delegate = new GridDelegate(this);
    setItemDelegate(m_delegate);
    viewport()->setMouseTracking(true);

    m_kept.resize(colCount);
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                restoreKept(first, last, 0, this->columnCount() - 1);
            });
    connect(model(), &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                restoreKept(0, this->rowCount() - 1, first, last);
            });
    connect(this, &QTableWidget::itemChanged, this, &StringGrid::keepItem);

    setColumnCount(colCount);
    setRowCount(rowCount);
}

QString& StringGrid::kept(int col, int row)
{
    if (col >= static_cast<int>(m_kept.size()))
        m_kept.resize(col + 1);
    auto& column = m_kept[col];
    if (row >= static_cast<int>(column.size()))
        column.resize(row + 1);
    return column[row];
}

QString StringGrid::cells(int col, int row) const
{
    if (col < 0 || row < 0 || col >= static_cast<int>(m_kept.size()))
        return {};
    const auto& column = m_kept[col];
    return row < static_cast<int>(column.size()) ? column[row] : QString();
}

void StringGrid::setCells(int col, int row, const QString& text)
{
    if (col < 0 || row < 0)
        return;
    kept(col, row) = text;
    if (row < rowCount() && col < columnCount()) {
        if (QTableWidgetItem* cell = item(row, col))
            cell->setText(text);
    }
}

void StringGrid::setMaxLength(int length)
{
    m_delegate->setMaxLength(length);
}

void StringGrid::setDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, height);
}

void StringGrid::setFixedCells(int fixedRows, int fixedCols)
{
    m_fixedRows = fixedRows;
    m_fixedCols = fixedCols;
    m_restoring = true;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* cell = item(r, c))
                cell->setFlags(cellFlags(c, r));
    m_restoring = false;
    viewport()->update();
}

Qt::ItemFlags StringGrid::cellFlags(int col, int row) const
{
    return isFixed(col, row) ? Qt::ItemIsEnabled
                             : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

// Rows and columns that appear show the texts kept for their cells.
void StringGrid::restoreKept(int firstRow, int lastRow, int firstCol, int lastCol)
{
    m_restoring = true;
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            auto* cell = new CellItem(cells(c, r));
            cell->setFlags(cellFlags(c, r));
            setItem(r, c, cell);
        }
    }
    m_restoring = false;
}

void StringGrid::keepItem(QTableWidgetItem* cell)
{
    if (m_restoring || !cell)
        return;
    kept(cell->column(), cell->row()) = cell->text();
}

int StringGrid::columnBorderAt(int x) const
{
    for (int c = 0; c < columnCount(); ++c) {
        const int edge = columnViewportPosition(c) + columnWidth(c);
        if (qAbs(x - edge) <= ResizeMargin)
            return c;
    }
    return -1;
}

// Columns are resized by dragging their borders in the fixed rows, as the header is hidden.
bool StringGrid::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        if (m_resizingColumn >= 0) {
            if (event->type() == QEvent::MouseButtonRelease) {
                m_resizingColumn = -1;
                viewport()->unsetCursor();
            } else if (event->type() == QEvent::MouseMove) {
                setColumnWidth(m_resizingColumn,
                               qMax(4, pos.x() - columnViewportPosition(m_resizingColumn)));
            }
            return true;
        }
        const int row = rowAt(pos.y());
        const int border = row >= 0 && row < m_fixedRows ? columnBorderAt(pos.x()) : -1;
        if (event->type() == QEvent::MouseMove && mouse->buttons() == Qt::NoButton) {
            if (border >= 0)
                viewport()->setCursor(Qt::SplitHCursor);
            else
                viewport()->unsetCursor();
        }
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton &&
            border >= 0) {
            m_resizingColumn = border;
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QTableWidget::viewportEvent(event);
}
