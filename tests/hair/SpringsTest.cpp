// buildSprings: the whole store's springs from the hair length, whatever the live part.
#include <gtest/gtest.h>

#include "app/HairModel.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"

using SpringsTest = DefaultSettingsTest;

TEST_F(SpringsTest, EveryStrandGetsSevenStretchAndSixBendSprings) {
    hairLength = 33;
    hairDensity = 1;
    for (HairSpring& spring : hairSprings) spring = {-1, -1, 0.0f, 0.0f};
    model.buildSprings();

    for (int s = 0; s < kMaxStrands; ++s) {
        const HairSpring* springs = &hairSprings[13 * s];
        for (int k = 0; k < 13; ++k) {
            const bool stretch = k < 7;
            const int inner = 8 * s + (stretch ? k : k - 7);
            EXPECT_EQ(springs[k].inner, inner) << s << " " << k;
            EXPECT_EQ(springs[k].outer, inner + (stretch ? 1 : 2)) << s << " " << k;
            EXPECT_EQ(springs[k].restLength, stretch ? 33.0f : 66.0f) << s << " " << k;
            EXPECT_EQ(springs[k].stiffness, stretch ? 1.0f : 0.5f) << s << " " << k;
        }
        EXPECT_EQ(springs[12].inner, 8 * s + 5);
        EXPECT_EQ(springs[12].outer, 8 * s + 7);
    }
}
