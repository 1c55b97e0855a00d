// The strand tubes: closed rings around the strand from the root to the tip, radius from the thickness,
// finite even when the strand's points coincide.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

void placeStrand(int s, const float (*points)[3]) {
    for (int k = 0; k < 8; k++)
        for (int c = 0; c < 3; c++) hairPoints[8 * s + k].position[c] = points[k][c];
}

std::unique_ptr<SurfaceVertex[]> tubeSamples(int s) {
    CaptureStdout();
    std::unique_ptr<SurfaceVertex[]> samples(strandSurfaces[s].tessellate());
    EXPECT_EQ(GetCapturedStdout(), "ttotal = 121\n");
    return samples;
}

const float kBentStrand[8][3] = {{10, 0, 5},   {11, 20, 6},  {13, 38, 4},  {16, 55, 8},
                                 {20, 70, 12}, {25, 84, 10}, {31, 96, 15}, {38, 105, 14}};

TEST(HairShape, RootRowIsTheRingAroundTheRootAtEachThickness) {
    HairModel model;
    placeStrand(0, kBentStrand);
    for (float t : {1.0f, 2.5f}) {
        thickness = t;
        model.updateHairShape();
        const float* net = strandSurfaces[0].controlPoints;
        const float expected[4][3] = {{t, 0, 0}, {0, 0, t}, {-t, 0, 0}, {0, 0, -t}};
        for (int q = 0; q < 4; q++)
            for (int c = 0; c < 3; c++) EXPECT_EQ(net[(2 * q) * 4 + c], kBentStrand[0][c] + expected[q][c]);
        for (int j = 0; j < 9; j++) {
            const float* p = net + j * 4;
            EXPECT_EQ(p[1], kBentStrand[0][1]);  // in the horizontal plane through the root
            EXPECT_NEAR(std::hypot(p[0] - kBentStrand[0][0], p[2] - kBentStrand[0][2]), t, 1e-5);
        }
    }
    thickness = 1.0f;
}

TEST(HairShape, TubeIsClosedAndRunsFromTheRootRingToTheTipRing) {
    HairModel model;
    thickness = 2.0f;
    placeStrand(0, kBentStrand);
    model.updateHairShape();
    auto samples = tubeSamples(0);
    for (int row = 0; row <= 10; row++) {
        const SurfaceVertex& first = samples[row * 11];
        const SurfaceVertex& last = samples[row * 11 + 10];
        EXPECT_NEAR(first.x, last.x, 1e-4);
        EXPECT_NEAR(first.y, last.y, 1e-4);
        EXPECT_NEAR(first.z, last.z, 1e-4);
    }
    for (int j = 0; j <= 10; j++) {
        const SurfaceVertex& start = samples[j];
        const SurfaceVertex& end = samples[10 * 11 + j];
        EXPECT_NEAR(start.y, kBentStrand[0][1], 1e-4);
        EXPECT_NEAR(std::hypot(start.x - kBentStrand[0][0], start.z - kBentStrand[0][2]), 2.0, 0.25);
        EXPECT_NEAR(end.y, kBentStrand[7][1], 1e-4);
        EXPECT_NEAR(std::hypot(end.x - kBentStrand[7][0], end.z - kBentStrand[7][2]), 2.0, 0.25);
    }
    thickness = 1.0f;
}

TEST(HairShape, StrandWhosePointsCoincideGivesAFiniteTube) {
    HairModel model;
    float still[8][3];
    for (auto& p : still) p[0] = 3, p[1] = 4, p[2] = 5;
    placeStrand(0, still);
    model.updateHairShape();
    auto samples = tubeSamples(0);
    for (int i = 0; i < 121; i++) {
        const float* v = &samples[i].x;
        for (int f = 0; f < 6; f++) EXPECT_TRUE(std::isfinite(v[f])) << i;
        EXPECT_NEAR(std::sqrt(v[3] * v[3] + v[4] * v[4] + v[5] * v[5]), 1.0, 1e-5);
    }
}

TEST(HairShape, OnlyLiveStrandsAreRebuilt) {
    HairModel model;
    hairDensity = 3;
    model.growHairOnPlane();
    model.updateHairShape();
    const float before = strandSurfaces[4].controlPoints[0];
    hairPoints[8 * 4].position[0] += 50.0f;
    hairDensity = 2;  // strand 4 is no longer live
    model.updateHairShape();
    EXPECT_EQ(strandSurfaces[4].controlPoints[0], before);
    hairDensity = 3;
    model.updateHairShape();
    EXPECT_EQ(strandSurfaces[4].controlPoints[0], before + 50.0f);
}

}  // namespace
