// tresslow-sim --bench: times each phase of the model for the current settings and prints a table.
#pragma once

class HairModel;

void runPhaseBench(HairModel& model);
