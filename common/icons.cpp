#include "common/icons.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{

const QColor Ink(0x37, 0x47, 0x4f);
const QColor Paper(0xec, 0xef, 0xf1);

// Paints on a 16-unit grid into a pixmap of `size` pixels.
template <class Paint> QIcon painted(int size, Paint paint)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(QPen(Ink, 1));
    paint(painter);
    return QIcon(pixmap);
}

QIcon sign(bool plus)
{
    return painted(16, [plus](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(plus ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28));
        p.drawRoundedRect(QRectF(2, 6.5, 12, 3), 1, 1);
        if (plus)
            p.drawRoundedRect(QRectF(6.5, 2, 3, 12), 1, 1);
    });
}

void sheet(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(3.5, 15.5);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(9.5, 0.5), QPointF(9.5, 4.5), QPointF(13.5, 4.5)}));
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

QIcon newFileIcon()
{
    return painted(32, [](QPainter& p) { sheet(p); });
}

QIcon openFileIcon()
{
    return painted(32, [](QPainter& p) {
        p.setBrush(QColor(0xe0, 0xa0, 0x30));
        p.drawRect(QRectF(0.5, 3.5, 13, 11));
        p.setBrush(QColor(0xf6, 0xc8, 0x5f));
        p.drawPolygon(QPolygonF(
            {QPointF(2.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 14.5), QPointF(0.5, 14.5)}));
    });
}

QIcon saveFileIcon()
{
    return painted(32, [](QPainter& p) {
        p.setBrush(QColor(0x3f, 0x5f, 0xa8));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(Paper);
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
    });
}

QIcon calculateIcon()
{
    return painted(32, [](QPainter& p) {
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
        p.setBrush(QColor(0x81, 0xc7, 0x84));
        p.drawRect(QRectF(4.5, 2.5, 7, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(QRectF(4.5 + c * 2.5, 7.5 + r * 2.5, 1.5, 1.5));
    });
}

QIcon reportIcon()
{
    return painted(16, [](QPainter& p) {
        sheet(p);
        p.setPen(QPen(QColor(0x1e, 0x88, 0xe5), 1));
        for (int line = 0; line < 4; ++line)
            p.drawLine(QPointF(5.5, 6.5 + line * 2.5), QPointF(11.5, 6.5 + line * 2.5));
    });
}

QIcon helpIcon()
{
    return painted(32, [](QPainter& p) {
        p.setBrush(QColor(0x1e, 0x88, 0xe5));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath hook;
        hook.moveTo(5.5, 6);
        hook.cubicTo(5.5, 2.5, 10.5, 2.5, 10.5, 6);
        hook.cubicTo(10.5, 8, 8, 8, 8, 10);
        p.drawPath(hook);
        p.drawPoint(QPointF(8, 12.8));
    });
}

QIcon exitIcon()
{
    return painted(32, [](QPainter& p) {
        p.setBrush(QColor(0x8d, 0x6e, 0x63));
        p.drawRect(QRectF(2.5, 0.5, 8, 15));
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(15, 8));
        p.drawLine(QPointF(12, 5), QPointF(15, 8));
        p.drawLine(QPointF(12, 11), QPointF(15, 8));
    });
}

QIcon tableIcon()
{
    return painted(16, [](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x90, 0xa4, 0xae));
        p.drawRect(QRectF(1, 2, 14, 3));
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(0.5, 5.5), QPointF(15.5, 5.5));
        p.drawLine(QPointF(0.5, 10), QPointF(15.5, 10));
        p.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 14.5));
        p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 14.5));
    });
}

void setPictureHint(QAbstractButton* button, const QString& hint)
{
    button->setToolTip(hint);
    button->setAccessibleName(hint);
}
