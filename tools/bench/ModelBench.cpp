// Micro-benchmarks of the model's hot paths on the benchmark scene: the row evaluation of a tube and of the
// sphere (with the time per sample), one dynamics step, the tube rebuild and one whole frame.
#include <benchmark/benchmark.h>

#include "anim/Dynamics.h"
#include "anim/StrandTubes.h"
#include "hair/HairStore.h"
#include "nurbs/RowEvaluation.h"

namespace {

// Every row of the surface's grid, as drawing it evaluates them; "per_sample" is the time of one sample.
void BM_EvaluateRow(benchmark::State& state, NurbsSurface* surface) {
    for (auto _ : state) sweepRows(*surface, [](int, int) {});
    const double samples = (surface->samplesU + 1.0) * (surface->samplesV + 1.0);
    state.counters["per_sample"] = benchmark::Counter(
        samples, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_EvaluateRow, tube, &strandSurfaces[0]);
BENCHMARK_CAPTURE(BM_EvaluateRow, sphere, &shapeSurface);

// A model operation at 20 x 20 strands on the sphere; the hair moves on from run to run, as it does on
// screen.
void BM_Model(benchmark::State& state, void (*operation)()) {
    for (auto _ : state) operation();
}
BENCHMARK_CAPTURE(BM_Model, dynamicsStep, anim::dynamicsStep)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Model, updateHairShape, anim::updateHairShape)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Model, stepFrame, anim::stepFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
