// Timing a phase: medians over many repetitions of the steady clock, with stdout sent to /dev/null.
#include "common/PhaseTiming.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

void runSilenced(const std::function<void()>& work) {
    std::fflush(stdout);
    const int savedStdout = dup(STDOUT_FILENO);
    const int sink = open("/dev/null", O_WRONLY);
    dup2(sink, STDOUT_FILENO);
    work();
    std::fflush(stdout);
    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
    close(sink);
}

PhaseTiming summarizeTimes(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

PhaseTiming timePhase(const std::function<void()>& phase) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    runSilenced([&] {
        const Clock::time_point start = Clock::now();
        while (times.size() < 20 || Clock::now() - start < std::chrono::milliseconds(500)) {
            const Clock::time_point before = Clock::now();
            phase();
            times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        }
    });
    return summarizeTimes(times);
}

void printPhaseHeader() {
    std::printf("%-34s %12s %12s %12s\n", "phase (microseconds)", "median", "min", "max");
}

void printPhase(const char* phase, PhaseTiming timing) {
    std::printf("%-34s %12.1f %12.1f %12.1f\n", phase, timing.median, timing.minimum, timing.maximum);
}
