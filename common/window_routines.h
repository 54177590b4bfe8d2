#pragma once

#include <QRect>
#include <QString>

class QPainter;
class QWidget;
class StringGrid;

// Window routines that every main window binds.

// Cell drawing of every string grid: fill, then the cell's text (its first DrawnTextLength
// characters, common/cell_text.h) centred and word-wrapped from the top; a row lower than the
// text becomes the text's height plus 10 (rows never shrink).
void StringGrid1DrawCell(StringGrid& grid, int col, int row, const QRect& rect, QPainter& painter);
int grownRowHeight(int rowHeight, int textHeight);

// Close confirmation of a main window; canClose becomes true exactly when the user answers Yes.
void FormCloseQuery(QWidget* mainWindow, bool& canClose);

// Opens the help document that lies beside the program.
void TBHelpClick(const QString& documentName);

// Asks the main window to close (that asks the close question) and, if it did, ends the program.
void TBExitClick(QWidget* mainWindow);
