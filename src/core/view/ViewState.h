// The view state that the mouse changes: zoom, turn and pan of the scene, and the last mouse position.
#pragma once

constexpr int kViewWidth = 445;  // the view's size in the main window, pixels
constexpr int kViewHeight = 455;

// A press zooms only within these: beyond a million times the view shows nothing but the rounding of the
// hair's coordinates, below a millionth the whole scene is smaller than a pixel, and far beyond either the
// scene's coordinates leave the float range.
constexpr double kMinZoom = 1e-6;
constexpr double kMaxZoom = 1e6;

extern float zoomFactor;  // uniform scale of the scene, kMinZoom..kMaxZoom; 1.0 at start
extern float rotationX;   // degrees added to the fixed 30-degree tilt about x
extern float rotationZ;   // degrees subtracted from the fixed 30-degree turn about z
extern float panX;        // translation along x, view units
extern float panY;        // translation along -y, view units (applied negated)
extern int lastMouseX;    // mouse x at the last press or drag, pixels from the view's left edge
extern int lastMouseY;    // mouse y at the last press or drag, pixels from the view's bottom edge

namespace view {

// Mouse actions in view pixels (x from the left edge, y up from the bottom edge).
// A press records the position and zooms by 1.2 or 0.8 in the zoom modes (where that would leave
// kMinZoom..kMaxZoom, it keeps the zoom as it is); a drag turns the scene by a quarter degree and, in
// translate mode, moves it by a quarter unit per pixel.
void pressView(int mx, int my);
void dragView(int mx, int my);

}  // namespace view
