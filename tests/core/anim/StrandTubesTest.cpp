// The strand tubes: closed rings of the thickness from root to tip, normals into the tube, the fallback
// where a strand collapses, rebuilt for the live strands only.
#include <algorithm>
#include <cmath>

#include "support/DefaultSettings.h"

using HairShapeTest = DefaultSettingsTest;

namespace {

void placeStrand(const float (*points)[3]) {
    for (int k = 0; k < 8; ++k) std::copy_n(points[k], 3, hairPoints[k].position);
}

std::vector<SurfaceVertex> tube() { return strandSurfaces[0].evaluateGrid(); }

}  // namespace

// Net ring points 0, 2, 4, 6 lie t along +x, +z, -x, -z from their strand point; sample rows 0 and 10 lie on
// the rings of root and tip, and every row closes on itself. Strand 4 leaves the live part and keeps its
// tube.
TEST_F(HairShapeTest, TubesRunFromTheRootRingToTheTipRing) {
    const float strand[8][3] = {{10, 0, 5},   {11, 20, 6},  {13, 38, 4},  {16, 55, 8},
                                {20, 70, 12}, {25, 84, 10}, {31, 96, 15}, {38, 105, 14}};
    hairDensity = 3;
    model.updateHairShape();
    const float stale = strandSurfaces[4].controlPoints[0];
    hairPoints[8 * 4].position[0] += 50.0f;
    placeStrand(strand);
    hairDensity = 2;
    for (float t : {1.0f, 2.5f}) {
        thickness = t;
        model.updateHairShape();
        const float ring[4][3] = {{t, 0, 0}, {0, 0, t}, {-t, 0, 0}, {0, 0, -t}};
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(strandSurfaces[0].controlPoints[8 * (i / 3) + i % 3],
                      strand[0][i % 3] + ring[i / 3][i % 3]);
        auto v = tube();
        for (int i = 0; i < 11; ++i) {  // 1e-4: rounding; 0.15 t: the ring is a spline through its corners
            const SurfaceVertex &first = v[11 * i], &last = v[11 * i + 10],
                                &end = v[i < 6 ? 2 * i : 98 + 2 * i];
            const float* p = strand[i < 6 ? 0 : 7];
            EXPECT_NEAR(std::hypot(first.x - last.x, first.y - last.y, first.z - last.z), 0, 1e-4)
                << "row " << i;
            EXPECT_NEAR(end.y, p[1], 1e-4) << i;
            EXPECT_NEAR(std::hypot(end.x - p[0], end.z - p[2]), t, 0.15 * t) << i;
        }
        EXPECT_EQ(strandSurfaces[4].controlPoints[0], stale);
    }
    hairDensity = 3;
    model.updateHairShape();
    EXPECT_EQ(strandSurfaces[4].controlPoints[0], hairPoints[8 * 4].position[0] + thickness);
}

// Two straight legs, points 0-3 and 4-7: sample rows 0-3 lie around the first leg's line, rows 7-10 around
// the second's, and every normal n there points to the line: n.(X - C) < 0, C the foot of X on the line,
// whether the leg rises or falls. A strand lying flat, away from the origin, keeps its normals as evaluated.
TEST_F(HairShapeTest, TubeNormalsPointIntoTheTube) {
    const struct {
        const char* name;
        float start[2][3], step[2][3];  // point k of leg l: start[l] + (k % 4) step[l]
    } strands[] = {{"up then down", {{0, 0, 0}, {20, 30, 0}}, {{0, 10, 0}, {0, -10, 0}}},
                   {"slanted down then up", {{5, 50, -2}, {40, 10, 7}}, {{3, -4, 1}, {-2, 5, 0}}},
                   {"steeply down sideways", {{0, 0, 0}, {32, -36, 16}}, {{8, -9, 4}, {8, -9, 4}}}};
    for (const auto& s : strands) {
        for (int i = 0; i < 24; ++i)
            hairPoints[i / 3].position[i % 3] = s.start[i / 12][i % 3] + (i / 3 % 4) * s.step[i / 12][i % 3];
        model.updateHairShape();
        auto v = tube();
        for (int i : {0, 1, 2, 3, 7, 8, 9, 10}) {
            const float *a = s.start[i < 5 ? 0 : 1], *d = s.step[i < 5 ? 0 : 1];
            for (int j = 0; j <= 10; ++j) {
                const SurfaceVertex& p = v[11 * i + j];
                const float x[3] = {p.x - a[0], p.y - a[1], p.z - a[2]};
                const float along =
                    (x[0] * d[0] + x[1] * d[1] + x[2] * d[2]) / (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
                EXPECT_LT(p.nx * (x[0] - along * d[0]) + p.ny * (x[1] - along * d[1]) +
                              p.nz * (x[2] - along * d[2]),
                          0)
                    << s.name << ", row " << i << ", sample " << j;
            }
        }
    }
    for (int k = 0; k < 8; ++k)
        hairPoints[k].position[0] = 10.0f * k + 73.1f, hairPoints[k].position[1] = 37.5f;
    model.updateHairShape();
    auto flat = tube();
    strandSurfaces[0].normalFacing = kNormalsAsEvaluated;
    auto unturned = tube();
    strandSurfaces[0].normalFacing = kNormalsIntoTube;
    for (int k = 0; k < 121;
         ++k)  // 2e-4: coordinates near 100 carry rounding of 1e-5, against a ring 1 across
        EXPECT_TRUE(std::fabs(flat[k].nx) < 2e-4f && std::fabs(flat[k].nz) < 2e-4f &&
                    flat[k].ny == unturned[k].ny)
            << "flat, sample " << k;
}

// Where strand points coincide, away from the origin too, the tube has no direction along the strand nor a
// mixed derivative (its ring is the same at every point): the fallback (0, 1, 0), unturned, never a
// direction made of rounding residue. Points 3 and 4 coinciding collapse sample row 5, whose normals may
// also take the limit direction across the strand, perpendicular to point 5 - point 4 (within 1e-3).
TEST_F(HairShapeTest, CollapsedStrandsGetTheFallbackNormal) {
    const char* names[] = {"all at (73.1, 41.7, -88.3)", "all there, thin", "all at (731, 417, -883), thin",
                           "points 3 and 4 at one spot"};
    const float spots[3][4] = {
        {73.1f, 41.7f, -88.3f, 1}, {73.1f, 41.7f, -88.3f, 0.5f}, {731, 417, -883, 0.5f}};
    const float partly[8][3] = {{70, 30, -90},          {71, 35, -89},          {72.5f, 41, -88},
                                {73.1f, 41.7f, -88.3f}, {73.1f, 41.7f, -88.3f}, {75, 50, -86},
                                {77, 58, -85},          {78, 66, -84}};
    for (int c = 0; c < 4; ++c) {
        float points[8][3];
        for (int k = 0; k < 8; ++k) std::copy_n(c < 3 ? spots[c] : partly[k], 3, points[k]);
        thickness = c < 3 ? spots[c][3] : 1.0f;
        placeStrand(points);
        model.updateHairShape();
        auto v = tube();
        for (int k = 0; k < 121; ++k) {
            const SurfaceVertex& n = v[k];
            const bool fallback = n.nx == 0 && n.ny == 1 && n.nz == 0;
            const double across = (n.nx * 1.9 + n.ny * 8.3 + n.nz * 2.3) / 8.82;  // along point 5 - point 4
            EXPECT_TRUE(c < 3 ? fallback : k / 11 != 5 || fallback || std::fabs(across) < 1e-3)
                << names[c] << ", sample " << k << ": " << n.nx << " " << n.ny << " " << n.nz;
            EXPECT_NEAR(std::hypot(n.nx, n.ny, n.nz), 1, 1e-5) << names[c] << ", sample " << k;
        }
    }
}
