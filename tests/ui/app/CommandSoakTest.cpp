// A soak of 20,000 random commands through the real widgets, each followed by a checked frame.
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

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

// Random menu entries (all but Exit) and slider values at, next to or between the bounds; a frame after each.
TEST_F(CommandSoak, SoakOfTwentyThousandRandomCommandsKeepsTheHairSoundAndTheHeapFlat) {
    MainPanel& p = *mainPanel;
    std::vector<const Fl_Menu_Item*> entries;  // every menu entry but Exit
    for (const Fl_Menu_Item* e = p.menuBar->menu(); e < p.menuBar->menu() + p.menuBar->size(); e++)
        if (e->callback() && std::strcmp(e->label(), "Exit")) entries.push_back(e);
    Fl_Value_Slider* const sliders[] = {p.lengthSlider, p.restAngleSlider, p.hairsSlider,  p.thicknessSlider,
                                        p.windSlider,   p.gravitySlider,   p.dampingSlider};
    testing::internal::CaptureStdout();
    pick("Under Lying Shape/Torus");  // the torus and all 400 tubes exist before the first heap measure
    slide(p.hairsSlider, 20);
    static HairPoint beyond[kMaxPoints];
    std::mt19937 rng(20240611u);
    int shapesSeen = 0, c = 0;
    size_t heapAfterThousand = 0;
    for (; c < 20000; c++) {
        const size_t choice = rng() % (entries.size() + 7);
        if (choice < entries.size()) {
            p.menuBar->picked(entries[choice]);
        } else {
            Fl_Value_Slider* slider = sliders[choice - entries.size()];
            const int steps = std::lround((slider->maximum() - slider->minimum()) / slider->step());
            const int index[] = {0, 1, 2 + static_cast<int>(rng() % (steps - 3)), steps - 1, steps};
            slide(slider, slider->round(slider->minimum() + index[rng() % 5] * slider->step()));
        }
        const int n = static_cast<int>(p.hairsSlider->value()), live = kPointsPerStrand * n * n;
        std::memcpy(beyond, hairPoints + live, sizeof(HairPoint) * (kMaxPoints - live));
        p.hairModel->stepFrame();
        if (hairDensity != n || !liveStateIsFinite() ||
            std::memcmp(beyond, hairPoints + live, sizeof(HairPoint) * (kMaxPoints - live)) != 0)
            break;
        shapesSeen |= 1 << shapeType;
        if (c == 999) heapAfterThousand = mallinfo2().uordblks;
    }
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(c, 20000) << "the hair went wrong in the frame after this command";
    EXPECT_EQ(shapesSeen, 1 << kShapePlane | 1 << kShapeSphere | 1 << kShapeTorus);
    EXPECT_LE(std::labs(static_cast<long>(mallinfo2().uordblks - heapAfterThousand)), 1L << 20);
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
