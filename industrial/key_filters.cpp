#include "industrial/key_filters.h"

namespace
{

bool isDigit(QChar key)
{
    return key >= u'0' && key <= u'9';
}

} // namespace

QChar areaTableKey(QChar key)
{
    if (key == u'\b' || key == u'\t' || key == u',' || key == u'.' || isDigit(key))
        return key;
    return QChar();
}

QChar designGridKey(QChar key, const QString& text, QChar separator)
{
    if (!(isDigit(key) || key == u'\b' || key == separator))
        return QChar();
    if (key == separator && (text.isEmpty() || text.contains(separator)))
        return QChar();
    return key;
}

QChar numericFieldKey(QChar key)
{
    if (key == u'\b' || key == u'\t' || key == u',' || key == u'.' || isDigit(key))
        return key;
    return QChar();
}

QChar deviceCountKey(QChar key)
{
    if (key == u'\b' || key == u'\t' || isDigit(key))
        return key;
    return QChar();
}

QChar deviceGridKey(int column, QChar key, const QString& text, QChar separator)
{
    if (column == 2) {
        if (key == separator && text.isEmpty())
            return QChar();
        if (!(key == u'\b' || isDigit(key) || key == separator))
            return QChar();
    }
    if (key == separator && text.contains(separator))
        return QChar();
    if (column == 1 && !(key == u'\b' || isDigit(key)))
        return QChar();
    return key;
}
