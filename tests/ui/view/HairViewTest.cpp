// The hair view as the toolkit drives it: mouse events in window coordinates, and one animation frame per
// draw.
#include <FL/Fl.H>

#include "support/PanelFixture.h"

namespace {

// An event at (x, y) of the view's own coordinates, y down from its top, as the toolkit reports it.
int send(int event, int x, int y, int button = FL_LEFT_MOUSE) {
    Fl::e_x = x, Fl::e_y = y, Fl::e_keysym = FL_Button + button;
    return mainPanel->hairView->handle(event);
}

// The view is 455 pixels high, so the toolkit's y = 55 is y = 400 counted up from the bottom edge. Any
// button presses and drags alike; every event is taken.
TEST_F(MainPanelUi, EveryButtonPressesAndDragsInViewPixelsCountedUp) {
    for (int button : {FL_LEFT_MOUSE, FL_MIDDLE_MOUSE, FL_RIGHT_MOUSE}) {
        SCOPED_TRACE(button);
        SetUp();
        pick("View/Zoom In");
        pick("View/Rotate");
        EXPECT_EQ(send(FL_PUSH, 100, 55, button), 1);
        EXPECT_TRUE(lastMouseX == 100 && lastMouseY == 400 && zoomFactor == 1.2f);
        EXPECT_EQ(send(FL_DRAG, 104, 47, button), 1);  // 4 right, 8 up: a quarter of each
        EXPECT_TRUE(rotationZ == 1.0f && rotationX == -2.0f && lastMouseY == 408 && zoomFactor == 1.2f);
    }
    for (int event : {FL_RELEASE, FL_MOVE, FL_KEYDOWN, FL_SHORTCUT, FL_FOCUS, FL_ENTER, FL_LEAVE})
        EXPECT_EQ(send(event, 0, 0), 1) << event;
    EXPECT_TRUE(lastMouseX == 104 && zoomFactor == 1.2f) << "only presses and drags change the view";
}

// Redraw requests before a draw give one draw, and every draw is one frame: it flips wind and gravity.
TEST_F(ShownPanelUi, EveryDrawOfTheViewIsOneFrame) {
    for (int wait = 0; wait < 100 && !mainPanel->hairView->valid(); wait++) Fl::wait(0.05);
    while (Fl::wait(0.2) > 0) continue;  // the exposures of the new windows, drawn
    for (int draw = 1; draw <= 3; draw++) {
        const float before = wind;
        mainPanel->hairView->redraw();
        mainPanel->hairView->redraw();
        Fl::flush();
        Fl::flush();  // nothing left to draw
        EXPECT_EQ(wind, -before) << "draw " << draw;
    }
}

}  // namespace
