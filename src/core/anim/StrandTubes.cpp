// The strand tubes: the horizontal ring of the thickness, moved to every point of a strand, makes the
// control net of a tube from the root ring to the tip ring.
#include "anim/StrandTubes.h"

namespace anim {

namespace {

constexpr int kRingPoints = 9;  // around the strand: v direction; the last repeats the first
// Clamped at both ends, so the tube starts on the ring around the root and ends on the ring around the
// tip (u, degree 2, 8 rows), and each ring closes on itself (v, degree 3, 9 points).
constexpr float kKnotsU[11] = {0, 0, 0, 1.0f / 6, 2.0f / 6, 3.0f / 6, 4.0f / 6, 5.0f / 6, 1, 1, 1};
constexpr float kKnotsV[13] = {0, 0, 0, 0, 1.0f / 6, 2.0f / 6, 3.0f / 6, 4.0f / 6, 5.0f / 6, 1, 1, 1, 1};
constexpr int kSamples = 10;  // sample intervals in each direction

// The ring around the origin: `radius` from it in the horizontal plane y = 0, at 45-degree steps from +x
// toward +z, weight 1; c is 0.707107 in single precision, not sqrt(2)/2 to full precision.
void buildCrossSection(float radius, float ring[kRingPoints][4]) {
    const float c = 0.707107f;
    const float xz[kRingPoints][2] = {{1, 0},   {c, c},  {0, 1},  {-c, c}, {-1, 0},
                                      {-c, -c}, {0, -1}, {c, -c}, {1, 0}};
    for (int j = 0; j < kRingPoints; j++) {
        ring[j][0] = xz[j][0] * radius;
        ring[j][1] = 0.0f;
        ring[j][2] = xz[j][1] * radius;
        ring[j][3] = 1.0f;
    }
}

}  // namespace

void buildStrandTube(const HairPoint* strand, float radius, NurbsSurface& tube) {
    float ring[kRingPoints][4];
    buildCrossSection(radius, ring);
    // u-major: element k*9 + j is ring point j moved to strand point k.
    float grid[kPointsPerStrand * kRingPoints * 4];
    for (int k = 0; k < kPointsPerStrand; k++) {
        const float* p = strand[k].position;
        for (int j = 0; j < kRingPoints; j++) {
            float* q = grid + (k * kRingPoints + j) * 4;
            q[0] = p[0] + ring[j][0];
            q[1] = p[1] + ring[j][1];
            q[2] = p[2] + ring[j][2];
            q[3] = ring[j][3];
        }
    }
    // Dv x Du points into the tube only where the strand rises: a tube turns its normals in wherever it
    // runs, which it is told once, when it is first set up. No release before setup: a tube already set up
    // keeps its tables and only takes the new net.
    if (!tube.isSetUp()) tube.normalFacing = kNormalsIntoTube;
    tube.setup(2, 3, kPointsPerStrand, kRingPoints, grid, kKnotsU, kKnotsV, kSamples, kSamples);
}

void updateHairShape() {
    for (int s = 0; s < liveStrandCount(); s++)
        buildStrandTube(hairPoints + s * kPointsPerStrand, thickness, strandSurfaces[s]);
}

}  // namespace anim
