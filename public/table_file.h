#pragma once

// The table file "*.rrt" of the reference-table dialogs: code page 1251, one value per line; the
// column count, the row count, then the cells column by column (all rows of column 0 first).
// There is no header; the program only reads such files.

#include "common/errors.h"

#include <QByteArray>
#include <QString>

// The run-time library's input/output errors of a table file, in its words.
class ETableFileError : public AppError
{
public:
    using AppError::AppError;
    static ETableFileError fileNotFound();        // "File not found"
    static ETableFileError accessDenied();        // "File access denied"
    static ETableFileError diskReadError();       // "Disk read error"
    static ETableFileError invalidNumericInput(); // "Invalid numeric input"
};

// Where the reader puts what it reads, in the order it reads it: a failure leaves what was put
// before it.
class TableSink
{
public:
    virtual ~TableSink() = default;
    virtual void setColCount(int count) = 0;
    virtual void setRowCount(int count) = 0;
    virtual void setCell(int col, int row, const QString& text) = 0;
};

// Bounds that keep a damaged file from exhausting memory; beyond them a count is
// "Invalid numeric input".
inline constexpr int MaxTableCount = 1000;
inline constexpr int MaxTableCells = 100000;

// Lines end at LF, a CR before it dropped; byte 0x1A ends the file. A count line holds a decimal
// whole number after optional blanks, ended by a blank or the line's end; a count below 1 counts
// as 1, and so does a count line past the end of the file. Cells take whole lines, untrimmed;
// those past the end of the file are empty. Throws ETableFileError for a bad count, placed at its
// line of the file `path`.
void loadTable(TableSink& grid, const QByteArray& bytes, const QString& path);

// Reads the file at path into grid. Throws ETableFileError.
void LoadStringGrid(TableSink& grid, const QString& path);
