#include "industrial/formatters.h"

#include "common/decimal_format.h"
#include "common/errors.h"
#include "common/number_parse.h"

#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace
{

// Small values as mantissa with exactly two decimals and an exponent between `opening` and
// `closing`. The mantissa is read back from the general text, so one that rounds up stays "10,00".
QString withExponent(long double value, int maxDecimals, const QString& opening,
                     const QString& closing)
{
    const QString general = generalFloatText(value).toUpper();
    const qsizetype e = general.indexOf(u'E');
    if (e < 0)
        return formatDecimals(value, maxDecimals);
    const QString mantissaText = general.left(e);
    const int exponent = strToInt(general.mid(e + 1));
    long double mantissa = 0.0L;
    if (!textToFloat(mantissaText, mantissa))
        throw EConvertError::notFloat(mantissaText);
    return formatFixedDigits(mantissa, 3, 2) + opening + QString::number(exponent) + closing;
}

// Negative values keep their general text; others as withExponent with at most 14 decimals.
QString reportNumber(long double value, const QString& opening, const QString& closing)
{
    if (!(value >= 0.0L))
        return generalFloatText(value);
    return withExponent(value, 14, opening, closing);
}

} // namespace

QString FormatFixed(std::uint8_t decimals, long double value)
{
    QString text = formatDecimals(value, decimals);
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0)
        text[comma] = u'.';
    return text;
}

QString FormatGridNumber(long double value)
{
    if (!(value >= 0.0L))
        return u'-' + formatDecimals(std::fabs(value), 5);
    return withExponent(value, 5, u"\u00B710^("_s, u")"_s);
}

QString FormatReportNumber(long double value)
{
    // In the RTF field instruction each doubled backslash stands for one.
    return reportNumber(value, u"\u00B710\\\\s\\\\up6("_s, u")"_s);
}

QString FormatReportNumberInText(long double value)
{
    // Outside an EQ field a reader would print the switch: RTF's own superscript group instead.
    return reportNumber(value, u"\u00B710{\\super "_s, u"}"_s);
}

QString BoolToDigit(bool flag)
{
    static const std::array<QString, 2> digits{u"0"_s, u"1"_s};
    return digits[flag ? 1 : 0];
}
