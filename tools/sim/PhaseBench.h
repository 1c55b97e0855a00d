// tresslow-sim --bench: times each phase of the model for the current settings and prints a table. The
// timing of one phase serves the real-GL draw timing too.
#pragma once

#include <functional>

class HairModel;

struct PhaseTiming {
    double median, minimum, maximum;  // microseconds
};

// Runs `phase` until both 20 repetitions and 0.5 s have passed, with stdout silenced (the shape commands
// print a line per tessellation).
PhaseTiming timePhase(const std::function<void()>& phase);
void printPhaseHeader();
void printPhase(const char* phase, PhaseTiming timing);

void runPhaseBench(HairModel& model);
