// The phases of one frame: the shape command with its growth, one dynamics step, the tube rebuild, the
// evaluation of every drawn sample, and a whole frame.
#include "sim/PhaseBench.h"

#include <cstdio>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "common/PhaseTiming.h"
#include "hair/HairStore.h"
#include "nurbs/RowEvaluation.h"

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
    if (isCurvedShape(shapeType)) samples += evaluateAsDrawn(shapeSurface);
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
