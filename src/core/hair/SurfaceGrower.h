// Hair on the sphere or the torus: every strand takes its root at a random sample of the shape's
// tessellation and grows away from the solid along the sample's normal, axis by axis.
#pragma once

#include "hair/Growth.h"
#include "hair/HairStore.h"

namespace hair {

constexpr int kLastSample = 440;  // the last index of the 21 x 21 samples of the sphere or the torus

// Grows strands 0..n*n-1 of `points` from `samples` (indices 0..kLastSample), stepping `sign` times the
// sample normal. Every point gets mass 1, zero velocity and force; only the root is pinned.
void growOnSurface(HairPoint* points, const SurfaceVertex* samples, float sign,
                   const Growth& growth) noexcept;

// Tessellates shapeSurface (which prints its sample count) and grows the store's live strands on it.
void growHairOnSurface();

}  // namespace hair
