// tresslow-gl-bench: for information, where one frame of the view goes on the real GL stack, 400 strands
// on each shape in each mode: the animation step, the draw calls (with a software renderer, the vertex
// work and the binning of primitives happen here), glFinish (the rasterisation that the renderer defers to
// the end of the frame) and the buffer swap (the copy to the window). Medians in milliseconds. Needs a
// display; scripts/bench-real-gl.sh runs it under Xvfb with Mesa's software renderer.
#include <FL/Fl.H>
#include <FL/gl.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/HairModel.h"
#include "app/MainPanel.h"
#include "app/Settings.h"
#include "common/PhaseTiming.h"
#include "view/HairView.h"
#include "view/Scene.h"

namespace {

struct FrameCase {
    const char* name;
    void (HairModel::*makeShape)();
    void (HairModel::*setMode)();
};
constexpr FrameCase kFrameCases[] = {
    {"plane Wireframe", &HairModel::makePlane, &HairModel::setWireframe},
    {"plane Smooth", &HairModel::makePlane, &HairModel::setSmooth},
    {"sphere Wireframe", &HairModel::makeSphere, &HairModel::setWireframe},
    {"sphere Smooth", &HairModel::makeSphere, &HairModel::setSmooth},
    {"torus Wireframe", &HairModel::makeTorus, &HairModel::setWireframe},
    {"torus Smooth", &HairModel::makeTorus, &HairModel::setSmooth},
};

// The draw of HairView::draw and the toolkit's swap after it, cut into its four parts; each part's median
// over 60 frames, after 10 frames to settle.
void timeFrameParts(HairView& view, HairModel& model) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> times[4];
    for (int frame = 0; frame < 70; frame++) {
        Clock::time_point marks[5];
        marks[0] = Clock::now();
        clearFrame();
        model.stepFrame();
        marks[1] = Clock::now();
        drawScene();
        marks[2] = Clock::now();
        glFinish();
        marks[3] = Clock::now();
        view.swap_buffers();
        marks[4] = Clock::now();
        for (int part = 0; frame >= 10 && part < 4; part++)
            times[part].push_back(
                std::chrono::duration<double, std::milli>(marks[part + 1] - marks[part]).count());
    }
    double total = 0;
    for (auto& partTimes : times) {
        const double median = summarizeTimes(partTimes).median;
        total += median;
        std::printf(" %10.2f", median);
    }
    std::printf(" %10.2f\n", total);
}

}  // namespace

int main() {
    if (!Fl::gl_visual(FL_RGB | FL_DOUBLE | FL_DEPTH)) {
        std::fprintf(stderr, "tresslow-gl-bench: the display offers no double-buffered OpenGL visual\n");
        return 2;
    }
    mainPanel = new MainPanel;
    HairModel& model = *mainPanel->hairModel;
    mainPanel->show();
    HairView& view = *mainPanel->hairView;
    for (int wait = 0; wait < 100 && !view.valid(); wait++) Fl::wait(0.1);
    if (!view.valid()) {
        std::fprintf(stderr, "tresslow-gl-bench: the view was never drawn\n");
        return 1;
    }
    view.make_current();
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf("%-20s %10s %10s %10s %10s %10s\n", "400 strands (ms)", "step", "draw calls", "glFinish",
                "swap", "sum");
    for (const FrameCase& frameCase : kFrameCases) {
        runSilenced([&] {
            model.applyHairs(kMaxDensity);
            (model.*frameCase.makeShape)();
        });
        (model.*frameCase.setMode)();
        std::printf("%-20s", frameCase.name);
        timeFrameParts(view, model);
    }
    return 0;
}
