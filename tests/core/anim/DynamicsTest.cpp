// The dynamics: a midpoint step worked by hand, the nudges, and frames at the slider extremes.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "support/DefaultSettings.h"

using DynamicsTest = DefaultSettingsTest;

// p[0] (inner) and p[1] moved by dt from `from` at the slope of p: wind on every axis, gravity along -z
// per unit mass, the force f of a spring of rest length 2 and stiffness 0.8 on p[0], -f on p[1].
static void handAdvance(const HairPoint* from, HairPoint* p, double dt) {
    const HairPoint q[2] = {p[0], p[1]};
    double d[3];
    for (int c = 0; c < 3; ++c) d[c] = static_cast<double>(q[0].position[c]) - q[1].position[c];
    const double L = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), k = springConstant, b = damping;
    for (int c = 0; c < 3; ++c) {
        const double v = static_cast<double>(q[0].velocity[c]) - q[1].velocity[c];
        const float f = static_cast<float>(-(k * (L - 2.0) * 0.8f + v * b * d[c] / L) * d[c] / L);
        for (int i = 0; i < 2; ++i) {
            const float external = c == 2 ? static_cast<float>(wind - double(gravity) * q[i].mass) : wind;
            const float acceleration = (i ? external - f : external + f) / q[i].mass;
            p[i].position[c] = static_cast<float>(from[i].position[c] + dt * q[i].velocity[c]);
            p[i].velocity[c] = static_cast<float>(from[i].velocity[c] + dt * acceleration);
        }
    }
}

// Points 6 and 7 of masses 1 and 2 on spring 0; the other springs join points 0 and 1.
TEST_F(DynamicsTest, OneMidpointStepMatchesTheHandComputation) {
    const HairPoint start[2] = {{1, {1, 2, 3}, {0.1f, -0.2f, 0.3f}, {}, false},
                                {2, {2.5f, 1, 4}, {-0.1f, 0.05f, 0}, {}, false}};
    std::copy_n(start, 2, &hairPoints[6]);
    hairSprings[0] = {7, 6, 2.0f, 0.8f};
    std::fill_n(&hairSprings[1], 12, HairSpring{1, 0, 5.0f, 1.0f});
    HairPoint hand[2] = {start[0], start[1]};
    handAdvance(start, hand, 0.1f / 2.0);
    handAdvance(start, hand, 0.1f);
    model.dynamicsStep();
    for (int i = 0; i < 2; ++i)  // position and velocity, side by side in a point
        EXPECT_EQ(std::memcmp(hairPoints[6 + i].position, hand[i].position, 6 * sizeof(float)), 0) << i;
}

// The outer end moves 0.001 on each coordinate it shares with the inner one: from one spot, springs 0-1,
// 2-3, 4-5, 6-7, 0-2, 1-3, 4-6, 5-7 in turn give 0, 1, 1, 2, 0, 1, 1, 2 nudges.
TEST_F(DynamicsTest, CoincidingEndsAreNudgedApart) {
    std::fill_n(hairPoints, 8, HairPoint{1, {}, {}, {}, true});
    model.dynamicsStep();
    const int nudges[8] = {0, 1, 1, 2, 0, 1, 1, 2};
    for (int i = 0; i < 24; ++i) EXPECT_EQ(hairPoints[i / 3].position[i % 3], nudges[i / 3] * 0.001f) << i;
}

// Point 1 sharing only x with the root is nudged along x alone. Over two frames, which flip wind and gravity
// and back, the pinned root and tip get no force and stay, and so does point 3 of mass 0.
TEST_F(DynamicsTest, SharedCoordinatesPinnedAndMasslessPoints) {
    hairPoints[1].position[0] = hairPoints[0].position[0];
    hairPoints[3].mass = 0.0f;
    HairPoint start[8];
    std::copy_n(hairPoints, 8, start);
    model.computeForces();
    start[1].position[0] += 0.001f;
    EXPECT_EQ(std::memcmp(hairPoints[1].position, start[1].position, sizeof start[1].position), 0);
    model.stepFrame();
    model.stepFrame();
    for (int k : {0, 3, 7}) {
        for (int c = 0; c < 3; ++c) {
            const HairPoint& point = hairPoints[k];
            EXPECT_TRUE(point.position[c] == start[k].position[c] && point.velocity[c] == 0) << k;
            EXPECT_TRUE(point.pinned ? point.force[c] == 0 : std::isfinite(point.force[c])) << k;
        }
    }
}
