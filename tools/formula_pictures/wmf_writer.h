#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <cstdint>

// A Windows metafile (memory type, version 0x0300) in the anisotropic mapping mode: window origin
// 0, 0 and the given extent, transparent background, black text placed by its baseline. Objects
// are created once and kept to the end, so their indices are the order of creation.
class WmfWriter
{
public:
    explicit WmfWriter(QSize windowExtent);

    struct Font {
        QByteArray face;
        int height = 0; // character height in logical units
        bool italic = false;
        std::uint8_t charset = 0;
    };
    int createFont(const Font& font);
    void select(int object);
    // Bytes in the selected font's character set; advances[i] is the distance to the next
    // character's origin.
    void text(int x, int y, const QByteArray& bytes, const QList<int>& advances);
    void line(int x1, int y1, int x2, int y2, int width);

    QByteArray finish();

private:
    void record(std::uint16_t function, const QList<std::int16_t>& words,
                const QByteArray& tail = {});

    QByteArray m_records;
    std::uint32_t m_maxRecordWords = 0;
    int m_objects = 0;
};
