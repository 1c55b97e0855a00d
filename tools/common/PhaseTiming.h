// Timing one phase of the program by repetition, and printing a table of phases: shared by tresslow-sim
// --bench and the real-GL draw timing.
#pragma once

#include <functional>

struct PhaseTiming {
    double median, minimum, maximum;  // microseconds
};

// Runs `phase` until both 20 repetitions and 0.5 s have passed, with stdout silenced (the shape commands
// print a line per tessellation).
PhaseTiming timePhase(const std::function<void()>& phase);
void printPhaseHeader();
void printPhase(const char* phase, PhaseTiming timing);
