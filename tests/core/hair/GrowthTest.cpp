// What every growth leaves in the store, on each shape in each style: the live points at rest with mass 1,
// the roots pinned (and on the plane the tips of the border strands), and the store beyond untouched. Where
// the points go is worked by hand in PlaneGrowerTest and recorded in RecordedFramesTest.
#include <algorithm>
#include <string>

#include "support/DefaultSettings.h"

using GrowthTest = DefaultSettingsTest;

// A 3 x 3 plane (one inner strand, whose tip is free) and 4 x 4 spheres and tori.
TEST_F(GrowthTest, AGrowthWritesTheLiveStrandsAtRestAndNothingBeyond) {
    const HairPoint stale = {2.5f, {777, 777, 777}, {7, 7, 7}, {7, 7, 7}, true};
    const std::pair<ShapeCode, const char*> shapes[] = {
        {kShapePlane, "plane"}, {kShapeSphere, "sphere"}, {kShapeTorus, "torus"}};
    for (const auto& [shape, shapeName] : shapes) {
        for (StyleCode style : {kStyleMessy, kStyleCombed}) {
            const std::string name = std::string(shapeName) + (style == kStyleMessy ? ", messy" : ", combed");
            hairStyle = style;
            hairDensity = shape == kShapePlane ? 3 : 4;
            std::fill(hairPoints, hairPoints + kMaxPoints, stale);
            testing::internal::CaptureStdout();
            model.makeShape(shape);
            testing::internal::GetCapturedStdout();
            for (int i = 0; i < livePointCount(); ++i) {
                const HairPoint& p = hairPoints[i];
                const int k = i % 8, s = i / 8;
                const bool borderTip = shape == kShapePlane && k == 7 && s != 4;
                EXPECT_TRUE(p.mass == 1 && p.pinned == (k == 0 || borderTip) && p.position[0] != 777 &&
                            std::count(p.velocity, p.velocity + 3, 0.0f) == 3 &&
                            std::count(p.force, p.force + 3, 0.0f) == 3)
                    << name << ", strand " << s << ", point " << k;
            }
            EXPECT_EQ(hairPoints[livePointCount()].position[0], 777) << name << ", beyond the live strands";
        }
    }
}
