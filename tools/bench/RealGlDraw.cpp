// tresslow-gl-bench: for information, the time of one whole draw of the view on the real GL stack
// (HairView::draw, then glFinish) in the benchmark scene. The first draw, which sets up the context, is
// left out. Needs a display; scripts/bench-real-gl.sh runs it under Xvfb with Mesa's software renderer.
#include <FL/Fl.H>
#include <FL/gl.h>

#include <cstdio>

#include "app/MainPanel.h"
#include "common/BenchScene.h"
#include "common/PhaseTiming.h"
#include "view/HairView.h"

int main() {
    if (!Fl::gl_visual(FL_RGB | FL_DOUBLE | FL_DEPTH)) {
        std::fprintf(stderr, "tresslow-gl-bench: the display offers no double-buffered OpenGL visual\n");
        return 2;
    }
    mainPanel = new MainPanel;
    buildBenchScene(*mainPanel->hairModel);
    mainPanel->show();
    HairView& view = *mainPanel->hairView;
    for (int wait = 0; wait < 100 && !view.valid(); wait++) Fl::wait(0.1);
    if (!view.valid()) {
        std::fprintf(stderr, "tresslow-gl-bench: the view was never drawn\n");
        return 1;
    }
    view.make_current();
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    printPhaseHeader();
    printPhase("HairView::draw + glFinish", timePhase([&] {
                   view.draw();
                   glFinish();
               }));
    return 0;
}
