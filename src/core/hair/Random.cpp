// The random stream of the growers and the two draws built on it, U and J.
// The stream starts from the same state in every process; only tresslow-sim seeds it.
#include "hair/Random.h"

#include <cstdint>

namespace hair {

namespace {

constexpr uint32_t kStartState = 1;
uint32_t randomState = kStartState;  // advanced mod 2^32 by every draw

}  // namespace

int drawRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}

// r*X is exact in double (a 15-bit whole number times a 24-bit float); the quotient is rounded once, in
// double, and stays there until the caller stores its expression.
double uniformDraw(float scale) { return static_cast<double>(drawRandom()) * scale / kRandomMax; }

int jitterDraw() { return drawRandom() * 5 / kRandomMax; }

void resetRandom() { randomState = kStartState; }

void seedRandom(uint32_t state) { randomState = state; }

}  // namespace hair
