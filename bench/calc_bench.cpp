// The calculation of Ovrelta_online over 255 design points, in microseconds per run. Run by hand:
//   cmake --build build --target calc_bench && build/bench/calc_bench [RUNS]
// Goal: under 1 ms per calculation.
#include "bench/full_case.h"
#include "industrial/results_list.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    TZdanie record;
    const WindowInputs in = FullCase(record);
    for (int i = 0; i < 100; ++i) // warm up
        CalculateRisk(record, in);

    const double calculation = medianMicroseconds(runs, [&] { CalculateRisk(record, in); });
    std::size_t rows = 0;
    const double list = medianMicroseconds(runs, [&] { rows += ResultRows(record).size(); });
    std::printf("calculation over %d design points: median %.1f us (goal: under 1000 us)\n",
                DesignPoints, calculation);
    std::printf("results list of %zu rows: median %.1f us\n", rows / static_cast<size_t>(runs),
                list);
    return calculation < 1000.0 ? 0 : 1;
}
