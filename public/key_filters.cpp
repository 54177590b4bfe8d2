#include "public/key_filters.h"

QChar numericEditKey(QChar key, const QString& text, QChar separator)
{
    if (key == u'\b' || (key >= u'0' && key <= u'9'))
        return key;
    if (key == u',' || key == u'.')
        return text.contains(separator) ? QChar() : separator;
    return QChar();
}
