#include "wmf_writer.h"

#include <QtEndian>

namespace
{

enum : std::uint16_t {
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetTextAlign = 0x012E,
    SelectObject = 0x012D,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    ExtTextOut = 0x0A32,
    Eof = 0x0000,
};

constexpr std::int16_t MmAnisotropic = 8;
constexpr std::int16_t Transparent = 1;
constexpr std::int16_t TaBaseline = 24;
constexpr std::int16_t FwNormal = 400;
constexpr std::uint8_t VariablePitchRoman = 0x12;

template <class T> void put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

void put16(QByteArray& out, std::uint16_t value)
{
    put(out, value);
}

void put32(QByteArray& out, std::uint32_t value)
{
    put(out, value);
}

} // namespace

WmfWriter::WmfWriter(QSize windowExtent)
{
    record(SetMapMode, {MmAnisotropic});
    record(SetWindowOrg, {0, 0});
    record(SetWindowExt, {static_cast<std::int16_t>(windowExtent.height()),
                          static_cast<std::int16_t>(windowExtent.width())});
    record(SetBkMode, {Transparent});
    record(SetTextAlign, {TaBaseline});
    record(SetTextColor, {0, 0});
}

int WmfWriter::createFont(const Font& font)
{
    QByteArray logFont;
    put16(logFont, static_cast<std::uint16_t>(-font.height)); // negative: character height
    put16(logFont, 0);                                        // width from the aspect
    put16(logFont, 0);                                        // escapement
    put16(logFont, 0);                                        // orientation
    put16(logFont, FwNormal);
    logFont += static_cast<char>(font.italic ? 1 : 0);
    logFont += '\0'; // underline
    logFont += '\0'; // strike-out
    logFont += static_cast<char>(font.charset);
    logFont += '\0'; // out precision
    logFont += '\0'; // clip precision
    logFont += '\0'; // quality
    logFont += static_cast<char>(VariablePitchRoman);
    logFont += font.face;
    logFont += '\0';
    if (logFont.size() % 2 != 0)
        logFont += '\0';
    record(CreateFontIndirect, {}, logFont);
    return m_objects++;
}

void WmfWriter::select(int object)
{
    record(SelectObject, {static_cast<std::int16_t>(object)});
}

void WmfWriter::text(int x, int y, const QByteArray& bytes, const QList<int>& advances)
{
    QByteArray tail = bytes;
    if (tail.size() % 2 != 0)
        tail += '\0';
    for (const int advance : advances)
        put16(tail, static_cast<std::uint16_t>(advance));
    record(ExtTextOut,
           {static_cast<std::int16_t>(y), static_cast<std::int16_t>(x),
            static_cast<std::int16_t>(bytes.size()), 0},
           tail);
}

void WmfWriter::line(int x1, int y1, int x2, int y2, int width)
{
    record(CreatePenIndirect, {0, static_cast<std::int16_t>(width), 0, 0, 0});
    const int pen = m_objects++;
    select(pen);
    record(MoveTo, {static_cast<std::int16_t>(y1), static_cast<std::int16_t>(x1)});
    record(LineTo, {static_cast<std::int16_t>(y2), static_cast<std::int16_t>(x2)});
}

void WmfWriter::record(std::uint16_t function, const QList<std::int16_t>& words,
                       const QByteArray& tail)
{
    const auto sizeWords = static_cast<std::uint32_t>(3 + words.size() + tail.size() / 2);
    put32(m_records, sizeWords);
    put16(m_records, function);
    for (const std::int16_t word : words)
        put16(m_records, static_cast<std::uint16_t>(word));
    m_records += tail;
    m_maxRecordWords = std::max(m_maxRecordWords, sizeWords);
}

QByteArray WmfWriter::finish()
{
    record(Eof, {});
    constexpr std::uint16_t headerWords = 9;
    QByteArray out;
    put16(out, 1); // memory metafile
    put16(out, headerWords);
    put16(out, 0x0300);
    put32(out, static_cast<std::uint32_t>(headerWords + m_records.size() / 2));
    put16(out, static_cast<std::uint16_t>(m_objects));
    put32(out, m_maxRecordWords);
    put16(out, 0); // members, unused
    return out + m_records;
}
