#include "common/cell_text.h"

#include "common/labeled_edit.h"

#include <QLineEdit>

QString drawnText(const QString& text)
{
    return text.size() > DrawnTextLength ? text.left(DrawnTextLength) : text;
}

QVariant CellItem::data(int role) const
{
    // Assistive technology reads the display text when this one is empty, as it is for an empty
    // cell.
    if (role == Qt::AccessibleTextRole)
        return drawnText(QTableWidgetItem::data(Qt::DisplayRole).toString());
    return QTableWidgetItem::data(role);
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && m_maxLength > 0)
        setTypingLimit(edit, m_maxLength);
    return editor;
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = drawnText(option->text);
}
