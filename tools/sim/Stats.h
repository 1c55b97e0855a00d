// tresslow-sim --stats: measures of the hair's motion after every frame, one CSV row each, taken from the
// stored state in double precision.
#pragma once

#include <cstdio>

// The header line: frame,kinetic,spring,reach,max_strain,wind,gravity.
void writeStatsHeader(std::FILE* out);

// The row of frame `frame`, as the store and the settings stand after it: doubles with 17 significant
// digits and the floats wind and gravity with 9, so each reads back to the value it was.
void writeStatsRow(std::FILE* out, int frame);
