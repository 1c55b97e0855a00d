// Hair on the sphere and the torus: roots on samples, growth away from the solid, mass and pinning.

#include <algorithm>
#include <cmath>
#include <memory>

#include "support/DefaultSettings.h"

using SurfaceGrowerTest = DefaultSettingsTest;

// Tips lie outside the root's tangent plane, on the sphere farther from the centre. Messy with rest angle 0,
// each step follows the sign of the outward normal on its axis; a flat axis (below 1e-6) keeps the root's.
TEST_F(SurfaceGrowerTest, StrandsRootOnSamplesAndGrowAwayFromTheSolid) {
    hairDensity = 20;
    for (int run = 0; run < 4; ++run) {
        const bool torus = run & 1;
        hairStyle = run & 2 ? kStyleCombed : kStyleMessy;
        restAngle = run & 2 ? 45 : 0;
        testing::internal::CaptureStdout();
        torus ? model.makeTorus() : model.makeSphere();
        testing::internal::GetCapturedStdout();
        std::unique_ptr<SurfaceVertex[]> samples(shapeSurface.evaluateGrid());
        for (const HairPoint* strand = hairPoints; strand < hairPoints + 3200; strand += 8) {
            const float *p = strand[0].position, *tip = strand[7].position;
            const SurfaceVertex* root = std::find_if(&samples[0], &samples[441], [&](const SurfaceVertex& v) {
                return v.x == p[0] && v.y == p[1] && v.z == p[2];
            });
            ASSERT_NE(root, &samples[441]);
            const float out[3] = {-root->nx, -root->ny, -root->nz};
            EXPECT_GT((tip[0] - p[0]) * out[0] + (tip[1] - p[1]) * out[1] + (tip[2] - p[2]) * out[2], 0);
            EXPECT_TRUE(torus || std::hypot(tip[0], tip[1], tip[2]) > std::hypot(p[0], p[1], p[2]));
            for (int k = 0; k < 8; ++k) EXPECT_TRUE(strand[k].mass == 1 && strand[k].pinned == (k == 0));
            for (int i = 3; i < 24 && restAngle == 0; ++i) {  // coordinate c of point k of the strand
                const int k = i / 3, c = i % 3;
                const double step = strand[k].position[c] - strand[k - 1].position[c], m = out[c];
                EXPECT_TRUE(std::fabs(m) < 1e-6 ? strand[k].position[c] == p[c] : step * m >= -1e-4) << i;
            }
        }
    }
}
