// Lifecycle of a surface: empty, set up, released, set up again many times, resampled.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "nurbs/NurbsSurface.h"

namespace {

const float kLinearKnots[4] = {0, 0, 1, 1};

}  // namespace

TEST(NurbsSurface, EmptyAndReleasedSurfacesAreNotSetUp) {
    NurbsSurface surface;
    EXPECT_FALSE(surface.isSetUp());
    surface.release();
    EXPECT_FALSE(surface.isSetUp());

    const float points[16] = {};
    surface.setup(1, 1, 2, 2, points, kLinearKnots, kLinearKnots, 3, 3);
    EXPECT_TRUE(surface.isSetUp());
    surface.release();
    surface.release();
    EXPECT_FALSE(surface.isSetUp());
    EXPECT_EQ(surface.controlPoints, nullptr);
    EXPECT_EQ(surface.vertexRing, nullptr);
    EXPECT_EQ(surface.samplesU, 3);  // the counts outlive the arrays
}

TEST(NurbsSurface, KeepsItsOwnCopiesOfPointsAndKnots) {
    float points[16] = {0, 0, 0, 1, 0, 10, 0, 1, 10, 0, 0, 1, 10, 10, 0, 1};
    float knots[4] = {0, 0, 1, 1};
    NurbsSurface patch;
    patch.setup(1, 1, 2, 2, points, knots, knots, 1, 1);
    std::fill(points, points + 16, 7.0f);
    std::fill(knots, knots + 4, 3.0f);

    patch.evaluateRow(1, 1, 1.0f);
    EXPECT_EQ(patch.vertexRing[1].x, 10.0f);
    EXPECT_EQ(patch.vertexRing[1].y, 0.0f);
    EXPECT_EQ(patch.vertexRing[3].x, 10.0f);
    EXPECT_EQ(patch.vertexRing[3].y, 10.0f);
}

// The sanitized build reports any array that a repeated setup fails to free.
TEST(NurbsSurface, RepeatedSetupReplacesEverything) {
    const float points[16] = {0, 0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 1, 1, 0, 1};
    NurbsSurface surface;
    for (int k = 0; k < 100000; ++k)
        surface.setup(1, 1, 2, 2, points, kLinearKnots, kLinearKnots, 1 + k % 3, 2);
    EXPECT_EQ(surface.samplesU, 1 + 99999 % 3);

    surface.setSampling(3, 5);
    testing::internal::CaptureStdout();
    SurfaceVertex* records = surface.tessellate();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ttotal = 24\n");
    EXPECT_FLOAT_EQ(records[23].x, 1.0f);
    EXPECT_FLOAT_EQ(records[23].y, 1.0f);
    delete[] records;
}
