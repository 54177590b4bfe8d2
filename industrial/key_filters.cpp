#include "industrial/key_filters.h"

namespace
{

bool isDigit(QChar key)
{
    return key >= u'0' && key <= u'9';
}

// The separator the locale does not use, as the number reader sees it: "," under a "." locale,
// "." under any other.
QChar otherSeparator(QChar separator)
{
    return separator == u'.' ? QChar(u',') : QChar(u'.');
}

bool isSeparator(QChar key, QChar separator)
{
    return key == separator || key == otherSeparator(separator);
}

// Either separator typed into a number cell is typed as the locale's: never first, and only
// while the number holds no separator yet.
QChar numberSeparator(const QString& text, QChar separator)
{
    if (text.isEmpty() || text.contains(separator) || text.contains(otherSeparator(separator)))
        return QChar();
    return separator;
}

} // namespace

QChar designGridKey(QChar key, const QString& text, QChar separator)
{
    if (isSeparator(key, separator))
        return numberSeparator(text, separator);
    if (isDigit(key) || key == u'\b')
        return key;
    return QChar();
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
        if (isSeparator(key, separator))
            return numberSeparator(text, separator);
        if (key == u'\b' || isDigit(key))
            return key;
        return QChar();
    }
    // A name may hold one separator of the locale; the other one is just a character in it.
    if (key == separator && text.contains(separator))
        return QChar();
    if (column == 1 && !(key == u'\b' || isDigit(key)))
        return QChar();
    return key;
}
