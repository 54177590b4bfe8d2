#include "common/errors.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

AppError::AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toStdString())
{
}

// Concatenation rather than arg(): the text itself may hold "%1".
EConvertError EConvertError::notFloat(const QString& text)
{
    return EConvertError(u"'"_s + text + u"' is not a valid floating point value"_s);
}

EConvertError EConvertError::notInteger(const QString& text)
{
    return EConvertError(u"'"_s + text + u"' is not a valid integer value"_s);
}

EConvertError EConvertError::notBoolean(const QString& text)
{
    return EConvertError(u"'"_s + text + u"' is not a valid boolean value"_s);
}

EZeroDivide::EZeroDivide() : AppError(u"Floating point division by zero"_s) {}

EOverflow::EOverflow() : AppError(u"Floating point overflow"_s) {}

EInvalidOp::EInvalidOp() : AppError(u"Invalid floating point operation"_s) {}

EReadError::EReadError() : AppError(u"Read beyond end of file"_s) {}

EFileError EFileError::cannotSave(const QString& path, const QString& reason)
{
    return EFileError(u"Не удалось сохранить файл «"_s + path + u"»: "_s + reason);
}

EFileError EFileError::cannotOpen(const QString& path, const QString& reason)
{
    return EFileError(u"Не удалось открыть файл «"_s + path + u"»: "_s + reason);
}
