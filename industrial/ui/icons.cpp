#include "industrial/ui/icons.h"

#include <QPainter>
#include <QPixmap>

namespace
{

QPixmap canvas()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon sign(bool plus)
{
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = plus ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(2, 6.5, 12, 3), 1, 1);
    if (plus)
        painter.drawRoundedRect(QRectF(6.5, 2, 3, 12), 1, 1);
    return QIcon(pixmap);
}

} // namespace

QIcon addRowIcon()
{
    return sign(true);
}

QIcon removeRowIcon()
{
    return sign(false);
}

QIcon calculateIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    painter.setPen(QPen(QColor(0x37, 0x47, 0x4f), 1));
    painter.setBrush(QColor(0xec, 0xef, 0xf1));
    painter.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    painter.setBrush(QColor(0x81, 0xc7, 0x84));
    painter.drawRect(QRectF(4.5, 2.5, 7, 3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x37, 0x47, 0x4f));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            painter.drawRect(QRectF(4.5 + c * 2.5, 7.5 + r * 2.5, 1.5, 1.5));
    return QIcon(pixmap);
}
