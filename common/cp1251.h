#pragma once

#include <QByteArray>
#include <QString>

// Code page 1251 at the file boundaries. Characters the code page lacks become "?".
QByteArray toCp1251(const QString& text);
QString fromCp1251(const QByteArray& bytes);

// The first character of text that the code page lacks (a surrogate pair whole), or an empty text
// when every character has its byte.
QString firstOutsideCp1251(const QString& text);

// The byte of c in the code page; false when the code page lacks c.
bool cp1251Byte(QChar c, char& byte);
