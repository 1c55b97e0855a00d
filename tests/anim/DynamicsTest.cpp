// The dynamics: one midpoint step against a hand computation, the spring force, the nudges, pinning,
// the sign flips of a frame, and free fall under wind and gravity.
#include <gtest/gtest.h>

#include <cmath>

#include "anim/Dynamics.h"
#include "app/HairModel.h"
#include "hair/HairStore.h"
#include "hair/Random.h"
#include "support/DefaultSettings.h"

namespace {

using DynamicsTest = DefaultSettingsTest;

// Strand 0 live (hairDensity 1), every point pinned at its own spot (no coordinate shared), every spring
// joining the pinned points 0 and 1: nothing moves or pushes until a test frees points or redirects springs.
void pinStrandZeroApart() {
    hairDensity = 1;
    for (int k = 0; k < 8; ++k) {
        hairPoints[k] = {
            1.0f, {100.0f + 10 * k, 100.0f + 20 * k, 100.0f + 30 * k}, {0, 0, 0}, {0, 0, 0}, true};
    }
    for (int s = 0; s < 13; ++s) hairSprings[s] = {1, 0, 5.0f, 1.0f};
}

void expectPosition(int point, float x, float y, float z) {
    EXPECT_EQ(hairPoints[point].position[0], x) << point;
    EXPECT_EQ(hairPoints[point].position[1], y) << point;
    EXPECT_EQ(hairPoints[point].position[2], z) << point;
}

// Points 6 (inner, mass 1) and 7 (outer, mass 2) of the hand-worked step: positions and velocities.
struct TwoPoints {
    float x[2][3];
    float v[2][3];
};
const double kMass[2] = {1.0, 2.0};
constexpr float kRest = 2.0f, kStiffness = 0.8f;

// Acceleration of each point, written out from the force law: wind on every axis, gravity along -z, and
// the spring's force f on the inner end, -f on the outer; every force rounded to float as it is stored.
void handAccelerations(const TwoPoints& s, float a[2][3]) {
    double d[3];
    for (int c = 0; c < 3; ++c) d[c] = static_cast<double>(s.x[0][c]) - s.x[1][c];
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    for (int c = 0; c < 3; ++c) {
        const double stretch = static_cast<double>(springConstant) * (length - kRest) * kStiffness;
        const double damped = (static_cast<double>(s.v[0][c]) - s.v[1][c]) * damping * d[c] / length;
        const float f = static_cast<float>(-(stretch + damped) * d[c] / length);
        for (int i = 0; i < 2; ++i) {
            const float external =
                c == 2 ? static_cast<float>(wind - static_cast<double>(gravity) * kMass[i]) : wind;
            const float force = i == 0 ? external + f : external - f;
            a[i][c] = static_cast<float>(force / kMass[i]);
        }
    }
}

// x + dt * dx and v + dt * dv for both points, rounded to float.
TwoPoints handAdvance(const TwoPoints& from, const TwoPoints& slope, const float a[2][3], double dt) {
    TwoPoints to;
    for (int i = 0; i < 2; ++i) {
        for (int c = 0; c < 3; ++c) {
            to.x[i][c] = static_cast<float>(from.x[i][c] + dt * slope.v[i][c]);
            to.v[i][c] = static_cast<float>(from.v[i][c] + dt * a[i][c]);
        }
    }
    return to;
}

}  // namespace

TEST_F(DynamicsTest, OneMidpointStepMatchesTheHandComputation) {
    wind = 0.03f;
    gravity = -0.02f;
    damping = 0.05f;
    pinStrandZeroApart();
    const TwoPoints start = {{{1.0f, 2.0f, 3.0f}, {2.5f, 1.0f, 4.0f}},
                             {{0.1f, -0.2f, 0.3f}, {-0.1f, 0.05f, 0.0f}}};
    for (int i = 0; i < 2; ++i) {
        hairPoints[6 + i] = {static_cast<float>(kMass[i]), {}, {}, {}, false};
        for (int c = 0; c < 3; ++c) {
            hairPoints[6 + i].position[c] = start.x[i][c];
            hairPoints[6 + i].velocity[c] = start.v[i][c];
        }
    }
    hairSprings[0] = {7, 6, kRest, kStiffness};

    float a[2][3];
    handAccelerations(start, a);
    const TwoPoints midpoint = handAdvance(start, start, a, 0.1f / 2.0);
    handAccelerations(midpoint, a);
    const TwoPoints end = handAdvance(start, midpoint, a, 0.1f);

    model.dynamicsStep();
    for (int i = 0; i < 2; ++i) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(hairPoints[6 + i].position[c], end.x[i][c]) << i << " " << c;
            EXPECT_EQ(hairPoints[6 + i].velocity[c], end.v[i][c]) << i << " " << c;
            EXPECT_EQ(hairPoints[6 + i].force[c], static_cast<float>(a[i][c] * kMass[i])) << i << " " << c;
        }
    }
    EXPECT_EQ(pointDerivatives, nullptr);
}

// A spring 7 long from inner (2, 3, 6) to outer (0, 0, 0): at rest 5 it pulls with k * 2 = 0.2 along the
// spring; at rest 7 with the inner end moving along x, the damping term acts on x alone (per axis, not
// the relative velocity projected on the spring).
TEST(SpringForceTest, StretchPullsTogetherAndDampingActsPerAxis) {
    const double d[3] = {2, 3, 6};
    HairPoint ends[2] = {{1.0f, {2, 3, 6}, {0, 0, 0}, {0, 0, 0}, false},
                         {1.0f, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, false}};
    HairSpring spring = {1, 0, 5.0f, 1.0f};
    accumulateSpringForces(ends, &spring, 1, 0.1f, 0.01f);
    for (int c = 0; c < 3; ++c) {
        EXPECT_FLOAT_EQ(ends[0].force[c], -0.2 * d[c] / 7);
        EXPECT_FLOAT_EQ(ends[1].force[c], 0.2 * d[c] / 7);
    }

    spring.restLength = 7.0f;
    ends[0].velocity[0] = 1.0f;
    ends[1].pinned = true;
    applyExternalForces(ends, 2, 0.0f, 0.0f);
    accumulateSpringForces(ends, &spring, 1, 0.1f, 0.1f);
    EXPECT_FLOAT_EQ(ends[0].force[0], -0.1f * 4.0 / 49);
    EXPECT_EQ(ends[0].force[1], 0.0f);
    EXPECT_EQ(ends[0].force[2], 0.0f);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(ends[1].force[c], 0.0f);
}

// All eight points pinned at the origin. The first evaluation nudges the outer end of every spring whose
// ends coincide, spring by spring: 0-1, 2-3, 4-5, 6-7 (stretch), then 0-2, 1-3, 4-6, 5-7 (bend), so the
// points stand at 0, 1, 1, 2, 0, 1, 1, 2 nudges on every axis. The step keeps exactly that state: the
// nudges of its second evaluation only shape the midpoint.
TEST_F(DynamicsTest, CoincidingEndsAreNudgedApartByTheFirstEvaluation) {
    pinStrandZeroApart();
    for (int k = 0; k < 8; ++k)
        hairPoints[k].position[0] = hairPoints[k].position[1] = hairPoints[k].position[2] = 0;
    model.buildSprings();
    model.dynamicsStep();
    const int nudges[8] = {0, 1, 1, 2, 0, 1, 1, 2};
    for (int k = 0; k < 8; ++k) {
        const float expected = nudges[k] == 0 ? 0.0f : nudges[k] == 1 ? kNudge : kNudge + kNudge;
        expectPosition(k, expected, expected, expected);
    }
    const float* p0 = hairPoints[0].position;
    const float* p1 = hairPoints[1].position;
    EXPECT_NEAR(std::hypot(p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]), std::sqrt(3.0) * 0.001, 1e-9);

    pinStrandZeroApart();
    hairPoints[1].position[0] = hairPoints[0].position[0];  // only x shared
    model.computeForces();
    expectPosition(1, 100.0f + kNudge, 120.0f, 130.0f);
    expectPosition(0, 100.0f, 100.0f, 100.0f);
}

// Strand 0 grown on the plane (root and tip pinned) with every spring moved onto the pinned root and tip:
// points 1-6 fall freely under the constant force (wind, wind, wind - gravity). The first frame flips
// the defaults to wind -0.05 and gravity 0.05; the midpoint method is exact for a constant force, so
// after the frame (time 1) v = F and x = x0 + F / 2; the second frame's opposite force stops the point at
// x0 + F and restores wind and gravity.
TEST_F(DynamicsTest, FramesFlipWindAndGravityAndFreePointsFallUnderThem) {
    resetRandom();
    model.buildSprings();
    model.growHairOnPlane();
    for (int s = 0; s < 13; ++s) hairSprings[s] = {7, 0, 5.0f, 1.0f};
    hairPoints[8] = {1.0f, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, false};
    HairPoint start[9];
    std::copy(hairPoints, hairPoints + 9, start);
    const double fall[3] = {-0.05, -0.05, -0.1};

    model.stepFrame();
    EXPECT_EQ(wind, -0.05f);
    EXPECT_EQ(gravity, 0.05f);
    for (int k = 1; k < 7; ++k) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(hairPoints[k].force[c], static_cast<float>(fall[c])) << k << " " << c;
            EXPECT_NEAR(hairPoints[k].velocity[c], fall[c], 1e-6) << k << " " << c;
            EXPECT_NEAR(hairPoints[k].position[c], start[k].position[c] + fall[c] / 2, 1e-4) << k << " " << c;
        }
    }
    model.stepFrame();
    EXPECT_EQ(wind, 0.05f);
    EXPECT_EQ(gravity, -0.05f);
    EXPECT_EQ(springConstant, 0.1f);
    for (int k = 1; k < 7; ++k) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(hairPoints[k].velocity[c], 0.0, 1e-6) << k << " " << c;
            EXPECT_NEAR(hairPoints[k].position[c], start[k].position[c] + fall[c], 1e-4) << k << " " << c;
        }
    }
    for (int k : {0, 7, 8}) {
        expectPosition(k, start[k].position[0], start[k].position[1], start[k].position[2]);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(hairPoints[k].velocity[c], start[k].velocity[c]);
    }
    EXPECT_EQ(hairPoints[8].force[0], start[8].force[0]);  // beyond the live part
}

// With the real springs the pinned root and tip of a border strand still get no force and stay where
// they grew, while the springs move the free points; a point of mass 0 stays where it is.
TEST_F(DynamicsTest, PinnedPointsAndMasslessPointsStayPut) {
    resetRandom();
    model.buildSprings();
    model.growHairOnPlane();
    hairPoints[3].mass = 0.0f;
    HairPoint start[8];
    std::copy(hairPoints, hairPoints + 8, start);
    for (int frame = 0; frame < 20; ++frame) model.stepFrame();
    for (int k : {0, 3, 7}) {
        expectPosition(k, start[k].position[0], start[k].position[1], start[k].position[2]);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(hairPoints[k].velocity[c], 0.0f) << k;
    }
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(hairPoints[0].force[c], 0.0f);
        EXPECT_EQ(hairPoints[7].force[c], 0.0f);
        EXPECT_TRUE(std::isfinite(hairPoints[3].force[c]));
    }
    EXPECT_NE(hairPoints[2].position[1], start[2].position[1]);
}
