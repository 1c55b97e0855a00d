// The random stream and the start-up strand on the plane to the bit, the springs of every strand.
#include <algorithm>
#include <cmath>

#include "support/DefaultSettings.h"

using PlaneGrowerTest = DefaultSettingsTest;

// The start-up strand (n = 1, L = 20, A = 45, messy, sp = 200) of a fresh process, to the bit, worked out
// apart from the program. The draws r by hand: s = s * 214013 + 2531011 (mod 2^32) from s = 1 (2745024,
// 3357800067, ...), r = (s >> 16) & 0x7FFF. Each coordinate is base + U(X), U(X) = r*X/32767 in double, the
// sum in double, rounded once to float. Root x, z: base the cursor -100, X = 200; point k: y from point k-1's
// y with X = 20, then x and z from the root's with X = 45. Root z: -100 + 18467*200/32767 = 12.7170628986...
// stores 0x1.96f22ep+3 (12.71706295); U rounded to float first (112.7170639) would store 12.7170639, a float
// step higher.
TEST(PlaneGrowerStartUp, FirstStrandIsTheHandWorkedArithmeticToTheBit) {
    struct Coordinate {
        int point, axis, r;  // axis 0, 1, 2 = x, y, z; r the draw, in the order of the draws
        float stored;
    };
    const Coordinate strand[23] = {
        {0, 0, 41, -0x1.8effbep+6f},   {0, 2, 18467, 0x1.96f22ep+3f},                                  //
        {1, 1, 6334, 0x1.eedbdep+1f},  {1, 0, 26500, -0x1.fad9f6p+5f}, {1, 2, 19169, 0x1.3857p+5f},    //
        {2, 1, 15724, 0x1.aed55ep+3f}, {2, 0, 11478, -0x1.4ff25p+6f},  {2, 2, 29358, 0x1.a8487p+5f},   //
        {3, 1, 26962, 0x1.deb9bep+4f}, {3, 0, 24464, -0x1.089c32p+6f}, {3, 2, 5705, 0x1.48d4b2p+4f},   //
        {4, 1, 28145, 0x1.78cb32p+5f}, {4, 0, 23281, -0x1.0f1bd6p+6f}, {4, 2, 16827, 0x1.1e9beep+5f},  //
        {5, 1, 9961, 0x1.a96ed4p+5f},  {5, 0, 491, -0x1.8c4d4p+6f},    {5, 2, 2995, 0x1.0d487ap+4f},   //
        {6, 1, 11942, 0x1.e3bec8p+5f}, {6, 0, 4827, -0x1.747b9p+6f},   {6, 2, 5436, 0x1.42eb86p+4f},   //
        {7, 1, 32391, 0x1.40f462p+6f}, {7, 0, 14604, -0x1.3ec63ep+6f}, {7, 2, 3902, 0x1.213682p+4f}};
    hair::resetRandom();
    for (const Coordinate& c : strand) EXPECT_EQ(hair::drawRandom(), c.r) << "point " << c.point;
    resetAsNewProcess();
    const HairModel startUp;
    EXPECT_EQ(hairPoints[0].position[1], 0.0f);
    for (const Coordinate& c : strand)
        EXPECT_EQ(hairPoints[c.point].position[c.axis], c.stored)
            << "point " << c.point << ' ' << "xyz"[c.axis] << " from r = " << c.r;
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
