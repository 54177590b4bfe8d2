#pragma once

#include <QString>

// Number texts in the locale's convention (decimalSeparator()), no thousands separators.

// Pattern "0." followed by maxDecimals "#": at least one integer digit, at most maxDecimals
// fraction digits rounded half away from zero on the value's 18-significant-digit expansion,
// trailing zeros and a bare separator dropped, "-" for negative values.
QString formatDecimals(long double value, int maxDecimals);

// The general text: 15 significant digits, exponent form ("1,5E-5", "2E20") exactly when the
// rounded value is below 0.0001 or at least 10^15; zero is "0".
QString generalFloatText(long double value);

// Fixed notation as for a mantissa: rounded to `precision` significant digits and to `decimals`
// fraction digits, then written with exactly `decimals` fraction digits (9.995 with 3 and 2 gives
// "10,00").
QString formatFixedDigits(long double value, int precision, int decimals);
