#include "png_formulas.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <functional>
#include <zlib.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

constexpr int DotsPerMetre = 3779; // 96 dots per inch
constexpr int Main = 16;           // 12 pt at 96 dots per inch
constexpr int Small = 10;
constexpr int Big = 22; // product and sum signs, brackets

QFont face(int pixels, bool italic)
{
    QFont font(u"Liberation Serif"_s);
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

// Sets text left to right on a painter.
class Pen
{
public:
    explicit Pen(QPainter* painter) : m_painter(painter) {}

    double x = 0;

    void put(const QString& text, double y, int pixels = Main, bool italic = false)
    {
        const QFont font = face(pixels, italic);
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->drawText(QPointF(x, y), text);
        }
        x += QFontMetricsF(font).horizontalAdvance(text);
    }
    void italic(const QString& text, double y) { put(text, y, Main, true); }
    void sub(const QString& letter, const QString& index, double y)
    {
        italic(letter, y);
        put(index, y + 4, Small, true);
    }
    void op(const QString& text, double y)
    {
        x += 3;
        put(text, y);
        x += 3;
    }
    // A product or sum sign with the limits i=1 below and n above.
    void bigOperator(const QString& sign, double y)
    {
        const double left = x;
        const QFont big = face(Big, false);
        const double width = QFontMetricsF(big).horizontalAdvance(sign);
        put(sign, y + 4, Big);
        const double right = x;
        const QFont small = face(Small, true);
        x = left + (width - QFontMetricsF(small).horizontalAdvance(u"n"_s)) / 2;
        put(u"n"_s, y - 14, Small, true);
        const double lower = QFontMetricsF(small).horizontalAdvance(u"i"_s) +
                             QFontMetricsF(face(Small, false)).horizontalAdvance(u"=1"_s);
        x = left + (width - lower) / 2;
        put(u"i"_s, y + 18, Small, true);
        put(u"=1"_s, y + 18, Small);
        x = right + 1;
    }

private:
    QPainter* m_painter;
};

// Draws with `draw` centred in an image of the given size.
QImage render(QSize size, const std::function<void(Pen&)>& draw)
{
    Pen probe(nullptr);
    draw(probe);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    Pen pen(&painter);
    pen.x = (size.width() - probe.x) / 2;
    draw(pen);
    return image;
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

// PNG bytes with an sRGB chunk (perceptual intent) right after IHDR, which Qt does not write.
QByteArray pngWithSrgb(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    constexpr int signatureAndHeader = 8 + 4 + 4 + 13 + 4;
    QByteArray chunk;
    put32(chunk, 1);
    const QByteArray body("sRGB\0", 5);
    chunk += body;
    put32(chunk, static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(body.constData()),
                                            static_cast<uInt>(body.size()))));
    return png.insert(signatureAndHeader, chunk);
}

} // namespace

QByteArray seriesPng()
{
    const QImage image = render(QSize(338, 65), [](Pen& p) {
        constexpr double y = 38;
        p.sub(u"P"_s, u"c"_s, y);
        p.op(u"="_s, y);
        p.bigOperator(u"∏"_s, y);
        p.sub(u"P"_s, u"i"_s, y);
        p.op(u"="_s, y);
        for (const QString& rate : {u"ω"_s, u"λ"_s}) {
            p.put(u"exp"_s, y);
            p.put(u"["_s, y + 3, Big);
            p.put(u"−"_s, y);
            p.bigOperator(u"∑"_s, y);
            p.sub(rate, u"i"_s, y);
            p.italic(u" t"_s, y);
            p.put(u"]"_s, y + 3, Big);
            if (rate == u"ω"_s)
                p.op(u"="_s, y);
        }
        p.put(u"."_s, y);
    });
    return pngWithSrgb(image);
}

QByteArray parallelPng()
{
    const QImage image = render(QSize(311, 54), [](Pen& p) {
        constexpr double y = 31;
        auto equalsOneMinus = [&] {
            p.op(u"="_s, y);
            p.put(u"1"_s, y);
            p.op(u"−"_s, y);
        };
        p.sub(u"P"_s, u"c"_s, y);
        equalsOneMinus();
        p.sub(u"Q"_s, u"c"_s, y);
        equalsOneMinus();
        p.bigOperator(u"∏"_s, y);
        p.sub(u"q"_s, u"i"_s, y);
        equalsOneMinus();
        p.bigOperator(u"∏"_s, y);
        p.put(u"(1"_s, y);
        p.op(u"−"_s, y);
        p.sub(u"P"_s, u"i"_s, y);
        p.put(u"),"_s, y);
    });
    return pngWithSrgb(image);
}
