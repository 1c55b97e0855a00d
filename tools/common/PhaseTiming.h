// Timing one phase of the program by repetition, and printing a table of phases: shared by tresslow-sim
// --bench and the real-GL frame timing.
#pragma once

#include <functional>
#include <vector>

struct PhaseTiming {
    double median, minimum, maximum;  // in the unit of the times summarized; microseconds from timePhase
};

// Runs `phase` until both 20 repetitions and 0.5 s have passed, with stdout silenced (the shape commands
// print a line per tessellation).
PhaseTiming timePhase(const std::function<void()>& phase);
PhaseTiming summarizeTimes(std::vector<double> times);
// Runs `work` with stdout sent to /dev/null.
void runSilenced(const std::function<void()>& work);
void printPhaseHeader();
void printPhase(const char* phase, PhaseTiming timing);
