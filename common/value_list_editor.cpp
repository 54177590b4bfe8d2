#include "common/value_list_editor.h"

#include "common/cell_text.h"

#include <QHeaderView>

ValueListEditor::ValueListEditor(const QString& keyTitle, const QString& valueTitle,
                                 QWidget* parent)
    : QTableWidget(0, 2, parent), m_delegate(new CellDelegate(this))
{
    // The toolkit's drawing, of a cell's drawn text only.
    setItemDelegate(m_delegate);
    setHorizontalHeaderLabels({keyTitle, valueTitle});
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The value column is always ready for typing.
    setEditTriggers(QAbstractItemView::AllEditTriggers);
}

void ValueListEditor::setKeys(const QStringList& keys)
{
    setRowCount(static_cast<int>(keys.size()));
    for (int r = 0; r < keys.size(); ++r) {
        auto* keyItem = new CellItem(keys.at(r));
        keyItem->setFlags(Qt::ItemIsEnabled);
        setItem(r, 0, keyItem);
        auto* valueItem = new CellItem();
        valueItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        setItem(r, 1, valueItem);
    }
}

QString ValueListEditor::key(int row) const
{
    const QTableWidgetItem* cell = item(row - 1, 0);
    return cell ? cell->text() : QString();
}

QString ValueListEditor::value(int row) const
{
    const QTableWidgetItem* cell = item(row - 1, 1);
    return cell ? cell->text() : QString();
}

void ValueListEditor::setValue(int row, const QString& text)
{
    if (QTableWidgetItem* cell = item(row - 1, 1))
        cell->setText(text);
}

void ValueListEditor::setMaxLength(int length)
{
    m_delegate->setMaxLength(length);
}
