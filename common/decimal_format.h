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
