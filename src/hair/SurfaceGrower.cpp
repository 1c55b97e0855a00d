// Hair on the sphere or the torus: every strand takes its root at a random sample of the shape's
// tessellation and grows away from the solid along the sample's normal, axis by axis.
#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "hair/Random.h"

namespace {

constexpr int kLastSample = 440;        // the last index of the 21 x 21 samples of the shape
constexpr float kFlatLimit = 0.000001f;  // a normal component below this in size makes its axis flat
// The shape's normals point into the solid (toward the sphere's centre, the torus's centre circle):
// growing against them takes every strand outward.
constexpr float kGrowthSign = -1.0f;

// Coordinate c of point k (1..7) of a strand rooted at `root`, with `prev` its point k-1 and m the
// sample normal's component on that axis. Draws exactly one random number.
float grownCoordinate(int c, int k, float m, const HairPoint& root, const HairPoint& prev,
                      const CombedProfile* combed, float length, float angle) {
    const bool flat = m > -kFlatLimit && m < kFlatLimit;
    const double along = kGrowthSign * m;
    if (!combed) {
        if (flat) return root.position[c] + uniformDraw(angle);
        return prev.position[c] + uniformDraw(length) * along;
    }
    if (flat) {
        const float sideways = c == 2 ? combed->c[k] : combed->b[k];
        return jitterDraw() + along * sideways + root.position[c];
    }
    return jitterDraw() + along * combed->a[k] + prev.position[c];
}

}  // namespace

void HairModel::growHairOnSurface() {
    SurfaceVertex* samples = shapeSurface.tessellate();
    const int n = hairDensity;
    const float length = static_cast<float>(hairLength);
    const float angle = static_cast<float>(restAngle);
    CombedProfile profile;
    if (hairStyle == kStyleCombed) profile = drawCombedProfile(length, angle);
    const CombedProfile* combed = hairStyle == kStyleCombed ? &profile : nullptr;

    for (int s = 0; s < n * n; s++) {
        HairPoint* strand = hairPoints + s * kPointsPerStrand;
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
                    grownCoordinate(c, k, normal[c], strand[0], strand[k - 1], combed, length, angle);
        }
    }
    delete[] samples;
}
