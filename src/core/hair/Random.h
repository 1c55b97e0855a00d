// The one random stream of the growers: a linear congruential generator of whole numbers 0..32767,
// never seeded, so the same commands grow the same hair on every run and every machine.
#pragma once

namespace hair {

constexpr int kRandomMax = 32767;

int drawRandom();                // next r in 0..32767
float uniformDraw(float scale);  // U(X) = r*X/32767: from 0 to X, both ends included
int jitterDraw();                // J = (r*5)/32767 in whole numbers: 0..5
void resetRandom();  // back to the first value of the stream; for tests, the program never calls it

}  // namespace hair
