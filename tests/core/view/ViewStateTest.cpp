// The mouse's arithmetic on the view state: presses that zoom, drags that turn and pan.
#include <gtest/gtest.h>

#include <cmath>

#include "app/Settings.h"
#include "support/DefaultSettings.h"
#include "view/ViewState.h"

namespace {

struct ViewState {
    float zoom, rotationX, rotationZ, panX, panY;
    int lastX, lastY;
};

ViewState current() { return {zoomFactor, rotationX, rotationZ, panX, panY, lastMouseX, lastMouseY}; }

void expectState(const ViewState& expected) {
    const ViewState s = current();
    EXPECT_FLOAT_EQ(s.zoom, expected.zoom);
    EXPECT_EQ(s.rotationX, expected.rotationX);
    EXPECT_EQ(s.rotationZ, expected.rotationZ);
    EXPECT_EQ(s.panX, expected.panX);
    EXPECT_EQ(s.panY, expected.panY);
    EXPECT_EQ(s.lastX, expected.lastX);
    EXPECT_EQ(s.lastY, expected.lastY);
}

// A press at (100, 200) then a drag to (108, 188) in view pixels, y up: dx = 8, dy = 200 - 188 = 12, so a
// quarter of each: 2 and 3. Moving the mouse down (y falling) gives a positive dy, which raises rotationX
// and panY; the scene is drawn translated by -panY, so it follows the mouse down.
struct MouseCase {
    const char* name;
    ZoomCode zoom;
    bool rotate, translate;
    ViewState after;
};

TEST(ViewStateTest, PressesZoomAndDragsTurnAndPanByAQuarterPerPixel) {
    const MouseCase cases[] = {
        {"no mode", kNoZoom, false, false, {1.0f, 0, 0, 0, 0, 108, 188}},
        {"zoom in", kZoomIn, false, false, {1.2f, 0, 0, 0, 0, 108, 188}},
        {"zoom out", kZoomOut, false, false, {0.8f, 0, 0, 0, 0, 108, 188}},
        {"rotate", kNoZoom, true, false, {1.0f, 3, 2, 0, 0, 108, 188}},
        {"translate", kNoZoom, false, true, {1.0f, 0, 0, 2, 3, 108, 188}},
        {"both, zoomed by the press", kZoomIn, true, true, {1.2f, 3, 2, 2, 3, 108, 188}},
    };
    for (const MouseCase& c : cases) {
        SCOPED_TRACE(c.name);
        resetAsNewProcess();
        zoomMode = c.zoom;
        rotateMode = c.rotate;
        translateMode = c.translate;
        view::pressView(100, 200);
        view::dragView(108, 188);
        expectState(c.after);
    }
    // Up and to the left by (-20, 4): dx = -20, dy = -4, so back by 5 and 1, and the scene follows upward.
    view::dragView(88, 192);
    expectState({1.2f, 2, -3, -3, 2, 88, 192});
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
