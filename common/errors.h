#pragma once

#include <QString>
#include <exception>
#include <string>

// Failures that end a command and reach the user through the command guard. Each kind of failure
// has a type of its own; the message is what the error box shows, word for word.
class AppError : public std::exception
{
public:
    explicit AppError(QString message);
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// A text that is not a number of the expected kind.
class EConvertError : public AppError
{
public:
    using AppError::AppError;
    static EConvertError
    notFloat(const QString& text); // "'%s' is not a valid floating point value"
    static EConvertError notInteger(const QString& text); // "'%s' is not a valid integer value"
    static EConvertError notBoolean(const QString& text); // "'%s' is not a valid boolean value"
};

// "Floating point division by zero"
class EZeroDivide : public AppError
{
public:
    EZeroDivide();
};

// "Floating point overflow"
class EOverflow : public AppError
{
public:
    EOverflow();
};

// "Invalid floating point operation": a result that is not a number (the logarithm of a negative
// value, an infinite value times zero).
class EInvalidOp : public AppError
{
public:
    EInvalidOp();
};

// "Read beyond end of file"
class EReadError : public AppError
{
public:
    EReadError();
};

// A file that cannot be created, written or opened; names the file and the reason.
class EFileError : public AppError
{
public:
    using AppError::AppError;
    static EFileError cannotSave(const QString& path, const QString& reason);
    static EFileError cannotOpen(const QString& path, const QString& reason);
};
