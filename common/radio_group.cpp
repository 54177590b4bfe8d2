#include "common/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        layout->addWidget(button);
        m_group->addButton(button, i);
    }
    connect(m_group, &QButtonGroup::idToggled, this, &RadioGroup::buttonToggled);
}

void RadioGroup::setColumns(int columns)
{
    delete layout();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setSpacing(0);
    const int rows = (count() + columns - 1) / columns;
    for (int i = 0; i < count(); ++i)
        grid->addWidget(button(i), i % rows, i / rows);
    for (int column = 0; column < columns; ++column)
        grid->setColumnStretch(column, 1);
}

int RadioGroup::count() const
{
    return static_cast<int>(m_group->buttons().size());
}

QRadioButton* RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(m_group->button(index));
}

void RadioGroup::setItemIndex(int index)
{
    index = qBound(-1, index, count() - 1);
    if (index == m_index)
        return;
    m_updating = true;
    if (index >= 0) {
        button(index)->setChecked(true); // the exclusive group unchecks the previous one
    } else {
        // No chosen item: an exclusive group would keep one checked.
        m_group->setExclusive(false);
        button(m_index)->setChecked(false);
        m_group->setExclusive(true);
    }
    m_updating = false;
    m_index = index;
    emit itemIndexChanged(m_index);
}

void RadioGroup::buttonToggled(int id, bool checked)
{
    if (!m_updating && checked)
        setItemIndex(id);
}
