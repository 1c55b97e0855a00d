// The sphere and the torus: their nets, every tessellated point on the exact surface, normals that are
// finite, unit and turned into the solid, the poles included.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

std::unique_ptr<SurfaceVertex[]> tessellateShape(void (HairModel::*make)()) {
    HairModel model;  // plane defaults, then the shape
    CaptureStdout();
    (model.*make)();
    EXPECT_EQ(GetCapturedStdout(), "ttotal = 441\n");  // the growth tessellates once
    CaptureStdout();
    std::unique_ptr<SurfaceVertex[]> samples(shapeSurface.tessellate());
    GetCapturedStdout();
    return samples;
}

void expectControlPoint(int i, int j, float x, float y, float z, float w) {
    const float* p = shapeSurface.controlPoints + (i * 9 + j) * 4;
    EXPECT_FLOAT_EQ(p[0], x) << i << "," << j;
    EXPECT_FLOAT_EQ(p[1], y) << i << "," << j;
    EXPECT_FLOAT_EQ(p[2], z) << i << "," << j;
    EXPECT_FLOAT_EQ(p[3], w) << i << "," << j;
}

double length(float x, float y, float z) { return std::sqrt(double(x) * x + double(y) * y + double(z) * z); }

TEST(Shapes, SphereNetAndSamplesLieOnTheBallWithInwardNormals) {
    auto samples = tessellateShape(&HairModel::makeSphere);
    EXPECT_EQ(shapeType, kShapeSphere);
    expectControlPoint(4, 0, 0, 100, 0, 1);
    expectControlPoint(2, 4, 0, 0, 100, 1);  // the north pole
    const float w = 0.70710677f * 0.70710677f;
    EXPECT_EQ(shapeSurface.controlPoints[(1 * 9 + 1) * 4 + 3], w);
    expectControlPoint(1, 1, 100 * w, -100 * w, 100 * w, w);  // corner (100, -100, 100) of the cube

    for (int r = 0; r < 441; r++) {
        const SurfaceVertex& v = samples[r];
        SCOPED_TRACE(r);
        EXPECT_NEAR(length(v.x, v.y, v.z), 100.0, 1e-3);
        ASSERT_NEAR(length(v.nx, v.ny, v.nz), 1.0, 1e-5);
        // Inward: the normal is the negated unit position, poles and both covers alike.
        EXPECT_NEAR(v.nx, -v.x / 100.0, 2e-3);
        EXPECT_NEAR(v.ny, -v.y / 100.0, 2e-3);
        EXPECT_NEAR(v.nz, -v.z / 100.0, 2e-3);
    }
    // Rows 5 and 15 are the poles, where a whole row of the net collapses to one point.
    for (int column = 0; column <= 20; column++) {
        EXPECT_NEAR(samples[5 * 21 + column].nz, -1.0f, 1e-5);
        EXPECT_NEAR(samples[15 * 21 + column].nz, 1.0f, 1e-5);
    }
}

TEST(Shapes, TorusNetAndSamplesLieOnTheTubeWithNormalsTowardItsCentreCircle) {
    auto samples = tessellateShape(&HairModel::makeTorus);
    EXPECT_EQ(shapeType, kShapeTorus);
    expectControlPoint(4, 0, 0, 150, 0, 1);
    expectControlPoint(2, 4, 0, -100, 50, 1);
    for (int r = 0; r < 441; r++) {
        const SurfaceVertex& v = samples[r];
        SCOPED_TRACE(r);
        const double axial = std::hypot(double(v.x), double(v.y));
        EXPECT_NEAR(std::hypot(axial - 100.0, double(v.z)), 50.0, 1e-3);
        ASSERT_NEAR(length(v.nx, v.ny, v.nz), 1.0, 1e-5);
        // The nearest point of the centre circle lies along the normal, 50 away.
        const double cx = v.x / axial * 100.0, cy = v.y / axial * 100.0;
        EXPECT_NEAR(v.x + 50.0 * v.nx, cx, 2e-2);
        EXPECT_NEAR(v.y + 50.0 * v.ny, cy, 2e-2);
        EXPECT_NEAR(v.z + 50.0 * v.nz, 0.0, 2e-2);
    }
}

TEST(Shapes, RegrowthThroughASliderRebuildsTheShape) {
    HairModel model;
    CaptureStdout();
    model.makeSphere();
    shapeSurface.release();
    model.applyHairs(2);
    EXPECT_EQ(GetCapturedStdout(), "ttotal = 441\nttotal = 441\n");
    EXPECT_TRUE(shapeSurface.isSetUp());
    EXPECT_TRUE(shapeSurface.normalsTowardOrigin);
    CaptureStdout();
    model.makeTorus();
    GetCapturedStdout();
    EXPECT_FALSE(shapeSurface.normalsTowardOrigin);
    model.makePlane();
}

}  // namespace
