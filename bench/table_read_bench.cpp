// Kestrum's start-up and the opening of its evacuation-start dialog with large table files beside
// it: the time from making the main window to both table dialogs made (each reads its table
// then), the time to show the dialog with its first paint, and the memory it takes. Run by hand:
//   cmake --build build --target table_read_bench && build/bench/table_read_bench
// Each case runs in a process of its own (bench/case_process.h). Goals: start-up within 1 s, the
// dialog shown within 1 s, under 300 MB of memory at the peak of the process.
#include "bench/case_process.h"
#include "bench/words_file.h"
#include "common/platform.h"
#include "public/table_file.h"
#include "public/ui/evacuation_start_dialog.h"
#include "public/ui/main_window.h"
#include "public/ui/table_grid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace
{

constexpr int LineBound = MaxTableLineLength;
constexpr qint64 SizeBound = MaxTableBytes;

// A table of cols × rows cells, each `cellLength` bytes of words, so that the grid wraps them as
// it would real ones.
bool writeTable(const QString& path, int cols, int rows, qint64 cellLength)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written =
        file.write(QByteArray::number(cols) + "\r\n" + QByteArray::number(rows) + "\r\n") > 0;
    for (qint64 n = 0; n < qint64(cols) * rows && written; ++n)
        written = writeWords(file, QStringLiteral("Время начала эвакуации "), cellLength);
    return written && file.flush();
}

double msSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Start-up with "table1.rrt" made by `make` and a small "table2.rrt", then the opening of the
// dialog that shows "table1.rrt".
bool tableCase(int argc, char** argv, const char* name,
               const std::function<bool(const QString&)> make)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!make(dir.filePath(QStringLiteral("table1.rrt"))) ||
        !writeTable(dir.filePath(QStringLiteral("table2.rrt")), 2, 3, 8))
        return false;
    QString shown = QStringLiteral("no error box");
    platform::hooks().showError = [&shown](QWidget*, const QString&, const QString& text) {
        shown = text;
    };

    QElapsedTimer timer;
    timer.start();
    TMainForm form;
    form.createTableDialogs(dir.path() + QLatin1Char('/'));
    form.show();
    QApplication::processEvents();
    const double startMs = msSince(timer);
    const double startPeak = peakMb();
    TableGrid* grid = form.ODlg2->StringGrid1;
    std::printf("%s:\n  \"%s\", %d × %d cells\n  start-up %.1f ms (goal: under 1000 ms), peak "
                "memory %.1f MB (goal: under 300 MB)\n",
                name, qPrintable(shown.replace(QLatin1Char('\n'), QLatin1String(" / "))),
                grid->columnCount(), grid->rowCount(), startMs, startPeak);

    timer.restart();
    form.ODlg2->show();
    QApplication::processEvents(); // the first paint
    const double openMs = msSince(timer);
    const double openPeak = peakMb();
    std::printf("  the dialog shown %.1f ms (goal: under 1000 ms), peak memory %.1f MB (goal: "
                "under 300 MB)\n",
                openMs, openPeak);
    form.ODlg2->hide();
    return startMs < 1000.0 && openMs < 1000.0 && openPeak < 300.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto table = [](const char* name, std::function<bool(const QString&)> make) {
        return BenchCase{name, [name, make](int argc, char** argv, int) {
                             return tableCase(argc, argv, name, make);
                         }};
    };
    // The header lines of a table, at most.
    constexpr qint64 Header = 16;
    return runCases(
        argc, argv,
        {table("table1.rrt of one cell of 100 MB",
               [](const QString& path) { return writeTable(path, 1, 1, 100 << 20); }),
         table("table1.rrt of 10 cells of 10 MB",
               [](const QString& path) { return writeTable(path, 2, 5, 10 << 20); }),
         table("widest table the bounds accept: cells at the line bound up to the size bound",
               [](const QString& path) {
                   const int cells = static_cast<int>((SizeBound - Header) / (LineBound + 2));
                   return writeTable(path, 2, cells / 2, LineBound);
               }),
         table("the most cells the bounds accept, up to the size bound", [](const QString& path) {
             const int cells = MaxTableCells;
             return writeTable(path, MaxTableCells / MaxTableCount, MaxTableCount,
                               (SizeBound - Header) / cells - 2);
         })});
}
