// The hair view as the toolkit drives it: the mouse's presses and drags in window coordinates, and one
// animation frame per draw.
#include <FL/Fl.H>

#include <sstream>
#include <string>

#include "support/PanelFixture.h"

namespace {

// An event at (x, y) of the view's own coordinates, y down from its top, as the toolkit reports it.
int send(int event, int x, int y, int button = FL_LEFT_MOUSE) {
    Fl::e_x = x, Fl::e_y = y, Fl::e_keysym = FL_Button + button;
    return mainPanel->hairView->handle(event);
}

// zoom, rotationX, rotationZ, panX, panY, lastMouseX, lastMouseY, as one line.
std::string viewState() {
    std::ostringstream line;
    line << zoomFactor << ' ' << rotationX << ' ' << rotationZ << ' ' << panX << ' ' << panY << ' '
         << lastMouseX << ' ' << lastMouseY;
    return line.str();
}

// A press at (100, 255) of the 455-pixel-high view, which is (100, 200) counted up from its bottom edge, then
// a drag to (108, 188) counted up: dx = 8, dy = 200 - 188 = 12, a quarter of each, 2 and 3. A drag down
// raises rotationX and panY (drawn translated by -panY, the scene follows the mouse down). Every button does
// the same; every event is taken, and only presses and drags change the view, and redraw it.
TEST_F(ShownPanelUi, PressesZoomWithinBoundsAndDragsTurnAndPanAQuarterPerPixelWithAnyButton) {
    const struct {
        const char* name;
        const char* modes[3];
        int button;
        const char* after;  // viewState()
    } cases[] = {
        {"no mode", {}, FL_LEFT_MOUSE, "1 0 0 0 0 108 188"},
        {"zoom in", {"View/Zoom In"}, FL_MIDDLE_MOUSE, "1.2 0 0 0 0 108 188"},
        {"zoom out", {"View/Zoom Out"}, FL_RIGHT_MOUSE, "0.8 0 0 0 0 108 188"},
        {"rotate", {"View/Rotate"}, FL_LEFT_MOUSE, "1 3 2 0 0 108 188"},
        {"translate", {"View/Translate"}, FL_MIDDLE_MOUSE, "1 0 0 2 3 108 188"},
        {"both, zoomed by the press",
         {"View/Zoom In", "View/Rotate", "View/Translate"},
         FL_RIGHT_MOUSE,
         "1.2 3 2 2 3 108 188"},
    };
    for (const auto& c : cases) {
        SetUp();
        for (const char* mode : c.modes)
            if (mode) pick(mode);
        EXPECT_EQ(send(FL_PUSH, 100, 255, c.button), 1);
        const bool pressRedraws = mainPanel->hairView->damage() != 0;
        mainPanel->hairView->clear_damage();
        EXPECT_EQ(send(FL_DRAG, 108, 267, c.button), 1);
        EXPECT_TRUE(pressRedraws && mainPanel->hairView->damage() != 0)
            << c.name << ": a redraw of the press and the drag";
        EXPECT_EQ(viewState(), c.after) << c.name;
    }
    // Up and to the left by (-20, 4): dx = -20, dy = -4, so back by 5 and 1, and the scene follows upward.
    send(FL_DRAG, 88, 263);
    EXPECT_EQ(viewState(), "1.2 2 -3 -3 2 88 192");
    for (int event : {FL_RELEASE, FL_MOVE, FL_KEYDOWN, FL_SHORTCUT, FL_FOCUS, FL_ENTER, FL_LEAVE})
        EXPECT_EQ(send(event, 0, 0), 1) << event;
    EXPECT_EQ(viewState(), "1.2 2 -3 -3 2 88 192") << "only presses and drags change the view";
    // A second press zooms 1.44 times. Presses beyond a millionth or a million leave the zoom where it was.
    send(FL_PUSH, 0, 0);
    EXPECT_FLOAT_EQ(zoomFactor, 1.44f);
    for (int press = 0; press < 1000; press++) send(FL_PUSH, 0, 0);
    EXPECT_TRUE(zoomFactor <= kMaxZoom && zoomFactor * 1.2 > kMaxZoom) << zoomFactor;
    pick("View/Zoom Out");
    for (int press = 0; press < 1000; press++) send(FL_PUSH, 0, 0);
    EXPECT_TRUE(zoomFactor >= kMinZoom && zoomFactor * 0.8 < kMinZoom) << zoomFactor;
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
