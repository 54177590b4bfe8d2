#pragma once

#include <QChar>
#include <QString>

// The decimal separator of the user's locale: one process-wide setting, read once at start-up.
QChar decimalSeparator();
void setDecimalSeparator(QChar separator); // tests and start-up only
void initDecimalSeparatorFromSystem();     // QLocale::system().decimalPoint()

// The locale's number reader: optional blanks, sign, digits with an optional locale separator and
// fraction, optional exponent, optional blanks; nothing else. False when the text is no number or
// lies outside the extended range. Never depends on the C library's locale.
bool textToFloat(const QString& text, long double& value);

// A user-typed number, "," or "." as separator whatever the locale; empty text gives 0.
// Throws EConvertError ("'%s' is not a valid floating point value").
long double str2r(const QString& text);

// A whole number as the toolkit reads it (blanks, sign, decimal digits, 32-bit range).
bool tryStrToInt(const QString& text, int& value);
int strToInt(const QString& text); // throws EConvertError ("'%s' is not a valid integer value")
