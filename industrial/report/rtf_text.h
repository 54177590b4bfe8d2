#pragma once

#include <QByteArray>
#include <QString>

// A text the user typed, made safe to stand in the report's RTF: "\", "{" and "}" escaped, and
// every UTF-16 unit outside code page 1251 written as "\uN?" (N signed 16-bit; a character beyond
// 16 bits gives two), so that nothing turns into a silent "?".
QString RtfEscape(const QString& text);

// The report's RTF text in code page 1251. A character the code page lacks is written as "\uN?"
// as in RtfEscape; the text's own backslashes and braces are kept.
QByteArray RtfBytes(const QString& rtf);
