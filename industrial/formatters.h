#pragma once

#include <QString>
#include <cstdint>

// Values put back into edits, grids and the parameters file: at most `decimals` fraction digits,
// always "." as separator.
QString FormatFixed(std::uint8_t decimals, long double value);

// Results list: at most 5 decimals, small values as "9,90·10^(-5)", the locale's separator.
QString FormatGridNumber(long double value);

// Report: at most 14 decimals, the exponent as an equation-field superscript.
QString FormatReportNumber(long double value);
// The same for the report's running text outside EQ fields: the exponent as "{\super N}".
QString FormatReportNumberInText(long double value);

// "0" or "1".
QString BoolToDigit(bool flag);
