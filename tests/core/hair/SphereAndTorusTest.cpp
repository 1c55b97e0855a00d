// The sphere and the torus: named control points, samples on the exact surface, normals into the solid.

#include <cmath>

#include "support/DefaultSettings.h"

using ShapesTest = DefaultSettingsTest;

// Control points (i, j, x, y, z, w). A sample p lies r from the core (the centre, the torus's centre circle)
// and p + r n is the nearest core point. Sphere rows 5 and 15 are its collapsed poles: normals along z.
TEST_F(ShapesTest, SamplesLieOnTheShapeWithNormalsIntoTheSolid) {
    const float w = 0.70710677f * 0.70710677f;  // h * h, h = sqrt(2)/2
    const float net[2][3][6] = {
        {{4, 0, 0, 100, 0, 1}, {2, 4, 0, 0, 100, 1}, {1, 1, 100 * w, -100 * w, 100 * w, w}},
        {{4, 0, 0, 150, 0, 1}, {2, 4, 0, -100, 50, 1}, {1, 1, -50 * w, 50 * w, 50 * w, w}}};
    for (int torus = 0; torus < 2; ++torus) {
        const double r = torus ? 50 : 100;
        testing::internal::CaptureStdout();
        torus ? model.makeTorus() : model.makeSphere();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "ttotal = 441\n");  // once, by the growth
        for (int i = 0; i < 12; ++i) {
            const float* p = net[torus][i / 4];
            EXPECT_FLOAT_EQ(shapeSurface.controlPoints[int(p[0] * 9 + p[1]) * 4 + i % 4], p[2 + i % 4]) << i;
        }
        const std::vector<SurfaceVertex> samples = shapeSurface.evaluateGrid();
        for (int k = 0; k < 441; ++k) {
            const SurfaceVertex& v = samples[k];
            const double toCore = torus ? 100 / std::hypot(v.x, v.y) : 0, x = v.x * toCore, y = v.y * toCore;
            EXPECT_NEAR(std::hypot(v.x - x, v.y - y, v.z), r, 1e-3) << k;
            EXPECT_NEAR(std::hypot(v.nx, v.ny, v.nz), 1.0, 1e-5) << k;
            EXPECT_NEAR(std::hypot(v.x + r * v.nx - x, v.y + r * v.ny - y, v.z + r * v.nz), 0, 1e-2) << k;
        }
        for (int j = 0; j < 21 && !torus; ++j)
            EXPECT_TRUE(samples[5 * 21 + j].nz < -1 + 1e-6 && samples[15 * 21 + j].nz > 1 - 1e-6) << j;
    }
}
