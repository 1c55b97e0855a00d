// Hair on the sphere and the torus: roots on tessellation samples, growth along the normal away from the
// solid, flat axes, mass and pinning of every grown point.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

// Distance of a point from the solid's core: the sphere's centre or the torus's centre circle.
double coreDistance(const float* p) {
    if (shapeType == kShapeSphere) return std::sqrt(double(p[0]) * p[0] + double(p[1]) * p[1] + double(p[2]) * p[2]);
    return std::hypot(std::hypot(double(p[0]), double(p[1])) - 100.0, double(p[2]));
}

class SurfaceGrowth : public testing::TestWithParam<int> {
protected:
    void grow(int style, int density, int angle) {
        HairModel model;
        hairStyle = style;
        hairDensity = density;
        restAngle = angle;
        CaptureStdout();
        GetParam() == kShapeSphere ? model.makeSphere() : model.makeTorus();
        shapeSurface.release();  // the samples are taken again from a fresh surface below
        GetParam() == kShapeSphere ? model.makeSphere() : model.makeTorus();
        std::unique_ptr<SurfaceVertex[]> all(shapeSurface.tessellate());
        GetCapturedStdout();
        samples = std::move(all);
    }

    const SurfaceVertex* sampleAt(const float* position) const {
        for (int i = 0; i < 441; i++)
            if (samples[i].x == position[0] && samples[i].y == position[1] && samples[i].z == position[2])
                return &samples[i];
        return nullptr;
    }

    std::unique_ptr<SurfaceVertex[]> samples;
};

// The tip stands on the outer side of the root's tangent plane. On the sphere it is also farther from the
// centre; on the torus the sideways scatter along a flat axis may bring it nearer the centre circle (the
// tube curves away from its tangent plane on the inner side), so only the tangent-plane side is checked.
TEST_P(SurfaceGrowth, EveryStrandRootsOnASampleAndGrowsAwayFromTheSolid) {
    for (int style : {kStyleMessy, kStyleCombed}) {
        grow(style, 20, 45);
        for (int s = 0; s < 400; s++) {
            SCOPED_TRACE(s);
            const HairPoint* strand = hairPoints + 8 * s;
            const SurfaceVertex* root = sampleAt(strand[0].position);
            ASSERT_NE(root, nullptr);
            const float* tip = strand[7].position;
            const double outward = -(tip[0] - root->x) * root->nx - (tip[1] - root->y) * root->ny -
                                   (tip[2] - root->z) * root->nz;
            EXPECT_GT(outward, 0.0);
            if (GetParam() == kShapeSphere) {
                EXPECT_GT(coreDistance(tip), coreDistance(strand[0].position));
            }
            for (int k = 0; k < 8; k++) {
                EXPECT_EQ(strand[k].mass, 1.0f);
                EXPECT_EQ(strand[k].pinned, k == 0);
                for (int c = 0; c < 3; c++) {
                    EXPECT_EQ(strand[k].velocity[c], 0.0f);
                    EXPECT_TRUE(std::isfinite(strand[k].position[c]));
                }
            }
        }
    }
}

// Each coordinate steps by its own draw from 0 to L times the outward normal's component on that axis;
// a flat axis (component below 1e-6) keeps the root's coordinate when the rest angle is 0.
TEST_P(SurfaceGrowth, MessyStrandsWithoutRestAngleStepOutwardAxisByAxis) {
    grow(kStyleMessy, 20, 0);
    for (int s = 0; s < 400; s++) {
        const HairPoint* strand = hairPoints + 8 * s;
        const SurfaceVertex* root = sampleAt(strand[0].position);
        ASSERT_NE(root, nullptr);
        const float outward[3] = {-root->nx, -root->ny, -root->nz};
        for (int k = 1; k < 8; k++) {
            for (int c = 0; c < 3; c++) {
                const double step = strand[k].position[c] - strand[k - 1].position[c];
                if (std::fabs(outward[c]) < 1e-6f) {
                    EXPECT_EQ(strand[k].position[c], strand[0].position[c]);
                    continue;
                }
                EXPECT_GE(step * outward[c], -1e-4) << s << " " << k << " " << c;
                EXPECT_LE(std::fabs(step), 20.0 * std::fabs(outward[c]) + 1e-4);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, SurfaceGrowth, testing::Values(kShapeSphere, kShapeTorus),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == kShapeSphere ? "Sphere" : "Torus";
                         });

}  // namespace
