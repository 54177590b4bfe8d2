#pragma once

// The table file "*.rrt" of the reference-table dialogs: code page 1251, one value per line; the
// column count, the row count, then the cells column by column (all rows of column 0 first).
// There is no header; the program only reads such files.

#include "common/errors.h"

#include <QByteArray>
#include <QString>

class QIODevice;

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

// A file larger, or with a line longer, than any table the program reads.
class ETableTooLarge : public AppError
{
public:
    using AppError::AppError;
    static ETableTooLarge fileTooLong();
    static ETableTooLarge lineTooLong();
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
// The largest file, in bytes: over a thousand times a delivered table (under 1 kB), and little
// enough that the largest file keeps start-up and the dialogs quick and small.
inline constexpr qint64 MaxTableBytes = qint64(1) << 20;
// The longest line, in bytes without its end.
inline constexpr int MaxTableLineLength = 4096;

// Lines end at LF, a CR before it dropped; byte 0x1A ends the file. A count line holds a decimal
// whole number after optional blanks, ended by a blank or the line's end; a count below 1 counts
// as 1, and so does a count line past the end of the file. Cells take whole lines, untrimmed;
// those past the end of the file are empty. The device is read in pieces as far as the cells go.
// Throws ETableFileError for a bad count, placed at its line of the file `path`, or for a device
// that fails to read; ETableTooLarge for a device of more than MaxTableBytes, placed at the file,
// and for a line longer than MaxTableLineLength, placed at its line, before it is held whole.
void loadTable(TableSink& grid, QIODevice& device, const QString& path);
void loadTable(TableSink& grid, const QByteArray& bytes, const QString& path);

// Reads the file at path into grid. Throws ETableFileError and ETableTooLarge.
void LoadStringGrid(TableSink& grid, const QString& path);
