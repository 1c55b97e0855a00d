// A soak of 20,000 random commands through the real widgets, each followed by a checked frame.
#include <malloc.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "support/PanelFixture.h"

namespace {

using CommandSoak = MainPanelUi;

// Random menu entries (all but Exit) and slider values at, next to or between the bounds; a frame after each.
TEST_F(CommandSoak, SoakOfTwentyThousandRandomCommandsKeepsTheHairSoundAndTheHeapFlat) {
    MainPanel& p = *mainPanel;
    std::vector<const Fl_Menu_Item*> entries;
    for (const Fl_Menu_Item* e = p.menuBar->menu(); e < p.menuBar->menu() + p.menuBar->size(); e++)
        if (e->callback() && std::strcmp(e->label(), "Exit")) entries.push_back(e);
    const std::vector<Fl_Value_Slider*> sliders = {p.lengthSlider,    p.restAngleSlider, p.hairsSlider,
                                                   p.thicknessSlider, p.windSlider,      p.gravitySlider,
                                                   p.dampingSlider};
    testing::internal::CaptureStdout();
    pick("Under Lying Shape/Torus");  // the torus and all 400 tubes exist before the first heap measure
    slide(p.hairsSlider, 20);
    static HairPoint beyond[kMaxPoints];
    std::mt19937 rng(20240611u);
    int shapesSeen = 0, c = 0;
    size_t heapAfterThousand = 0;
    for (; c < 20000; c++) {
        const size_t choice = rng() % (entries.size() + sliders.size());
        if (choice < entries.size()) {
            p.menuBar->picked(entries[choice]);
        } else {
            Fl_Value_Slider* slider = sliders[choice - entries.size()];
            const int steps = std::lround((slider->maximum() - slider->minimum()) / slider->step());
            const int index[] = {0, 1, 2 + static_cast<int>(rng() % (steps - 3)), steps - 1, steps};
            slide(slider, slider->round(slider->minimum() + index[rng() % 5] * slider->step()));
        }
        // Every live position, velocity, tube point and normal finite (exactly when their sum is).
        const int n = static_cast<int>(p.hairsSlider->value()), live = kPointsPerStrand * n * n;
        std::memcpy(beyond, hairPoints + live, sizeof(HairPoint) * (kMaxPoints - live));
        p.hairModel->stepFrame();
        double sum = 0;
        for (int i = 0; i < 3 * live; i++)
            sum += hairPoints[i / 3].position[i % 3] + hairPoints[i / 3].velocity[i % 3];
        for (int s = 0; s < n * n; s++) {
            std::unique_ptr<SurfaceVertex[]> v(strandSurfaces[s].evaluateGrid());
            for (int k = 0; k < 121; k++) sum += v[k].x + v[k].y + v[k].z + v[k].nx + v[k].ny + v[k].nz;
        }
        if (hairDensity != n || !std::isfinite(sum) ||
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

}  // namespace
