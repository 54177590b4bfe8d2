#pragma once

#include <QString>
#include <exception>
#include <string>

// Where the text of a failure stands. A place already described (a file and its line), or a
// control of a window named by its object name and, in a grid, the cell, or both; the command
// guard turns a control without a description into its caption (common/error_place.h) and gives
// it the focus.
struct ErrorPlace {
    QString text;
    QString control;
    int column = -1;
    int row = -1;
    // The object name of the window the control stands in, where another window has a control of
    // the same name; empty: the owner's window first, then every other.
    QString window;

    static ErrorPlace described(QString text);
    static ErrorPlace field(QString objectName);
    static ErrorPlace cell(QString objectName, int column, int row);
    ErrorPlace inWindow(QString windowName) const;
    // The control with the description given: the box shows `description`, the control still
    // gets the focus.
    ErrorPlace describedAs(QString description) const;
    bool isEmpty() const { return text.isEmpty() && control.isEmpty(); }
};

// Failures that end a command and reach the user through the command guard. Each kind of failure
// has a type of its own. The reason is the toolkit's message, word for word; the message the
// error box shows is the reason after a line that names the place, once a place is known.
class AppError : public std::exception
{
public:
    explicit AppError(QString reason);
    QString message() const;
    const QString& reason() const noexcept { return m_reason; }
    const ErrorPlace& place() const noexcept { return m_place; }
    // The innermost place wins: a place already set is kept.
    void setPlace(const ErrorPlace& place);
    // Replaces a control by its description, once the user interface has found it.
    void describePlace(const QString& text);
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    void refreshWhat();

    QString m_reason;
    ErrorPlace m_place;
    std::string m_utf8;
};

// Runs f; a failure it throws learns the place of the text f reads, unless it knows one already.
template <class F> decltype(auto) atPlace(const ErrorPlace& place, F&& f)
{
    try {
        return f();
    } catch (AppError& error) {
        error.setPlace(place);
        throw;
    }
}

// The description of a file, "Файл «PATH»", and of a line of it, "Файл «PATH», строка N".
QString filePlace(const QString& path);
QString fileLinePlace(const QString& path, qint64 line);

// A bad text as a message quotes it: control characters, which would end or break the line the
// box shows (a binary file holds NUL bytes), written as \xNN or \uNNNN, and a text longer than
// ShownTextLength characters cut there with "…".
constexpr qsizetype ShownTextLength = 100;
QString shownText(const QString& text);

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

// A value outside the range it can have: "Значение должно лежать в пределах от LEAST до MOST".
class EOutOfRange : public AppError
{
public:
    EOutOfRange(int least, int most);
};

// A time, a count or a probability below zero: "Значение не может быть отрицательным: TEXT".
class ENegativeValue : public AppError
{
public:
    explicit ENegativeValue(const QString& text);
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
    // A file opened that fails while it is read.
    static EFileError cannotRead(const QString& path, const QString& reason);
};
