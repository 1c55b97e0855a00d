// The hair store's builders: the random stream, buildSprings and growHairOnPlane.
#include <algorithm>
#include <cmath>

#include "support/DefaultSettings.h"

using PlaneGrowerTest = DefaultSettingsTest;

// By hand: s = s * 214013 + 2531011 (mod 2^32) from s = 1 (2745024, 3357800067, ...), r = (s >> 16) & 0x7FFF.
TEST(RandomTest, StreamStartsWithTheHandComputedValues) {
    hair::resetRandom();
    for (int expected : {41, 18467, 6334, 26500}) EXPECT_EQ(hair::drawRandom(), expected);
}

// Spring 13s + k joins 8s + k, 8s + k + 1 at L, stiffness 1 (k < 7) or 8s + k - 7, 8s + k - 5 at 2L, 0.5.
TEST_F(PlaneGrowerTest, BuildSpringsGivesEveryStrandSevenStretchAndSixBendSprings) {
    hairLength = 33;
    std::fill_n(hairSprings, kMaxSprings, HairSpring{-1, -1, 0, 0});
    model.buildSprings();
    for (int i = 0; i < kMaxSprings; ++i) {
        const int k = i % 13, bend = k >= 7, inner = i / 13 * 8 + k - 7 * bend;
        const HairSpring& s = hairSprings[i];
        EXPECT_TRUE(s.inner == inner && s.outer == inner + 1 + bend && s.restLength == 33.0f * (1 + bend) &&
                    s.stiffness == 1.0f / (1 + bend))
            << i;
    }
}

// Strand i*n + j: root at y = 0 in cell (j, i), 23 draws, root and border tip pinned. Messy with rest angle
// 0 it rises straight up; combed it follows strand 0 relative to the root up to two jitters of 0..5.
TEST_F(PlaneGrowerTest, StrandsGrowFromTheirCells) {
    for (int run = 0; run < 4; ++run) {
        const int n = run == 0 ? 1 : run == 1 ? 3 : 20;
        const bool combed = run == 3;
        hairDensity = n;
        hairStyle = combed ? kStyleCombed : kStyleMessy;
        restAngle = combed ? 90 : 0;
        hair::resetRandom();
        model.growHairOnPlane();
        const int next = hair::drawRandom();
        hair::resetRandom();
        for (int i = 0; i < (combed ? 21 : 0) + 23 * n * n; ++i) hair::drawRandom();
        EXPECT_EQ(hair::drawRandom(), next) << run;
        const float cell = 200.0f / n;
        bool jittered = false;
        for (int p = 0; p < 8 * n * n; ++p) {
            const int i = p / 8 / n, j = p / 8 % n;
            const HairPoint *point = &hairPoints[p], *root = point - p % 8;
            if (p % 8 == 0) {
                EXPECT_EQ(root->position[1], 0.0f);
                EXPECT_NEAR(root->position[0], -100 + (j + 0.5f) * cell, cell / 2 + 1e-3f) << run << " " << p;
                EXPECT_NEAR(root->position[2], -100 + (i + 0.5f) * cell, cell / 2 + 1e-3f) << run << " " << p;
                EXPECT_TRUE(root->pinned && root[7].pinned == (i == 0 || j == 0 || i == n - 1 || j == n - 1))
                    << p;
            } else if (!combed) {
                const float* x = point->position;
                EXPECT_TRUE(x[1] >= point[-1].position[1] && x[0] == root->position[0] &&
                            x[2] == root->position[2]);
            }
            for (int c = 0; c < 3 && combed; ++c) {
                const double difference = (double(point->position[c]) - root->position[c]) -
                                          (double(hairPoints[p % 8].position[c]) - hairPoints[0].position[c]);
                EXPECT_NEAR(difference, std::round(difference), 1e-4) << p;
                EXPECT_LE(std::fabs(difference), 5) << p;
                jittered |= difference != 0.0;
            }
        }
        EXPECT_EQ(jittered, combed);
    }
}
