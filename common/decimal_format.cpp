#include "common/decimal_format.h"

#include "common/number_parse.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A finite value as significant digits d0 d1 d2 ... (no trailing zeros) with d0 at 10^exponent.
// No digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

void dropTrailingZeros(Decimal& d)
{
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.exponent = 0;
}

// The 18-significant-digit expansion every rounding below starts from. printf writes its decimal
// point after LC_NUMERIC, so everything but the digits before the exponent is skipped.
Decimal expand(long double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", value);
    Decimal d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits += *p;
    }
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    dropTrailingZeros(d);
    return d;
}

// Keeps `count` significant digits, rounding half away from zero on the digit string.
void roundDigits(Decimal& d, int count)
{
    if (count >= static_cast<int>(d.digits.size()))
        return;
    if (count < 0) {
        d.digits.clear();
        dropTrailingZeros(d);
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(count));
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
            d.digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    dropTrailingZeros(d);
}

void roundToDecimals(Decimal& d, int decimals)
{
    if (!d.digits.empty())
        roundDigits(d, d.exponent + 1 + decimals);
}

// A value that rounded to zero is written without its sign.
QString fixedText(const Decimal& d, int minDecimals)
{
    const int count = static_cast<int>(d.digits.size());
    const auto digitAt = [&](int index) {
        return index >= 0 && index < count ? QLatin1Char(d.digits[static_cast<std::size_t>(index)])
                                           : QLatin1Char('0');
    };
    QString out;
    if (d.negative && count > 0)
        out += u'-';
    if (d.exponent < 0)
        out += u'0';
    for (int i = 0; i <= d.exponent; ++i)
        out += digitAt(i);
    QString fraction;
    for (int i = d.exponent + 1; i < count; ++i)
        fraction += digitAt(i);
    while (fraction.size() < minDecimals)
        fraction += u'0';
    if (!fraction.isEmpty())
        out += decimalSeparator() + fraction;
    return out;
}

QString nonFiniteText(long double value)
{
    if (std::isnan(value))
        return u"NAN"_s;
    return value < 0.0L ? u"-INF"_s : u"INF"_s;
}

} // namespace

QString formatDecimals(long double value, int maxDecimals)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    Decimal d = expand(value);
    roundToDecimals(d, maxDecimals);
    return fixedText(d, 0);
}

QString formatFixedDigits(long double value, int precision, int decimals)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    // One rounding at the nearer of the two limits: rounding twice could carry into a 5.
    Decimal d = expand(value);
    if (!d.digits.empty())
        roundDigits(d, std::min(precision, d.exponent + 1 + decimals));
    return fixedText(d, decimals);
}

QString generalFloatText(long double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    Decimal d = expand(value);
    roundDigits(d, 15);
    if (d.digits.empty())
        return u"0"_s;
    if (d.exponent >= -4 && d.exponent < 15)
        return fixedText(d, 0);
    QString out;
    if (d.negative)
        out += u'-';
    out += QLatin1Char(d.digits[0]);
    if (d.digits.size() > 1)
        out += decimalSeparator() + QLatin1String(d.digits.data() + 1);
    out += u'E' + QString::number(d.exponent);
    return out;
}
