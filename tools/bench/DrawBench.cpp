// Micro-benchmark of one draw of the view with every GL call going to NullGl: what the program itself does
// in a draw (one frame, the control polygons, every sample of every tube and of the sphere, the calls).
#include <benchmark/benchmark.h>

#include "anim/Dynamics.h"
#include "view/Scene.h"
#include "view/ViewState.h"

namespace {

// A draw of the view once its context is set up: clear, one frame, the scene.
void BM_ViewDraw(benchmark::State& state) {
    setUpView(kViewWidth, kViewHeight);
    for (auto _ : state) {
        clearFrame();
        anim::stepFrame();
        drawScene();
    }
}
BENCHMARK(BM_ViewDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
