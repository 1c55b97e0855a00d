// A soak of 1000 frames at every extreme of the sliders, through the real widgets.
#include <algorithm>
#include <cmath>

#include "hair/Growth.h"
#include "support/PanelFixture.h"

namespace {

using CommandSoak = MainPanelUi;

// 1000 frames of 400 strands on every shape under the strongest wind and gravity; every extreme of length,
// rest angle, damping and style comes in one of the runs. In every frame the hair stays finite and within
// the reach that the view's depth range covers (the tubes and their normals follow from the points).
TEST_F(CommandSoak, SoakOfThousandFramesAtTheSliderExtremesStaysFiniteAndWithinReach) {
    const struct {
        double length, angle, damping;
        const char* style;
    } runs[] = {{1, 0, 0.001, "Style/Messy"},
                {50, 90, 0.1, "Style/Combed"},
                {1, 90, 0.1, "Style/Combed"},
                {50, 0, 0.001, "Style/Messy"}};
    slide(mainPanel->hairsSlider, 20);
    slide(mainPanel->windSlider, 0.2);
    slide(mainPanel->gravitySlider, -0.2);
    for (const char* shape :
         {"Under Lying Shape/Plane", "Under Lying Shape/Sphere", "Under Lying Shape/Torus"}) {
        for (const auto& run : runs) {
            testing::internal::CaptureStdout();  // the commands' lines, not the failures'
            pick(shape);
            slide(mainPanel->lengthSlider, run.length);
            slide(mainPanel->restAngleSlider, run.angle);
            slide(mainPanel->dampingSlider, run.damping);
            pick(run.style);
            testing::internal::GetCapturedStdout();
            float farthest = 0;  // a point that is not finite counts as infinitely far
            for (int frame = 0; frame < 1000; ++frame) {
                mainPanel->hairModel->stepFrame();
                for (const HairPoint* p = hairPoints; p < hairPoints + livePointCount(); p++) {
                    const float reach = std::hypot(p->position[0], p->position[1], p->position[2]);
                    farthest = std::max(farthest, std::isfinite(reach) ? reach : INFINITY);
                }
            }
            EXPECT_LE(farthest, hair::kHairReach)
                << shape << ", length " << run.length << ", damping " << run.damping;
        }
    }
}

}  // namespace
