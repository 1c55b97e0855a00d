// The one random stream of the growers: a linear congruential generator of whole numbers 0..32767,
// starting from the same state in every process unless seeded, so the same commands grow the same hair on
// every run and every machine.
#pragma once

#include <cstdint>

namespace hair {

constexpr int kRandomMax = 32767;

int drawRandom();  // next r in 0..32767
// U(X) = r*X/32767, from 0 to X, both ends included: a double, so that the sum or product it enters is
// rounded only where its result is stored.
double uniformDraw(float scale);
int jitterDraw();    // J = (r*5)/32767 in whole numbers: 0..5
void resetRandom();  // back to the first value of the stream; for tests, the program never calls it
// The stream from state `state` on (1 is the start of every process): for tresslow-sim --seed; the window
// never calls it.
void seedRandom(uint32_t state);

}  // namespace hair
