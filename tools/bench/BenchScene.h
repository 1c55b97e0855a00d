// The scene that the benchmarks time: the program's main panel (built, not shown) with 20 x 20 strands on
// the sphere, drawn smooth with the control polygons on, every tube built.
#pragma once

void buildBenchScene();
