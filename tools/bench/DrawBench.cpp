// Micro-benchmark of one draw of the view with every GL call going to NullGl: what the program itself does
// in a draw (one frame, the control polygons, every sample of every tube and of the sphere, the calls).
#include <benchmark/benchmark.h>

#include "app/MainPanel.h"
#include "view/HairView.h"

namespace {

// The view is never shown: draw() runs the scene code directly. After the first draw, which sets up
// lights and projection, the view counts as valid, as it does in the program.
void BM_HairViewDraw(benchmark::State& state) {
    HairView& view = *mainPanel->hairView;
    view.draw();
    view.valid(1);
    for (auto _ : state) view.draw();
}
BENCHMARK(BM_HairViewDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
