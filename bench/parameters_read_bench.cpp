// Opening large "*.rri" files, chosen by mistake or made to hurt: the time until the file is
// refused or loaded into the main window, the memory it takes, and how fast the window answers a
// click afterwards. Run by hand:
//   cmake --build build --target parameters_read_bench && build/bench/parameters_read_bench [RUNS]
// Each case runs in a process of its own (bench/case_process.h). Goals: refused within 1 s, a
// load into the window within 5 s, a click on the grid answered within 100 ms, and under 300 MB
// of memory at the peak of the process.
#include "bench/case_process.h"
#include "bench/words_file.h"
#include "common/errors.h"
#include "common/string_grid.h"
#include "industrial/parameters_file.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace
{

// The lines of a fresh object up to the design-point count: working time, method, area table,
// single area, room type, object kind.
const QByteArray Head =
    "8\r\n247\r\n0\r\n10\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n";
// The four system items, the design point and the fire-room mark.
const QByteArray Tail = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
// The other five cells of a design point, each a line.
const QByteArray PointCells[] = {"0,5\r\n", "2\r\n", "3\r\n", "0,5\r\n", "\r\n"};
constexpr int LineBound = ParametersMaxLineLength;

bool writeLarge(const QString& path, const QByteArray& head, qint64 lineFeeds,
                const QByteArray& tail = {}, char fill = '\n')
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size())
        return false;
    const QByteArray block(1 << 20, fill);
    for (qint64 left = lineFeeds; left > 0; left -= block.size()) {
        const qint64 size = std::min<qint64>(left, block.size());
        if (file.write(block.constData(), size) != size)
            return false;
    }
    return file.write(tail) == tail.size() && file.flush();
}

// A file of `points` design points whose names are `nameLength` bytes of words, so that the grid
// wraps them as it would real ones; the other cells short numbers.
bool writePoints(const QString& path, int points, qint64 nameLength)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = file.write(Head + QByteArray::number(points + 1) + "\r\n") > 0;
    for (int p = 0; p < points && written; ++p)
        written = writeWords(file, QStringLiteral("Расчетная точка "), nameLength);
    for (const QByteArray& cell : PointCells)
        for (int p = 0; p < points && written; ++p)
            written = file.write(cell) == cell.size();
    return written && file.write(Tail) == Tail.size() && file.flush();
}

// Median milliseconds of `runs` runs of `open`, which returns the message it ended with.
double timed(int runs, const std::function<QString()>& open, QString& message,
             double* first = nullptr)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        message = open();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    if (first)
        *first = times.front();
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

QString readMessage(const QString& path)
{
    try {
        readParametersFile(path);
        return QStringLiteral("loaded");
    } catch (const AppError& error) {
        return error.message();
    }
}

bool report(const char* name, QString message, double ms, double goalMs,
            const char* measure = "median")
{
    const double peak = peakMb();
    std::printf("%s:\n  \"%s\"\n  %s %.1f ms (goal: under %.0f ms), peak memory of the "
                "process so far %.1f MB (goal: under 300 MB)\n",
                name, qPrintable(message.replace(QLatin1Char('\n'), QLatin1String(" / "))), measure,
                ms, goalMs, peak);
    return ms < goalMs && peak < 300.0;
}

// A file made by `make` in a temporary folder, refused or read by the reader alone.
bool readerCase(const char* name, int runs, const std::function<bool(const QString&)>& make)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.rri"));
    if (!make(path))
        return false;
    QString message;
    const double ms = timed(
        runs, [&] { return readMessage(path); }, message);
    return report(name, message, ms, 1000.0);
}

// The texts of the grid's visible cells as assistive technology fetches them, in UTF-8 as they
// go on the bus; returns their bytes.
qsizetype fetchVisibleCells(StringGrid* grid)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    if (!cells)
        return 0;
    const QRect view = grid->viewport()->rect();
    const int top = std::max(0, grid->rowAt(view.top()));
    int bottom = grid->rowAt(view.bottom());
    if (bottom < 0)
        bottom = grid->rowCount() - 1;
    const int left = std::max(0, grid->columnAt(view.left()));
    int right = grid->columnAt(view.right());
    if (right < 0)
        right = grid->columnCount() - 1;
    qsizetype bytes = 0;
    for (int row = top; row <= bottom; ++row)
        for (int col = left; col <= right; ++col)
            if (QAccessibleInterface* cell = cells->cellAt(row, col))
                bytes += cell->text(QAccessible::Name).toUtf8().size();
    return bytes;
}

// The load command's work on a file made by `make`, or else the grid's first data row given a
// name by `put`, into a shown main window; then clicks on the grid's first data row, each
// answered by a repaint of the grid. With `accessible`, assistive technology is on and fetches the
// visible cells after the load and after each click.
bool windowCase(const char* name, int runs, bool accessible,
                const std::function<bool(const QString&)>& make,
                const std::function<QString()>& put = {})
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.rri"));
    if (make && !make(path))
        return false;
    const QString putName = put ? put() : QString();
    if (accessible)
        QAccessible::setActive(true);
    TForm1 form;
    form.show();
    QApplication::processEvents();
    StringGrid* grid = form.StringGrid1;
    const auto answered = [&] {
        QApplication::processEvents(); // the repaint
        if (accessible)
            fetchVisibleCells(grid);
    };

    QElapsedTimer timer;
    timer.start();
    QString message;
    if (put) {
        grid->setCells(0, 1, putName);
        message = QStringLiteral("a name of %1 characters put into the grid").arg(putName.size());
    } else {
        Zdanie->FileName = path;
        try {
            form.LoadParameters();
            message = QStringLiteral("loaded, %1 grid rows").arg(grid->rowCount());
        } catch (const AppError& error) {
            message = error.message();
        }
    }
    answered();
    const double openMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    bool met = report(name, message, openMs, 5000.0,
                      put ? "put with its first paint" : "load with its first paint");

    // Two cells by turns, so that every click moves the selection.
    QString clicked;
    const double clickMs = timed(
        std::min(runs, 3),
        [&] {
            static int turn = 0;
            const QModelIndex cell = grid->model()->index(1, 1 + turn++ % 2);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(cell).center());
            // The whole grid, as when the click gives it the focus or brings its window up.
            grid->viewport()->update();
            answered();
            return QStringLiteral("clicked, current cell (%1, %2)")
                .arg(grid->currentColumn())
                .arg(grid->currentRow());
        },
        clicked);
    met = report("  a click on the grid afterwards", clicked, clickMs, 100.0) && met;
    return met;
}

// Under 32 MB, one design point whose name is 31 MB.
bool writeLongName(const QString& path)
{
    return writePoints(path, 1, 31 << 20);
}

// The most the bounds let through: design points named with lines at the line bound, as many as
// the file-size bound holds.
bool writeWidestAccepted(const QString& path)
{
    qint64 perPoint = LineBound + 2;
    for (const QByteArray& cell : PointCells)
        perPoint += cell.size();
    const qint64 room = ParametersMaxBytes - Head.size() - Tail.size() - 8;
    const int points =
        static_cast<int>(std::min<qint64>(room / perPoint, ParametersMaxDesignPoints));
    return writePoints(path, points, LineBound);
}

// A whole file at the design-point bound.
bool writeWhole(const QString& path)
{
    return writeLarge(path, Head + QByteArray::number(ParametersMaxDesignPoints + 1) + "\r\n",
                      6 * ParametersMaxDesignPoints, Tail);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray boundCount = QByteArray::number(ParametersMaxDesignPoints + 1) + "\r\n";
    const auto reader = [](const char* name, std::function<bool(const QString&)> make) {
        return BenchCase{name, [name, make](int argc, char** argv, int runs) {
                             QApplication app(argc, argv);
                             return readerCase(name, runs, make);
                         }};
    };
    const auto window = [](const char* name, bool accessible,
                           std::function<bool(const QString&)> make) {
        return BenchCase{name, [name, accessible, make](int argc, char** argv, int runs) {
                             QApplication app(argc, argv);
                             return windowCase(name, runs, accessible, make);
                         }};
    };
    return runCases(
        argc, argv,
        {reader("100 MB of line feeds",
                [](const QString& path) { return writeLarge(path, {}, 100 << 20); }),
         reader(
             "count 1666667, then 10 MB of line feeds",
             [](const QString& path) { return writeLarge(path, Head + "1666667\r\n", 10 << 20); }),
         reader("count at the bound, then 100 MB of line feeds",
                [boundCount](const QString& path) {
                    return writeLarge(path, Head + boundCount, 100 << 20);
                }),
         reader("one line of 100 MB",
                [](const QString& path) { return writeLarge(path, {}, 100 << 20, {}, '7'); }),
         window("whole file at the design-point bound into the main window", false, writeWhole),
         window("one design-point name of 31 MB into the main window", false, writeLongName),
         window("one design-point name of 31 MB, assistive technology on", true, writeLongName),
         BenchCase{"one design-point name of 31 MB put into the grid, assistive technology on",
                   [](int argc, char** argv, int runs) {
                       QApplication app(argc, argv);
                       return windowCase(
                           "one design-point name of 31 MB put into the grid, assistive "
                           "technology on",
                           runs, true, {}, [] {
                               QString name;
                               while (name.size() < (31 << 20))
                                   name += QStringLiteral("Расчетная точка ");
                               return name;
                           });
                   }},
         window("widest file the bounds accept into the main window", false, writeWidestAccepted),
         window("widest file the bounds accept, assistive technology on", true,
                writeWidestAccepted)});
}
