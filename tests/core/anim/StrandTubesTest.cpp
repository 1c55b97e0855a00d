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
