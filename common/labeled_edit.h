#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// A line edit with its caption; the label is the edit's buddy.
class LabeledEdit : public QWidget
{
    Q_OBJECT
public:
    enum class LabelPosition { Left, Above };

    LabeledEdit(const QString& caption, LabelPosition position, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }
    QLineEdit* edit() const { return m_edit; }
    QString text() const;
    void setText(const QString& text);
    void setMaxLength(int length);

private:
    QLabel* m_label;
    QLineEdit* m_edit;
};
