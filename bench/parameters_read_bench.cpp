// Opening a 100 MB "*.rri" of line feeds, a file chosen by mistake: the time until its error and
// the memory it takes. Run by hand:
//   cmake --build build --target parameters_read_bench && build/bench/parameters_read_bench [RUNS]
// Goal: the error within 1 s, under 300 MB of memory at the peak.
#include "common/errors.h"
#include "industrial/parameters_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.rri"));
    {
        QFile file(path);
        const QByteArray block(1 << 20, '\n');
        if (!file.open(QIODevice::WriteOnly))
            return 2;
        for (int i = 0; i < 100; ++i)
            if (file.write(block) != block.size())
                return 2;
        if (!file.flush())
            return 2;
    }

    std::vector<double> times;
    QString message;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        try {
            readParametersFile(path);
        } catch (const AppError& error) {
            message = error.message();
        }
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    const double median = times.at(times.size() / 2);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    std::printf("100 MB of line feeds: \"%s\" after a median %.3f ms (goal: under 1000 ms)\n",
                qPrintable(message), median);
    std::printf("peak memory of the process: %.1f MB (goal: under 300 MB)\n", peakMb);
    return median < 1000.0 && peakMb < 300.0 ? 0 : 1;
}
