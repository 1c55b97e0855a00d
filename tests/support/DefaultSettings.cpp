// The settings of a freshly started program, set directly (without the model's constructor).
#include "support/DefaultSettings.h"

#include "app/Settings.h"

void resetSettings() {
    zoomMode = kNoZoom;
    hairStyle = kStyleMessy;
    showControlPolygon = false;
    showControlPolygons = false;
    rotateMode = false;
    translateMode = false;
    renderMode = kRenderWireframe;
    shapeType = kShapePlane;
    hairLength = 20;
    hairDensity = 1;
    restAngle = 45;
    thickness = 1.0f;
    wind = 0.05f;
    gravity = -0.05f;
    springConstant = 0.1f;
    damping = 0.01f;
}
