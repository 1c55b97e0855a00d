// The springs of the hair store: 7 stretch and 6 bend springs per strand, from the hair length alone.
#pragma once

namespace hair {

// Fills all 5200 springs of hairSprings from hairLength and springStiffness, whatever hairDensity is.
void buildSprings();

}  // namespace hair
