#pragma once

// Runs each case of a bench in a process of its own: the peak memory a case reports is then its
// own, not that of a heavier case before it.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct BenchCase {
    const char* name;
    // Runs the case with the number of runs asked for; true when it met its goals.
    std::function<bool(int argc, char** argv, int runs)> run;
};

// Peak resident memory of this process so far, in megabytes.
inline double peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Called as `bench [RUNS]`, starts itself once per case as `bench --case NAME RUNS`, one after
// the other; returns 0 when every case met its goals.
inline int runCases(int argc, char** argv, const std::vector<BenchCase>& cases)
{
    if (argc > 3 && std::strcmp(argv[1], "--case") == 0) {
        for (const BenchCase& c : cases)
            if (c.name == std::string(argv[2]))
                return c.run(argc, argv, std::max(1, std::atoi(argv[3]))) ? 0 : 1;
        return 2;
    }
    const std::string runs = argc > 1 ? argv[1] : "5";
    bool met = true;
    for (const BenchCase& c : cases) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            execl("/proc/self/exe", argv[0], "--case", c.name, runs.c_str(),
                  static_cast<char*>(nullptr));
            _exit(2);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            met = false;
            if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
                std::printf("%s: the case did not run to its end\n", c.name);
        }
    }
    return met ? 0 : 1;
}
