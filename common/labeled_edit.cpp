#include "common/labeled_edit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

LabeledEdit::LabeledEdit(const QString& caption, LabelPosition position, QWidget* parent)
    : QWidget(parent), m_label(new QLabel(caption, this)), m_edit(new QLineEdit(this))
{
    m_label->setBuddy(m_edit);
    QBoxLayout* layout = position == LabelPosition::Left
                             ? static_cast<QBoxLayout*>(new QHBoxLayout(this))
                             : static_cast<QBoxLayout*>(new QVBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(position == LabelPosition::Left ? 4 : 2);
    layout->addWidget(m_label);
    layout->addWidget(m_edit);
    if (position == LabelPosition::Left)
        layout->addStretch(1);
    setFocusProxy(m_edit);
}

QString LabeledEdit::text() const
{
    return m_edit->text();
}

void LabeledEdit::setText(const QString& text)
{
    m_edit->setText(text);
}

void LabeledEdit::setMaxLength(int length)
{
    m_edit->setMaxLength(length);
}
