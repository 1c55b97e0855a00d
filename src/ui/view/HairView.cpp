// HairView::draw and HairView::handle: one animation frame, then the scene; the mouse.
#include "view/HairView.h"

#include <FL/Fl.H>

#include "app/HairModel.h"
#include "app/MainPanel.h"
#include "view/Scene.h"
#include "view/ViewState.h"

// Every draw is one frame of the animation, stepped after the buffers are cleared and before anything is
// drawn.
void HairView::draw() {
    if (!valid()) setUpView(w(), h());
    clearFrame();
    mainPanel->hairModel->stepFrame();
    drawScene();
}

int HairView::handle(int event) {
    const int mx = Fl::event_x();
    const int my = h() - Fl::event_y();
    if (event == FL_PUSH) {
        view::pressView(mx, my);
        redraw();
    } else if (event == FL_DRAG) {
        view::dragView(mx, my);
        redraw();
    }
    return 1;
}
