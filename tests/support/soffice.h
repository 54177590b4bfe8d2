#pragma once

#include <QString>

// LibreOffice, the reader a Debian desktop opens RTF with, as a test oracle.

// Converts file with "soffice --headless --convert-to FILTER" under a profile of its own (two
// conversions sharing one profile lose one) and returns the converted file's path in outFolder.
// A start that ends by a signal is tried once more with a fresh profile. On failure (soffice
// missing, timed out, no output) returns an empty text and sets *error, with what every start said.
QString sofficeConvert(const QString& file, const QString& filter, const QString& extension,
                       const QString& outFolder, QString* error);

// An RTF file read back as UTF-8 text, one paragraph a line. Fails the current test and returns
// an empty text when the conversion fails.
QString rtfToText(const QString& rtfFile);
