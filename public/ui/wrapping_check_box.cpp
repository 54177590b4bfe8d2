#include "public/ui/wrapping_check_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace
{

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    // Narrower than its caption when it must be (a plain check box never is).
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred, QSizePolicy::CheckBox);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingCheckBox::textLeft() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

QRect WrappingCheckBox::textRect(int width) const
{
    const int left = textLeft();
    // The plain check box's vertical padding around its one line.
    const int padding = qMax(0, QCheckBox::sizeHint().height() - fontMetrics().height()) / 2;
    const QRect bounds =
        fontMetrics().boundingRect(QRect(0, 0, qMax(1, width - left), 100000), TextFlags, text());
    return QRect(left, padding, qMax(1, width - left), bounds.height());
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    // Room for a word or so beside the indicator.
    return QSize(textLeft() + fontMetrics().averageCharWidth() * 12,
                 QCheckBox::sizeHint().height());
}

int WrappingCheckBox::heightForWidth(int width) const
{
    const QRect text = textRect(width);
    return qMax(QCheckBox::sizeHint().height(), text.bottom() + 1 + text.top());
}

void WrappingCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect text = textRect(width());
    // The indicator stands on the caption's first line.
    QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    indicator.moveTop(text.top() + (fontMetrics().height() - indicator.height()) / 2);
    QStyleOptionButton box = option;
    box.rect = indicator;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, this);
    style()->drawItemText(&painter, text, TextFlags, option.palette, isEnabled(), this->text(),
                          QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            fontMetrics().boundingRect(text, TextFlags, this->text()).adjusted(-1, 0, 1, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}
