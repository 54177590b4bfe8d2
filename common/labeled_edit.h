#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// Limits what the user types or pastes into edit to length characters (0: no limit). Unlike
// QLineEdit::setMaxLength, a text set by the program is kept whole; the user can then only shorten
// it.
void setTypingLimit(QLineEdit* edit, int length);

// A line edit with its caption; the label is the edit's buddy.
class LabeledEdit : public QWidget
{
    Q_OBJECT
public:
    enum class LabelPosition { Left, Right, Above };

    LabeledEdit(const QString& caption, LabelPosition position, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }
    QLineEdit* edit() const { return m_edit; }
    QString text() const;
    void setText(const QString& text);
    // Limits typed and pasted input; texts set by the program are never cut.
    void setMaxLength(int length);

private:
    QLabel* m_label;
    QLineEdit* m_edit;
};
