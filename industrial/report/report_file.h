#pragma once

#include <QByteArray>
#include <QString>

// The report file in the user's temporary folder, which other users share.

// The user's temporary folder (TMPDIR where set), ending with a separator.
QString TempDir();

// Creates a new file "temp" + n + ".rtf" in folder, n from `drawn` (0..254) on to the next free
// name; only when all 255 names exist is the drawn one removed (only our own can be) and created
// anew. An existing file or link is never opened, so nothing is written through a planted link
// or into someone else's file. Writes bytes, checks every write and the close, removes a partial
// file and returns the path. Throws EFileError ("Не удалось записать отчёт «PATH»: REASON").
QString WriteReportFile(const QString& folder, int drawn, const QByteArray& bytes);

// Writes the finished report text (in code page 1251, then the trailer) under a freshly drawn
// name in TempDir() and hands the file to the desktop. When the file cannot be written the error
// is thrown and nothing is opened.
void SaveAndOpenReport(const QString& reportText);
