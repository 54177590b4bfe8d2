#pragma once

#include <QTableWidget>

class CellDelegate;

// A key-value list: a title row with two captions, then one row per key. Keys are fixed, values
// editable. Rows are numbered as in the original: row 0 is the title row, keys start at row 1.
class ValueListEditor : public QTableWidget
{
    Q_OBJECT
public:
    ValueListEditor(const QString& keyTitle, const QString& valueTitle, QWidget* parent = nullptr);

    void setKeys(const QStringList& keys);     // one row per key, values empty
    int lastRow() const { return rowCount(); } // rows 1..lastRow() hold keys
    QString key(int row) const;
    QString value(int row) const;
    void setValue(int row, const QString& text);
    // Limits what the user types or pastes into a value's editor to length characters (0: no
    // limit); texts set by the program are never cut.
    void setMaxLength(int length);

private:
    CellDelegate* m_delegate;
};
