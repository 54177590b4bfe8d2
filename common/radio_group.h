#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons with one chosen item (itemIndex, -1 for none).
// itemIndexChanged fires for every change of the chosen item, by the user or by code, and never
// when the chosen item stays the same.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return m_index; }
    // Clamps: below -1 gives -1, past the last item gives the last one.
    void setItemIndex(int index);
    // Lays the items out in `columns` columns of equal width, filled top to bottom.
    void setColumns(int columns);
    int count() const;
    QRadioButton* button(int index) const;

signals:
    void itemIndexChanged(int index);

private:
    void buttonToggled(int id, bool checked);

    QButtonGroup* m_group;
    int m_index = -1;
    bool m_updating = false;
};
