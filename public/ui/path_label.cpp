#include "public/ui/path_label.h"

#include "public/path_elide.h"

#include <QFontMetrics>

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    // As wide as the layout gives it, never wider: the text adapts.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void PathLabel::setText(const QString& text)
{
    m_text = text;
    setToolTip(text);
    refresh();
}

QSize PathLabel::minimumSizeHint() const
{
    return QSize(0, fontMetrics().height());
}

void PathLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void PathLabel::refresh()
{
    const QFontMetrics metrics = fontMetrics();
    QLabel::setText(elidePathMiddle(m_text, contentsRect().width(), [&metrics](const QString& t) {
        return metrics.horizontalAdvance(t);
    }));
}
