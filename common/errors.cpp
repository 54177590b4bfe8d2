#include "common/errors.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

ErrorPlace ErrorPlace::described(QString text)
{
    ErrorPlace place;
    place.text = std::move(text);
    return place;
}

ErrorPlace ErrorPlace::field(QString objectName)
{
    ErrorPlace place;
    place.control = std::move(objectName);
    return place;
}

ErrorPlace ErrorPlace::cell(QString objectName, int column, int row)
{
    ErrorPlace place = field(std::move(objectName));
    place.column = column;
    place.row = row;
    return place;
}

ErrorPlace ErrorPlace::inWindow(QString windowName) const
{
    ErrorPlace place = *this;
    place.window = std::move(windowName);
    return place;
}

ErrorPlace ErrorPlace::describedAs(QString description) const
{
    ErrorPlace place = *this;
    place.text = std::move(description);
    return place;
}

AppError::AppError(QString reason) : m_reason(std::move(reason))
{
    refreshWhat();
}

QString AppError::message() const
{
    return m_place.text.isEmpty() ? m_reason : m_place.text + u'\n' + m_reason;
}

void AppError::setPlace(const ErrorPlace& place)
{
    if (!m_place.isEmpty() || place.isEmpty())
        return;
    m_place = place;
    refreshWhat();
}

void AppError::describePlace(const QString& text)
{
    m_place.text = text;
    refreshWhat();
}

void AppError::refreshWhat()
{
    m_utf8 = message().toStdString();
}

QString filePlace(const QString& path)
{
    return u"Файл «"_s + path + u'»';
}

QString fileLinePlace(const QString& path, qint64 line)
{
    return filePlace(path) + u", строка "_s + QString::number(line);
}

namespace
{
bool breaksTheLine(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}
} // namespace

QString shownText(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        QString piece = c;
        if (breaksTheLine(c))
            piece =
                c.unicode() < 0x100
                    ? u"\\x"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0')
                    : u"\\u"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
        if (shown.size() + piece.size() > ShownTextLength)
            return shown + u'…';
        shown += piece;
    }
    return shown;
}

// Concatenation rather than arg(): the text itself may hold "%1".
EConvertError EConvertError::notFloat(const QString& text)
{
    return EConvertError(u"'"_s + shownText(text) + u"' is not a valid floating point value"_s);
}

EConvertError EConvertError::notInteger(const QString& text)
{
    return EConvertError(u"'"_s + shownText(text) + u"' is not a valid integer value"_s);
}

EConvertError EConvertError::notBoolean(const QString& text)
{
    return EConvertError(u"'"_s + shownText(text) + u"' is not a valid boolean value"_s);
}

EZeroDivide::EZeroDivide() : AppError(u"Floating point division by zero"_s) {}

EOverflow::EOverflow() : AppError(u"Floating point overflow"_s) {}

EInvalidOp::EInvalidOp() : AppError(u"Invalid floating point operation"_s) {}

EOutOfRange::EOutOfRange(int least, int most)
    : AppError(u"Значение должно лежать в пределах от "_s + QString::number(least) + u" до "_s +
               QString::number(most))
{
}

ENegativeValue::ENegativeValue(const QString& text)
    : AppError(u"Значение не может быть отрицательным: "_s + shownText(text))
{
}

EReadError::EReadError() : AppError(u"Read beyond end of file"_s) {}

EFileError EFileError::cannotSave(const QString& path, const QString& reason)
{
    return EFileError(u"Не удалось сохранить файл «"_s + path + u"»: "_s + reason);
}

EFileError EFileError::cannotOpen(const QString& path, const QString& reason)
{
    return EFileError(u"Не удалось открыть файл «"_s + path + u"»: "_s + reason);
}

EFileError EFileError::cannotRead(const QString& path, const QString& reason)
{
    return EFileError(u"Не удалось прочитать файл «"_s + path + u"»: "_s + reason);
}
