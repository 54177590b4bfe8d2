#include "common/window_routines.h"

#include "common/cell_text.h"
#include "common/platform.h"
#include "common/string_grid.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

int grownRowHeight(int rowHeight, int textHeight)
{
    return rowHeight < textHeight ? textHeight + 10 : rowHeight;
}

void StringGrid1DrawCell(StringGrid& grid, int col, int row, const QRect& rect, QPainter& painter)
{
    painter.fillRect(rect, painter.brush());
    // Only the drawn text is laid out: a cell of megabytes would take seconds at every repaint.
    const QString text = drawnText(grid.cells(col, row));
    if (text.isEmpty())
        return;
    const int height = platform::drawWrappedText(painter, rect, text);
    const int grown = grownRowHeight(grid.rowHeight(row), height);
    if (grown != grid.rowHeight(row))
        grid.setRowHeight(row, grown);
}

void FormCloseQuery(QWidget* mainWindow, bool& canClose)
{
    canClose = platform::askYesNo(mainWindow, mainWindow ? mainWindow->windowTitle() : QString(),
                                  QStringLiteral("Вы, действительно, хотите закрыть программу?"));
}

void TBHelpClick(const QString& documentName)
{
    platform::openDocument(platform::programFolder() + documentName);
}

void TBExitClick(QWidget* mainWindow)
{
    if (mainWindow && mainWindow->close())
        QCoreApplication::quit();
}
