// Building the report text of the heaviest case (every system computed from 20 devices, 255
// design points), in milliseconds per run. Run by hand:
//   cmake --build build --target report_bench && build/bench/report_bench [RUNS]
// Goal: under 20 ms per report.
#include "bench/full_case.h"
#include "industrial/report/report.h"
#include "industrial/report/rtf_text.h"

#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    TZdanie record;
    WindowInputs window = FullCase(record);
    CalculateRisk(record, window);
    for (qsizetype i = 0; i < window.areaTexts.size(); ++i)
        window.areaKinds << u"Здание"_s;
    for (int i = 0; i < 10; ++i) // warm up
        ReportText(record, window);

    qsizetype size = 0;
    const double text =
        medianMicroseconds(runs, [&] { size = ReportText(record, window).size(); }) / 1000.0;
    const QString report = ReportText(record, window);
    const double bytes = medianMicroseconds(runs, [&] { RtfBytes(report); }) / 1000.0;
    std::printf("report text of %lld characters: median %.2f ms (goal: under 20 ms)\n",
                static_cast<long long>(size), text);
    std::printf("in code page 1251: median %.2f ms\n", bytes);
    return text < 20.0 ? 0 : 1;
}
