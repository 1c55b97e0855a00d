// Tessellation: the sample records in row order, their count and the line it prints.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "nurbs/NurbsSurface.h"
#include "support/RevolutionNet.h"

namespace {

// Tessellates while capturing what it prints.
SurfaceVertex* tessellateCapturing(NurbsSurface& surface, std::string& printed) {
    testing::internal::CaptureStdout();
    SurfaceVertex* records = surface.tessellate();
    printed = testing::internal::GetCapturedStdout();
    return records;
}

}  // namespace

TEST(Tessellate, SurfaceNotSetUpGivesNullAndPrintsNothing) {
    NurbsSurface surface;
    std::string printed;
    EXPECT_EQ(tessellateCapturing(surface, printed), nullptr);
    EXPECT_EQ(printed, "");

    setUpRevolution(surface, sphereNet(), 2);
    surface.release();
    EXPECT_EQ(tessellateCapturing(surface, printed), nullptr);
    EXPECT_EQ(printed, "");
}

TEST(Tessellate, OneIntervalGivesTheFourCornersInRowOrder) {
    const float points[16] = {1, 2, 3, 1, 4, 5, 6, 1, 7, 8, 9, 1, -1, -2, -3, 1};  // (0,0) (0,1) (1,0) (1,1)
    const float knots[4] = {0, 0, 1, 1};
    NurbsSurface patch;
    patch.setup(1, 1, 2, 2, points, knots, knots, 1, 1);
    std::string printed;
    SurfaceVertex* records = tessellateCapturing(patch, printed);
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(printed, "ttotal = 4\n");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(records[k].x, points[4 * k]);
        EXPECT_EQ(records[k].y, points[4 * k + 1]);
        EXPECT_EQ(records[k].z, points[4 * k + 2]);
        EXPECT_EQ(records[k].s, k / 2);
        EXPECT_EQ(records[k].t, k % 2);
    }
    delete[] records;
}

TEST(Tessellate, SphereGridIsRowMajorAndRepeatable) {
    NurbsSurface sphere;
    setUpRevolution(sphere, sphereNet(), 20);
    std::string printed;
    SurfaceVertex* first = tessellateCapturing(sphere, printed);
    EXPECT_EQ(printed, "ttotal = 441\n");
    for (int i = 0; i <= 20; ++i) {
        for (int j = 0; j <= 20; ++j) {
            EXPECT_NEAR(first[i * 21 + j].s, i / 20.0, 1e-6);
            EXPECT_NEAR(first[i * 21 + j].t, j / 20.0, 1e-6);
        }
    }
    // Both ends of the domain are control point (0, 0) = (0, -100, 0).
    for (const SurfaceVertex& corner : {first[0], first[440]}) {
        EXPECT_NEAR(corner.x, 0.0f, 1e-3f);
        EXPECT_NEAR(corner.y, -100.0f, 1e-3f);
        EXPECT_NEAR(corner.z, 0.0f, 1e-3f);
    }

    SurfaceVertex* second = tessellateCapturing(sphere, printed);
    EXPECT_EQ(std::memcmp(first, second, 441 * sizeof(SurfaceVertex)), 0);
    delete[] first;
    delete[] second;
}
