#include "common/labeled_edit.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace
{

// QLineEdit asks its validator about every change, its own setText() included, but only keeps a
// refusal or a shortened text for the user's edits. setText() clears the undo history before it
// asks; the user's edits have just added to it. So a program's text is let through whole.
class TypingLimit : public QValidator
{
public:
    TypingLimit(QLineEdit* edit, int length) : QValidator(edit), m_edit(edit), m_length(length)
    {
        // The edit holds the new text by the time it asks: remember the length before.
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_before = text.size(); });
        m_before = edit->text().size();
    }

    // Of what grows the text past the limit, the part that does not fit is dropped; it ends at the
    // cursor. A text already at or past the limit only shrinks.
    State validate(QString& input, int& pos) const override
    {
        if (!m_edit->isUndoAvailable() || input.size() <= m_before || input.size() <= m_length)
            return Acceptable;
        const qsizetype excess = input.size() - qMax<qsizetype>(m_length, m_before);
        if (m_before >= m_length || pos < excess)
            return Invalid;
        input.remove(pos - excess, excess);
        pos -= static_cast<int>(excess);
        return Acceptable;
    }

private:
    QLineEdit* m_edit;
    qsizetype m_before = 0;
    int m_length;
};

} // namespace

void setTypingLimit(QLineEdit* edit, int length)
{
    if (auto* old = dynamic_cast<const TypingLimit*>(edit->validator()))
        delete old;
    edit->setValidator(length > 0 ? new TypingLimit(edit, length) : nullptr);
}

LabeledEdit::LabeledEdit(const QString& caption, LabelPosition position, QWidget* parent)
    : QWidget(parent), m_label(new QLabel(caption, this)), m_edit(new QLineEdit(this))
{
    m_label->setBuddy(m_edit);
    const bool beside = position != LabelPosition::Above;
    QBoxLayout* layout = beside ? static_cast<QBoxLayout*>(new QHBoxLayout(this))
                                : static_cast<QBoxLayout*>(new QVBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(beside ? 4 : 2);
    if (position == LabelPosition::Right) {
        layout->addWidget(m_edit);
        layout->addWidget(m_label);
    } else {
        layout->addWidget(m_label);
        layout->addWidget(m_edit);
    }
    if (beside)
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
    setTypingLimit(m_edit, length);
}
