#include "common/cp1251.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace
{

// The code page as two tables, built once from Qt's converter. The converter itself marks
// unmappable characters with SUB (0x1A), which is indistinguishable from a real U+001A.
struct Cp1251Tables {
    std::array<QChar, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    Cp1251Tables()
    {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        QStringDecoder decoder("windows-1251");
        const QString decoded = decoder.decode(all);
        for (int i = 0; i < 256 && i < decoded.size(); ++i) {
            toUnicode[static_cast<std::size_t>(i)] = decoded.at(i);
            if (decoded.at(i) != QChar::ReplacementCharacter)
                fromUnicode.insert(decoded.at(i).unicode(), static_cast<char>(i));
        }
    }
};

const Cp1251Tables& tables()
{
    static const Cp1251Tables instance;
    return instance;
}

// UTF-16 units of the character at i. Surrogates have no byte, so a pair is one "?", not two.
qsizetype charLength(const QString& text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
               ? 2
               : 1;
}

} // namespace

QByteArray toCp1251(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); i += charLength(text, i)) {
        char byte = '?';
        cp1251Byte(text.at(i), byte);
        bytes += byte;
    }
    return bytes;
}

QString firstOutsideCp1251(const QString& text)
{
    const auto& map = tables().fromUnicode;
    for (qsizetype i = 0; i < text.size(); i += charLength(text, i))
        if (!map.contains(text.at(i).unicode()))
            return text.mid(i, charLength(text, i));
    return QString();
}

bool cp1251Byte(QChar c, char& byte)
{
    const auto& map = tables().fromUnicode;
    const auto found = map.constFind(c.unicode());
    if (found == map.cend())
        return false;
    byte = *found;
    return true;
}

QString fromCp1251(const QByteArray& bytes)
{
    const auto& map = tables().toUnicode;
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes)
        text += map[static_cast<unsigned char>(b)];
    return text;
}
