// The strand tubes: after every frame each live strand's tube is rebuilt from its eight points and the
// current thickness, a ring of nine points around every strand point swept from root to tip.
#pragma once

#include "hair/HairStore.h"

namespace anim {

// Sets `tube` to the tube of `radius` around the kPointsPerStrand points of `strand`, root to tip, its
// normals turned into it.
void buildStrandTube(const HairPoint* strand, float radius, NurbsSurface& tube);

// strandSurfaces[s] for every live strand s; the tubes beyond the live part keep what they held.
void updateHairShape();

}  // namespace anim
