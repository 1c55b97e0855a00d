// The random stream against values worked out by hand from s = s * 214013 + 2531011 (mod 2^32), s0 = 1.
#include <gtest/gtest.h>

#include "hair/Random.h"

// States 2745024, 3357800067, 415139642, 3884216597, 3403800452, 1030492215; r is bits 16..30.
TEST(RandomTest, StreamStartsWithTheHandComputedValues) {
    resetRandom();
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724}) EXPECT_EQ(drawRandom(), expected);
}

// J truncates r*5/32767: 205 -> 0, 92335 -> 2, 31670 -> 0, 132500 -> 4. U(32767) is r itself.
TEST(RandomTest, JitterAndUniformScaleTheStream) {
    resetRandom();
    for (int expected : {0, 2, 0, 4}) EXPECT_EQ(jitterDraw(), expected);
    resetRandom();
    for (float expected : {41.0f, 18467.0f, 6334.0f}) EXPECT_EQ(uniformDraw(32767.0f), expected);
    resetRandom();
    EXPECT_FLOAT_EQ(uniformDraw(200.0f), 41 * 200.0f / 32767);
}

// The profile draws a[k], b[k], c[k] in turn: a[1] from r = 41, b[1] from 18467, c[1] from 6334.
TEST(RandomTest, CombedProfileDrawsHeightThenOffsets) {
    resetRandom();
    const CombedProfile profile = drawCombedProfile(32767.0f, 32767.0f);
    EXPECT_EQ(profile.a[0], 0.0f);
    EXPECT_EQ(profile.a[1], 41.0f);
    EXPECT_EQ(profile.b[1], 18467.0f);
    EXPECT_EQ(profile.c[1], 6334.0f);
    EXPECT_EQ(profile.a[2], 41.0f + 26500.0f);
}
