// A thousand frames at the extremes of every slider that the dynamics depends on leave the hair finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/HairModel.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"

using DynamicsStabilityTest = DefaultSettingsTest;

// Strands never interact, so one simulation of 400 strands carries eight growths at once: strands
// 50g .. 50g+49 come from growth g (length 1 or 50, rest angle 0 or 90, messy or combed) together with
// the springs of that growth's length. Each damping extreme runs its own simulation.
TEST_F(DynamicsStabilityTest, ThousandFramesAtTheSliderExtremesStayFinite) {
    constexpr int kGroupStrands = 50;
    constexpr int kGroupPoints = kGroupStrands * kPointsPerStrand;
    constexpr int kGroupSprings = kGroupStrands * kSpringsPerStrand;
    hairDensity = 20;
    std::vector<HairPoint> points(kMaxPoints);
    std::vector<HairSpring> springs(kMaxSprings);
    int group = 0;
    for (int length : {1, 50}) {
        for (int angle : {0, 90}) {
            for (int style : {kStyleMessy, kStyleCombed}) {
                hairLength = length;
                restAngle = angle;
                hairStyle = style;
                model.buildSprings();
                model.growHairOnPlane();
                std::copy_n(&hairPoints[group * kGroupPoints], kGroupPoints, &points[group * kGroupPoints]);
                std::copy_n(&hairSprings[group * kGroupSprings], kGroupSprings,
                            &springs[group * kGroupSprings]);
                ++group;
            }
        }
    }
    std::copy(springs.begin(), springs.end(), hairSprings);

    for (float dampingValue : {0.001f, 0.1f}) {
        std::copy(points.begin(), points.end(), hairPoints);
        wind = 0.2f;
        gravity = -0.2f;
        damping = dampingValue;
        for (int frame = 0; frame < 1000; ++frame) model.stepFrame();
        for (const HairPoint& point : hairPoints) {
            for (int c = 0; c < 3; ++c) {
                ASSERT_TRUE(std::isfinite(point.position[c]) && std::isfinite(point.velocity[c]))
                    << dampingValue;
            }
        }
    }
}
