// The strand tubes: closed rings of the thickness from root to tip, rebuilt for the live strands only.
#include <algorithm>
#include <cmath>
#include <memory>

#include "support/DefaultSettings.h"

using HairShapeTest = DefaultSettingsTest;

// Strand 0 bends, strand 1's points coincide (a finite tube), strand 4 leaves the live part. Net ring points
// 0, 2, 4, 6 lie t along +x, +z, -x, -z from the root; sample rows 0 and 10 lie on the rings of root and tip.
TEST_F(HairShapeTest, TubesRunFromTheRootRingToTheTipRing) {
    const float strand[8][3] = {{10, 0, 5},   {11, 20, 6},  {13, 38, 4},  {16, 55, 8},
                                {20, 70, 12}, {25, 84, 10}, {31, 96, 15}, {38, 105, 14}};
    hairDensity = 3;
    model.updateHairShape();
    const float stale = strandSurfaces[4].controlPoints[0];
    hairPoints[8 * 4].position[0] += 50.0f;
    for (int k = 0; k < 8; ++k) std::copy_n(strand[k], 3, hairPoints[k].position);
    std::fill_n(&hairPoints[8], 8, HairPoint{1, {4, 4, 4}, {}, {}, true});
    hairDensity = 2;
    for (float t : {1.0f, 2.5f}) {
        thickness = t;
        model.updateHairShape();
        const float ring[4][3] = {{t, 0, 0}, {0, 0, t}, {-t, 0, 0}, {0, 0, -t}};
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(strandSurfaces[0].controlPoints[8 * (i / 3) + i % 3],
                      strand[0][i % 3] + ring[i / 3][i % 3]);
        std::unique_ptr<SurfaceVertex[]> v(strandSurfaces[0].evaluateGrid());
        for (int i = 0; i < 11; ++i) {
            const SurfaceVertex &first = v[11 * i], &last = v[11 * i + 10];
            EXPECT_NEAR(std::hypot(first.x - last.x, first.y - last.y, first.z - last.z), 0, 1e-4) << i;
            const SurfaceVertex& end = v[i < 6 ? 2 * i : 110 + 2 * (i - 6)];  // rows 0 and 10
            const float* p = strand[i < 6 ? 0 : 7];
            EXPECT_NEAR(end.y, p[1], 1e-4) << i;
            EXPECT_NEAR(std::hypot(end.x - p[0], end.z - p[2]), t, 0.15 * t) << i;
        }
        v.reset(strandSurfaces[1].evaluateGrid());
        for (int k = 0; k < 121; k++)
            EXPECT_TRUE(std::isfinite(v[k].x + v[k].y + v[k].z) &&
                        std::fabs(std::hypot(v[k].nx, v[k].ny, v[k].nz) - 1) < 1e-5)
                << k;
        EXPECT_EQ(strandSurfaces[4].controlPoints[0], stale);
    }
    hairDensity = 3;
    model.updateHairShape();
    EXPECT_EQ(strandSurfaces[4].controlPoints[0], hairPoints[8 * 4].position[0] + thickness);
}

// A strand of two straight legs, points 0-3 on the first and 4-7 on the second: a degree-2 piece sees three
// consecutive points, so sample rows 0-3 lie around the first leg's line and rows 7-10 around the second's.
struct Leg {
    float start[3], step[3];  // point k of the leg: start + k*step
};
struct TwoLegStrand {
    const char* name;
    Leg legs[2];
};

// Into the tube: n.(X - C) < 0, with C the foot of X on the leg's line, wherever a leg rises or falls.
// A strand lying flat gives a flat tube whose normals, (0, +-1, 0), stay as evaluated, also away from the
// origin, where rounding leaves a residue of either sign in the tube's derivative along the strand.
TEST_F(HairShapeTest, TubeNormalsPointIntoTheTube) {
    const TwoLegStrand strands[] = {
        {"up then down", {{{0, 0, 0}, {0, 10, 0}}, {{20, 30, 0}, {0, -10, 0}}}},
        {"slanted down then up", {{{5, 50, -2}, {3, -4, 1}}, {{40, 10, 7}, {-2, 5, 0}}}},
        {"steeply down sideways", {{{0, 0, 0}, {8, -9, 4}}, {{32, -36, 16}, {8, -9, 4}}}},
    };
    for (const TwoLegStrand& strand : strands) {
        SCOPED_TRACE(strand.name);
        for (int k = 0; k < 8; ++k)
            for (int c = 0; c < 3; ++c)
                hairPoints[k].position[c] =
                    strand.legs[k / 4].start[c] + (k % 4) * strand.legs[k / 4].step[c];
        model.updateHairShape();
        std::unique_ptr<SurfaceVertex[]> v(strandSurfaces[0].evaluateGrid());
        for (int i : {0, 1, 2, 3, 7, 8, 9, 10}) {
            const Leg& leg = strand.legs[i < 5 ? 0 : 1];
            const float* a = leg.start;
            const float* d = leg.step;
            for (int j = 0; j <= 10; ++j) {
                const SurfaceVertex& p = v[11 * i + j];
                const float x[3] = {p.x - a[0], p.y - a[1], p.z - a[2]};
                const float along =
                    (x[0] * d[0] + x[1] * d[1] + x[2] * d[2]) / (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
                const float outward = p.nx * (x[0] - along * d[0]) + p.ny * (x[1] - along * d[1]) +
                                      p.nz * (x[2] - along * d[2]);
                EXPECT_LT(outward, 0.0f) << "row " << i << ", sample " << j;
            }
        }
    }
    for (int k = 0; k < 8; ++k) {
        float* p = hairPoints[k].position;
        p[0] = 10.0f * k + 73.1f, p[1] = 37.5f, p[2] = -88.3f;
    }
    model.updateHairShape();
    std::unique_ptr<SurfaceVertex[]> flat(strandSurfaces[0].evaluateGrid());
    strandSurfaces[0].normalFacing = kNormalsAsEvaluated;
    std::unique_ptr<SurfaceVertex[]> unturned(strandSurfaces[0].evaluateGrid());
    // 2e-4: coordinates near 100 carry rounding of 1e-5, against a ring 1 across
    for (int k = 0; k < 121; ++k)
        EXPECT_TRUE(std::fabs(flat[k].nx) < 2e-4f && std::fabs(std::fabs(flat[k].ny) - 1) < 2e-4f &&
                    std::fabs(flat[k].nz) < 2e-4f && flat[k].ny == unturned[k].ny)
            << "flat, sample " << k;
}

// The fallback (0, 1, 0), unturned: where the strand collapses the tube has no direction to turn it by.
static bool isFallback(const SurfaceVertex& v) { return v.nx == 0 && v.ny == 1 && v.nz == 0; }

// Strand points that coincide away from the origin leave a rounding residue in the tube's derivative
// along the strand. Where the strand collapses, the tube has no direction along it, nor a mixed
// derivative (its ring is the same at every point): those samples get the fallback normal, never a
// direction made of the residue. Points 3 and 4 coinciding collapse sample row 5 (u
// = 1/2), whose normals may also take the limit direction across the strand above it, perpendicular to
// point 5 - point 4.
TEST_F(HairShapeTest, CollapsedStrandsGetTheFallbackNormal) {
    struct Collapsed {
        const char* name;
        float point[3];
        float thickness;
    };
    const Collapsed cases[] = {{"all at (73.1, 41.7, -88.3)", {73.1f, 41.7f, -88.3f}, 1.0f},
                               {"all at (73.1, 41.7, -88.3), thin", {73.1f, 41.7f, -88.3f}, 0.5f},
                               {"all at (731, 417, -883), thin", {731.0f, 417.0f, -883.0f}, 0.5f}};
    hairDensity = 1;
    for (const Collapsed& c : cases) {
        thickness = c.thickness;
        for (int k = 0; k < 8; ++k) std::copy_n(c.point, 3, hairPoints[k].position);
        model.updateHairShape();
        std::unique_ptr<SurfaceVertex[]> v(strandSurfaces[0].evaluateGrid());
        for (int k = 0; k < 121; ++k)
            EXPECT_TRUE(isFallback(v[k]))
                << c.name << ", sample " << k << ": " << v[k].nx << " " << v[k].ny << " " << v[k].nz;
    }
    const float strand[8][3] = {{70, 30, -90},          {71, 35, -89},          {72.5f, 41, -88},
                                {73.1f, 41.7f, -88.3f}, {73.1f, 41.7f, -88.3f}, {75, 50, -86},
                                {77, 58, -85},          {78, 66, -84}};
    for (int k = 0; k < 8; ++k) std::copy_n(strand[k], 3, hairPoints[k].position);
    thickness = 1.0f;
    model.updateHairShape();
    std::unique_ptr<SurfaceVertex[]> v(strandSurfaces[0].evaluateGrid());
    double above[3];  // the strand's direction above the collapse, point 5 - point 4
    for (int c = 0; c < 3; ++c) above[c] = double(strand[5][c]) - strand[4][c];
    for (int k = 0; k < 121; ++k) {
        const SurfaceVertex& n = v[k];
        // float rounding of a unit vector: well within 1e-5
        EXPECT_TRUE(std::isfinite(n.nx + n.ny + n.nz) && std::fabs(std::hypot(n.nx, n.ny, n.nz) - 1) < 1e-5)
            << k;
        // 1e-3: a limit direction is perpendicular up to float rounding; a residue's direction is random
        const double across =
            (n.nx * above[0] + n.ny * above[1] + n.nz * above[2]) / std::hypot(above[0], above[1], above[2]);
        EXPECT_TRUE(k / 11 != 5 || isFallback(n) || std::fabs(across) < 1e-3)
            << "sample " << k << ": " << n.nx << " " << n.ny << " " << n.nz;
    }
}
