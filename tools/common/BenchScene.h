// The scene that the benchmarks time: 20 x 20 strands on the sphere, drawn smooth with the control
// polygons on, every tube built, set up through the same commands a user would pick.
#pragma once

class HairModel;

void buildBenchScene(HairModel& model);
