// The strand tubes: closed rings of the thickness from root to tip, normals into the tube, the fallback
// where a strand collapses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "anim/StrandTubes.h"

namespace {

// The tube of radius t around the strand whose point k is at points[k].
NurbsSurface tubeOf(const float (*points)[3], float t = 1) {
    HairPoint strand[8] = {};
    for (int k = 0; k < 8; ++k) std::copy_n(points[k], 3, strand[k].position);
    NurbsSurface tube;
    anim::buildStrandTube(strand, t, tube);
    return tube;
}

// A strand in two straight legs: point k at start[k / 4] + (k % 4) step[k / 4].
struct Legs {
    float start[2][3], step[2][3];
};

NurbsSurface tubeOf(const Legs& legs, float t = 1) {
    float points[8][3];
    for (int i = 0; i < 24; ++i)
        points[i / 3][i % 3] = legs.start[i / 12][i % 3] + (i / 3 % 4) * legs.step[i / 12][i % 3];
    return tubeOf(points, t);
}

}  // namespace

// Sample rows 0-3 lie around the first leg's line, rows 7-10 around the second's, and every normal n there
// points to the line: n.(X - C) < 0, C the foot of X on the line, whether the leg rises or falls. Rows 0 and
// 10 lie on the rings of radius t around root and tip (0.15 t: the ring is a spline through its corners),
// and every row closes on itself (1e-4: rounding).
TEST(StrandTubes, ClosedTubesFromRootToTipWithNormalsIntoTheTube) {
    const struct {
        const char* name;
        Legs legs;
        float t;
    } strands[] = {
        {"up then down", {{{0, 0, 0}, {20, 30, 0}}, {{0, 10, 0}, {0, -10, 0}}}, 1},
        {"slanted down then up, thick", {{{5, 50, -2}, {40, 10, 7}}, {{3, -4, 1}, {-2, 5, 0}}}, 2.5f},
        {"steeply down sideways", {{{0, 0, 0}, {32, -36, 16}}, {{8, -9, 4}, {8, -9, 4}}}, 1}};
    for (const auto& s : strands) {
        const std::vector<SurfaceVertex> v = tubeOf(s.legs, s.t).evaluateGrid();
        for (int i : {0, 1, 2, 3, 7, 8, 9, 10}) {
            const float *a = s.legs.start[i < 5 ? 0 : 1], *d = s.legs.step[i < 5 ? 0 : 1], end = i ? 3 : 0;
            const SurfaceVertex &first = v[11 * i], &last = v[11 * i + 10];
            EXPECT_NEAR(std::hypot(first.x - last.x, first.y - last.y, first.z - last.z), 0, 1e-4)
                << s.name << ", row " << i;
            for (int j = 0; j <= 10; ++j) {
                const SurfaceVertex& p = v[11 * i + j];
                const float x[3] = {p.x - a[0], p.y - a[1], p.z - a[2]};
                const float along =
                    (x[0] * d[0] + x[1] * d[1] + x[2] * d[2]) / (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
                EXPECT_LT(p.nx * (x[0] - along * d[0]) + p.ny * (x[1] - along * d[1]) +
                              p.nz * (x[2] - along * d[2]),
                          0)
                    << s.name << ", row " << i << ", sample " << j;
                if (i % 10) continue;  // the root ring around a, the tip ring around a + 3 d
                EXPECT_NEAR(x[1], end * d[1], 1e-4) << s.name << ", row " << i << ", sample " << j;
                EXPECT_NEAR(std::hypot(x[0] - end * d[0], x[2] - end * d[2]), s.t, 0.15 * s.t)
                    << s.name << ", row " << i << ", sample " << j;
            }
        }
    }
}

// A strand lying flat keeps its normals as evaluated, upright (within 2e-4: coordinates near 100 carry
// rounding of 1e-5, against a ring 1 across). So does a strand where it levels out between rising and
// falling, nearly level: sample row 8 of this one, grown and moved by one frame on the sphere, where Du.y =
// -0.0066 against |Du| = 60 lies within 16 float epsilons of |X| times the basis terms.
TEST(StrandTubes, LevelTubesKeepTheirNormals) {
    const float turning[8][3] = {
        {-47.292141f, 33.7687225f, 81.3825989f},  {-47.4280663f, 37.6166649f, 81.212204f},
        {-56.0397911f, 41.482254f, 90.6346588f},  {-61.3238869f, 45.0270195f, 103.10463f},
        {-66.9584656f, 49.8402328f, 115.363617f}, {-75.5272751f, 50.7771225f, 122.14312f},
        {-83.7301102f, 50.5415459f, 129.60553f},  {-83.8668976f, 54.9656639f, 134.963531f}};
    for (int c = 0; c < 2; ++c) {
        NurbsSurface tube =
            c ? tubeOf(turning)
              : tubeOf(Legs{{{73.1f, 37.5f, 0}, {113.1f, 37.5f, 0}}, {{10, 0, 0}, {10, 0, 0}}});
        const std::vector<SurfaceVertex> level = tube.evaluateGrid();
        tube.normalFacing = kNormalsAsEvaluated;
        const std::vector<SurfaceVertex> unturned = tube.evaluateGrid();
        for (int k = c ? 88 : 0; k < (c ? 99 : 121); ++k)
            EXPECT_TRUE(level[k].ny == unturned[k].ny &&
                        (c || (std::fabs(level[k].nx) < 2e-4f && std::fabs(level[k].nz) < 2e-4f)))
                << (c ? "turning" : "flat") << ", sample " << k;
    }
}

// Where strand points coincide, away from the origin too, the tube has no direction along the strand nor a
// mixed derivative (its ring is the same at every point): the fallback (0, 1, 0), unturned, never a
// direction made of rounding residue. Points 3 and 4 coinciding collapse sample row 5, whose normals may
// also take the limit direction across the strand, perpendicular to point 5 - point 4 (within 1e-3).
TEST(StrandTubes, CollapsedStrandsGetTheFallbackNormal) {
    const char* names[] = {"all at (73.1, 41.7, -88.3)", "all there, thin", "all at (731, 417, -883), thin",
                           "points 3 and 4 at one spot"};
    const float spots[3][4] = {
        {73.1f, 41.7f, -88.3f, 1}, {73.1f, 41.7f, -88.3f, 0.5f}, {731, 417, -883, 0.5f}};  // x, y, z, t
    const float partly[8][3] = {{70, 30, -90},          {71, 35, -89},          {72.5f, 41, -88},
                                {73.1f, 41.7f, -88.3f}, {73.1f, 41.7f, -88.3f}, {75, 50, -86},
                                {77, 58, -85},          {78, 66, -84}};
    for (int c = 0; c < 4; ++c) {
        const float* spot = spots[std::min(c, 2)];
        const Legs still{{{spot[0], spot[1], spot[2]}, {spot[0], spot[1], spot[2]}}, {}};
        const std::vector<SurfaceVertex> v = (c < 3 ? tubeOf(still, spot[3]) : tubeOf(partly)).evaluateGrid();
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
