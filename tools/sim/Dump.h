// The JSON dump of tresslow-sim: settings, live points and springs, the shape's samples and the tubes.
#pragma once

#include <cstdio>

// Writes the whole state as one JSON object; floats with 9 significant digits, so each reads back to
// the same 32-bit value. Tubes are written when at least one frame ran (before that none was built).
void writeDump(std::FILE* out, int frames);
