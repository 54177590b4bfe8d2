#include "common/number_parse.h"

#include "common/errors.h"

#include <QLocale>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace
{

// "." until start-up reads the user's setting, so that code run without it behaves like C.
std::atomic<char16_t> s_separator{u'.'};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

void skipSpaces(const QString& text, qsizetype& i)
{
    while (i < text.size() && text.at(i) == u' ')
        ++i;
}

// Appends a run of ASCII digits to `out`; returns how many there were.
qsizetype takeDigits(const QString& text, qsizetype& i, std::string& out)
{
    const qsizetype start = i;
    while (i < text.size() && isAsciiDigit(text.at(i))) {
        out += static_cast<char>(text.at(i).unicode());
        ++i;
    }
    return i - start;
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

} // namespace

QChar decimalSeparator()
{
    return QChar(s_separator.load());
}

void setDecimalSeparator(QChar separator)
{
    s_separator.store(separator.unicode());
}

void initDecimalSeparatorFromSystem()
{
    const QString point = QLocale::system().decimalPoint();
    setDecimalSeparator(point.isEmpty() ? QChar(u'.') : point.at(0));
}

// The grammar is checked here and rewritten as a plain C number, so the C library's locale never
// decides what is accepted. "5," and ",5" are numbers, as in the toolkit's reader; a lone
// separator is not. Only overflow is refused: a value too small for the extended type reads as
// its nearest representable value (possibly 0).
bool textToFloat(const QString& text, long double& value)
{
    const QChar separator = decimalSeparator();
    std::string plain;
    qsizetype i = 0;
    skipSpaces(text, i);
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        plain += static_cast<char>(text.at(i).unicode());
        ++i;
    }
    qsizetype digits = takeDigits(text, i, plain);
    if (i < text.size() && text.at(i) == separator) {
        plain += '.';
        ++i;
        digits += takeDigits(text, i, plain);
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text.at(i) == u'e' || text.at(i) == u'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
            plain += static_cast<char>(text.at(i).unicode());
            ++i;
        }
        if (takeDigits(text, i, plain) == 0)
            return false;
    }
    skipSpaces(text, i);
    if (i != text.size())
        return false;

    char* end = nullptr;
    const long double result = strtold_l(plain.c_str(), &end, cLocale());
    if (end != plain.c_str() + plain.size() || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

long double str2r(const QString& text)
{
    if (text.isEmpty())
        return 0.0L;
    QString copy = text;
    const QChar separator = decimalSeparator();
    if (!copy.contains(separator)) {
        const QChar other = separator == u'.' ? QChar(u',') : QChar(u'.');
        const qsizetype at = copy.indexOf(other);
        if (at >= 0)
            copy[at] = separator;
    }
    long double value = 0.0L;
    if (!textToFloat(copy, value))
        throw EConvertError::notFloat(copy);
    return value;
}

// Leading blanks only, as the toolkit's reader: "12 " is no whole number.
bool tryStrToInt(const QString& text, int& value)
{
    qsizetype i = 0;
    skipSpaces(text, i);
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    if (i == text.size())
        return false;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text.at(i)))
            return false;
        magnitude = magnitude * 10 + (text.at(i).unicode() - u'0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

int strToInt(const QString& text)
{
    int value = 0;
    if (!tryStrToInt(text, value))
        throw EConvertError::notInteger(text);
    return value;
}
