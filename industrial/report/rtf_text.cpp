#include "industrial/report/rtf_text.h"

#include "common/cp1251.h"

#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace
{

// The header's \uc1 lets one fallback character follow each \u.
QString unicodeEscape(QChar c)
{
    return u"\\u"_s + QString::number(static_cast<std::int16_t>(c.unicode())) + u'?';
}

} // namespace

QString RtfEscape(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    char byte = 0;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'{' || c == u'}')
            escaped += u'\\' + c;
        else if (cp1251Byte(c, byte))
            escaped += c;
        else
            escaped += unicodeEscape(c);
    }
    return escaped;
}

QByteArray RtfBytes(const QString& rtf)
{
    QByteArray bytes;
    bytes.reserve(rtf.size());
    char byte = 0;
    for (const QChar c : rtf) {
        if (cp1251Byte(c, byte))
            bytes += byte;
        else
            bytes += unicodeEscape(c).toLatin1();
    }
    return bytes;
}
