// Hair on the plane: the live strands grow from an n x n grid of cells over the 200 x 200 square of the
// x-z plane at y = 0, toward +y.
#pragma once

#include "hair/Growth.h"
#include "hair/HairStore.h"

namespace hair {

// Grows strands 0..n*n-1 of `points` (8 points each): strand i*n + j from a random spot of cell (j, i),
// messy or combed. Sets mass 1, zero velocity and force; pins the roots and the tips of border strands.
void growPlane(HairPoint* points, const Growth& growth);

void growHairOnPlane();  // growPlane on the store with the current settings
void makePlane();        // shapeType = plane, then growHairOnPlane

}  // namespace hair
