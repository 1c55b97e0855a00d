// tresslow-bench: the micro-benchmarks of the hot paths, all on one scene built before the first runs.
#include <benchmark/benchmark.h>

#include "app/HairModel.h"
#include "common/BenchScene.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    HairModel model;  // the start-up state, as the program's own model makes it
    buildBenchScene(model);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
