// tresslow-bench: the micro-benchmarks of the hot paths, all on one scene built before the first runs.
#include <benchmark/benchmark.h>

#include "bench/BenchScene.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    buildBenchScene();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
