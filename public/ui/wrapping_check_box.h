#pragma once

#include <QCheckBox>

// A check box whose caption takes further lines when the box is narrower than the caption, as a
// word-wrapped label does; on one line it looks and measures as a plain check box.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    // Where the caption starts: past the indicator and its spacing.
    int textLeft() const;
    QRect textRect(int width) const;
};
