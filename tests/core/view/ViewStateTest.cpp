// The mouse's arithmetic on the view state: presses that zoom, drags that turn and pan.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/Settings.h"
#include "support/DefaultSettings.h"
#include "view/ViewState.h"

namespace {

// zoom, rotationX, rotationZ, panX, panY, lastMouseX, lastMouseY, as one line.
std::string viewState() {
    std::ostringstream line;
    line << zoomFactor << ' ' << rotationX << ' ' << rotationZ << ' ' << panX << ' ' << panY << ' '
         << lastMouseX << ' ' << lastMouseY;
    return line.str();
}

// A press at (100, 200) then a drag to (108, 188) in view pixels, y up: dx = 8, dy = 200 - 188 = 12, so a
// quarter of each: 2 and 3. Moving the mouse down (y falling) gives a positive dy, which raises rotationX
// and panY; the scene is drawn translated by -panY, so it follows the mouse down.
struct MouseCase {
    const char* name;
    ZoomCode zoom;
    bool rotate, translate;
    const char* after;  // viewState()
};

TEST(ViewStateTest, PressesZoomAndDragsTurnAndPanByAQuarterPerPixel) {
    const MouseCase cases[] = {
        {"no mode", kNoZoom, false, false, "1 0 0 0 0 108 188"},
        {"zoom in", kZoomIn, false, false, "1.2 0 0 0 0 108 188"},
        {"zoom out", kZoomOut, false, false, "0.8 0 0 0 0 108 188"},
        {"rotate", kNoZoom, true, false, "1 3 2 0 0 108 188"},
        {"translate", kNoZoom, false, true, "1 0 0 2 3 108 188"},
        {"both, zoomed by the press", kZoomIn, true, true, "1.2 3 2 2 3 108 188"},
    };
    for (const MouseCase& c : cases) {
        resetAsNewProcess();
        zoomMode = c.zoom;
        rotateMode = c.rotate;
        translateMode = c.translate;
        view::pressView(100, 200);
        view::dragView(108, 188);
        EXPECT_EQ(viewState(), c.after) << c.name;
    }
    // Up and to the left by (-20, 4): dx = -20, dy = -4, so back by 5 and 1, and the scene follows upward.
    view::dragView(88, 192);
    EXPECT_EQ(viewState(), "1.2 2 -3 -3 2 88 192");
}

// Two presses zoom 1.44 times. Presses beyond a millionth or a million leave the zoom where it was, finite.
TEST(ViewStateTest, ZoomStaysWithinItsBounds) {
    resetAsNewProcess();
    zoomMode = kZoomIn;
    view::pressView(0, 0);
    view::pressView(0, 0);
    EXPECT_FLOAT_EQ(zoomFactor, 1.44f);
    for (int press = 0; press < 1000; press++) view::pressView(0, 0);
    EXPECT_TRUE(zoomFactor <= kMaxZoom && zoomFactor * 1.2 > kMaxZoom) << zoomFactor;
    zoomMode = kZoomOut;
    for (int press = 0; press < 1000; press++) view::pressView(0, 0);
    EXPECT_TRUE(zoomFactor >= kMinZoom && zoomFactor * 0.8 < kMinZoom) << zoomFactor;
}

}  // namespace
