// A soak of 1000 frames at every extreme of the sliders, through the real widgets.
#include <algorithm>
#include <cmath>
#include <vector>

#include "hair/Growth.h"
#include "support/PanelFixture.h"

namespace {

using CommandSoak = MainPanelUi;

// Every live position, velocity, tube point and tube normal is finite (exactly when their sum is).
bool liveStateIsFinite() {
    double sum = 0;
    for (int i = 0; i < 3 * livePointCount(); i++)
        sum += hairPoints[i / 3].position[i % 3] + hairPoints[i / 3].velocity[i % 3];
    for (int s = 0; s < liveStrandCount(); s++) {
        const std::vector<SurfaceVertex> v = strandSurfaces[s].evaluateGrid();
        for (int k = 0; k < 121; k++) sum += v[k].x + v[k].y + v[k].z + v[k].nx + v[k].ny + v[k].nz;
    }
    return std::isfinite(sum);
}

// 1000 frames of 400 strands on every shape under the strongest wind and gravity; every extreme of length,
// rest angle, damping and style comes in one of the runs. The hair stays finite, and in every frame within
// the reach that the view's depth range covers.
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
            float farthest = 0;
            for (int frame = 0; frame < 1000; ++frame) {
                mainPanel->hairModel->stepFrame();
                for (const HairPoint* p = hairPoints; p < hairPoints + livePointCount(); p++)
                    farthest = std::max(farthest, std::hypot(p->position[0], p->position[1], p->position[2]));
            }
            EXPECT_TRUE(liveStateIsFinite() && farthest <= hair::kHairReach)
                << shape << ", length " << run.length << ", damping " << run.damping << ": " << farthest;
        }
    }
}

}  // namespace
