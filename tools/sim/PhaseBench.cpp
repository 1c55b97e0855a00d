// Timing the phases of one frame: the shape command with its growth, one dynamics step, the tube rebuild,
// the evaluation of every drawn sample, and a whole frame. Medians over many repetitions.
#include "sim/PhaseBench.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "nurbs/Evaluation.h"

PhaseTiming timePhase(const std::function<void()>& phase) {
    using Clock = std::chrono::steady_clock;
    std::fflush(stdout);
    const int savedStdout = dup(STDOUT_FILENO);
    const int sink = open("/dev/null", O_WRONLY);
    dup2(sink, STDOUT_FILENO);
    std::vector<double> times;
    const Clock::time_point start = Clock::now();
    while (times.size() < 20 || Clock::now() - start < std::chrono::milliseconds(500)) {
        const Clock::time_point before = Clock::now();
        phase();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
    }
    std::fflush(stdout);
    dup2(savedStdout, STDOUT_FILENO);
    close(savedStdout);
    close(sink);
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void printPhaseHeader() {
    std::printf("%-34s %12s %12s %12s\n", "phase (microseconds)", "median", "min", "max");
}

void printPhase(const char* phase, PhaseTiming timing) {
    std::printf("%-34s %12.1f %12.1f %12.1f\n", phase, timing.median, timing.minimum, timing.maximum);
}

namespace {

// Evaluates every row of the surface's grid, exactly as drawing it does, without OpenGL; returns the
// number of samples evaluated.
int evaluateAsDrawn(NurbsSurface& surface) {
    if (!surface.isSetUp()) return 0;
    sweepRows(surface, [](int, int) {});
    return (surface.samplesU + 1) * (surface.samplesV + 1);
}

int evaluateScene() {
    int samples = 0;
    for (int s = 0; s < liveStrandCount(); s++) samples += evaluateAsDrawn(strandSurfaces[s]);
    if (shapeType == kShapeSphere || shapeType == kShapeTorus) samples += evaluateAsDrawn(shapeSurface);
    return samples;
}

}  // namespace

void runPhaseBench(HairModel& model) {
    model.updateHairShape();  // the tubes exist before their evaluation is timed
    const int samples = evaluateScene();
    printPhaseHeader();
    printPhase("shape command with growth", timePhase([&] { model.regrowHair(); }));
    printPhase("dynamicsStep", timePhase([&] { model.dynamicsStep(); }));
    printPhase("updateHairShape", timePhase([&] { model.updateHairShape(); }));
    const PhaseTiming evaluation = timePhase([] { evaluateScene(); });
    printPhase("evaluate every drawn sample", evaluation);
    printPhase("stepFrame", timePhase([&] { model.stepFrame(); }));
    std::printf("%d samples evaluated per draw, %.1f ns per sample (median)\n", samples,
                evaluation.median * 1000.0 / samples);
}
