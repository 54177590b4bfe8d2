#pragma once

#include <QString>

// Passes over finished RTF text that make the report readable in readers which do not compute
// EQ fields or which need every table paragraph marked.

// Gives every EQ field a result group right after its instruction group: the instruction's
// character words less revision words, a space, and the equation with "\\s\\upN(X)" as
// "{\super X}", "\\s\\doN(X)" as "{\sub X}" and paragraph words dropped. A field that has a
// result, or is no EQ field, is left alone. Escaped characters never count as braces or
// parentheses, and the text need not be balanced.
QString AddEqFieldResults(const QString& rtf);

// "\intbl" after every "\pard" of a table cell's text, so that the reader keeps the paragraph,
// and any paragraph nested in it, inside the cell.
QString InTableCell(const QString& rtf);
