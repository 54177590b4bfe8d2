// Opening large "*.rri" files, chosen by mistake or made to hurt: the time until the file is
// refused or loaded into the main window, and the memory it takes. Run by hand:
//   cmake --build build --target parameters_read_bench && build/bench/parameters_read_bench [RUNS]
// Cases: 100 MB of line feeds; a fresh header with a design-point count of 1,666,667 and 10 MB of
// line feeds; the highest count the reader takes with 100 MB of line feeds after it; a whole file
// at that count, loaded into the window's grid; one line of 100 MB. Goal for each: within 1 s, and
// under 300 MB of memory at the peak of the process (the window case: within 5 s).
#include "common/errors.h"
#include "common/string_grid.h"
#include "industrial/parameters_file.h"
#include "industrial/ui/globals.h"
#include "industrial/ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <vector>

namespace
{

// The lines of a fresh object up to the design-point count: working time, method, area table,
// single area, room type, object kind.
const QByteArray Head =
    "8\r\n247\r\n0\r\n10\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n";
// The four system items, the design point and the fire-room mark.
const QByteArray Tail = "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

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

double peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
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

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString lineFeeds = dir.filePath(QStringLiteral("line_feeds.rri"));
    const QString promised = dir.filePath(QStringLiteral("promised.rri"));
    const QString atBound = dir.filePath(QStringLiteral("at_bound.rri"));
    const QString whole = dir.filePath(QStringLiteral("whole.rri"));
    const QString oneLine = dir.filePath(QStringLiteral("one_line.rri"));
    const QByteArray boundCount = QByteArray::number(ParametersMaxDesignPoints + 1) + "\r\n";
    if (!writeLarge(lineFeeds, {}, 100 << 20) ||
        !writeLarge(promised, Head + "1666667\r\n", 10 << 20) ||
        !writeLarge(atBound, Head + boundCount, 100 << 20) ||
        !writeLarge(oneLine, {}, 100 << 20, {}, '7') ||
        !writeLarge(whole, Head + boundCount, 6 * ParametersMaxDesignPoints, Tail))
        return 2;

    bool met = true;
    QString message;
    const auto report = [&](const char* name, double ms, double goalMs,
                            const char* measure = "median") {
        const double peak = peakMb();
        std::printf("%s:\n  \"%s\"\n  %s %.1f ms (goal: under %.0f ms), peak memory of the "
                    "process so far %.1f MB (goal: under 300 MB)\n",
                    name, qPrintable(message.replace(QLatin1Char('\n'), QLatin1String(" / "))),
                    measure, ms, goalMs, peak);
        met = met && ms < goalMs && peak < 300.0;
    };

    report("100 MB of line feeds",
           timed(
               runs, [&] { return readMessage(lineFeeds); }, message),
           1000.0);
    report("count 1666667, then 10 MB of line feeds",
           timed(
               runs, [&] { return readMessage(promised); }, message),
           1000.0);
    report("count at the bound, then 100 MB of line feeds",
           timed(
               runs, [&] { return readMessage(atBound); }, message),
           1000.0);
    report("one line of 100 MB",
           timed(
               runs, [&] { return readMessage(oneLine); }, message),
           1000.0);

    // The real command's load into the window: the grid gets every design point.
    TForm1 form;
    form.show();
    QApplication::processEvents();
    const auto load = [&] {
        Zdanie->FileName = whole;
        try {
            form.LoadParameters();
            QApplication::processEvents(); // the grid's first paint
            return QStringLiteral("loaded, %1 grid rows").arg(form.StringGrid1->rowCount());
        } catch (const AppError& error) {
            return error.message();
        }
    };
    // The first load is the one that makes the rows: its time is the one to judge.
    double first = 0.0;
    const double median = timed(runs, load, message, &first);
    std::printf("(median of the loads %.1f ms)\n", median);
    report("whole file at the bound into the main window", first, 5000.0, "first load");
    return met ? 0 : 1;
}
