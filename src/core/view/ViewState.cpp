// The view state: its storage and start values, and what a mouse press or drag does to it.
#include "view/ViewState.h"

#include "app/Settings.h"

float zoomFactor = 1.0f;
float rotationX = 0.0f;
float rotationZ = 0.0f;
float panX = 0.0f;
float panY = 0.0f;
int lastMouseX = 0;
int lastMouseY = 0;

namespace view {

void pressView(int mx, int my) {
    lastMouseX = mx;
    lastMouseY = my;
    const double zoomed = zoomFactor * (zoomMode == kZoomIn ? 1.2 : zoomMode == kZoomOut ? 0.8 : 1.0);
    if (zoomed >= kMinZoom && zoomed <= kMaxZoom) zoomFactor = zoomed;
}

void dragView(int mx, int my) {
    int dx = mx - lastMouseX;
    int dy = lastMouseY - my;
    if (rotateMode) {
        rotationZ = rotationZ + dx / 4.0;
        rotationX = rotationX + dy / 4.0;
    }
    if (translateMode) {
        panX = panX + dx / 4.0;
        panY = panY + dy / 4.0;
    }
    lastMouseX = mx;
    lastMouseY = my;
}

}  // namespace view
