#pragma once

#include <QStyledItemDelegate>
#include <QTableWidgetItem>

// A grid cell shows at most its first DrawnTextLength characters. Only those are laid out: for
// the drawing, for the height a row grows to, for the delegate's size hint and for the name
// assistive technology reads, so that a cell of any length costs no more than one of this length.
inline constexpr int DrawnTextLength = 1000;

QString drawnText(const QString& text);

// A cell whose name for assistive technology is its drawn text.
class CellItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;
    QVariant data(int role) const override;
};

// The toolkit's cell drawing over the drawn text only. Its line editor takes typed and pasted text
// up to maxLength characters (0: no limit); a longer text the program put into the cell opens
// whole.
class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    void setMaxLength(int length) { m_maxLength = length; }
    int maxLength() const { return m_maxLength; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int m_maxLength = 0;
};
