// tresslow-sim --resume: the state that --dump wrote, read back and checked before any frame runs.
#pragma once

#include <string>

// Replaces the model's state (settings, live points and springs) with the dump at `path`, and rebuilds
// what follows from it (the shape's surface; the tubes once a frame has run) without growing hair or
// printing. Every value is checked first against what the model can hold, room for `framesToRun` more
// frames included. "" with the dump's frame count in `frames`, or the one-line reason, naming the place
// in the file; the state is then not to be used.
std::string resumeState(const std::string& path, int framesToRun, int& frames);
