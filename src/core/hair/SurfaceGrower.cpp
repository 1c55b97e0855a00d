// Hair on the sphere or the torus: the strand's steps follow the sample normal on every axis where it has
// a component, and scatter sideways on an axis where it has none.
#include "hair/SurfaceGrower.h"

#include "hair/Random.h"

namespace hair {

namespace {

constexpr float kFlatLimit = 0.000001f;  // a normal component below this in size makes its axis flat
// The shape's normals point into the solid (toward the sphere's centre, the torus's centre circle):
// growing against them takes every strand outward.
constexpr float kGrowthSign = -1.0f;

// Coordinate c of point k (1..7) of a strand rooted at `root`, with `prev` its point k-1 and m the
// sample normal's component on that axis. Draws exactly one random number. The expression is evaluated in
// double from the stored floats (positions, the profile), U and J, and rounded once, when returned.
float grownCoordinate(int c, int k, float m, float sign, const HairPoint& root, const HairPoint& prev,
                      const CombedProfile* combed, const Growth& growth) {
    const bool flat = m > -kFlatLimit && m < kFlatLimit;
    const double along = sign * m;
    double q;
    if (!combed) {
        q = flat ? root.position[c] + uniformDraw(growth.angle)
                 : prev.position[c] + uniformDraw(growth.length) * along;
    } else if (flat) {
        const float sideways = c == 2 ? combed->c[k] : combed->b[k];
        q = jitterDraw() + along * sideways + root.position[c];
    } else {
        q = jitterDraw() + along * combed->a[k] + prev.position[c];
    }
    return static_cast<float>(q);
}

}  // namespace

// Draws: the combed profile first (21), then per strand the sample index and one per coordinate (22).
// noexcept, as nothing here throws: inlined into growHairOnSurface, the loop then needs no path that frees
// the samples' vector on the way out, and keeps its registers (without it the growth took up to a third
// longer).
void growOnSurface(HairPoint* points, const SurfaceVertex* samples, float sign,
                   const Growth& growth) noexcept {
    const int n = growth.density;
    CombedProfile profile;
    if (growth.style == kStyleCombed) profile = drawCombedProfile(growth.length, growth.angle);
    const CombedProfile* combed = growth.style == kStyleCombed ? &profile : nullptr;

    for (int s = 0; s < n * n; s++) {
        HairPoint* strand = points + s * kPointsPerStrand;
        const SurfaceVertex& root = samples[(drawRandom() * kLastSample) / kRandomMax];
        const float normal[3] = {root.nx, root.ny, root.nz};
        strand[0].position[0] = root.x;
        strand[0].position[1] = root.y;
        strand[0].position[2] = root.z;
        for (int k = 0; k < kPointsPerStrand; k++) {
            resetPoint(strand[k], k == 0);  // every point has mass 1: only the root is held in place
            if (k == 0) continue;
            for (int c = 0; c < 3; c++)
                strand[k].position[c] =
                    grownCoordinate(c, k, normal[c], sign, strand[0], strand[k - 1], combed, growth);
        }
    }
}

void growHairOnSurface() {
    const std::vector<SurfaceVertex> samples = shapeSurface.tessellate();
    growOnSurface(hairPoints, samples.data(), kGrowthSign, currentGrowth());
}

}  // namespace hair
