// The HairModel's commands: the defaults it starts from, the menu commands, the shape dispatch, and what
// each slider command does with its value. No widgets here: the slider commands read their sliders in
// SliderCommands.cpp and hand the value on.
#include <algorithm>
#include <cstdio>

#include "app/HairModel.h"
#include "app/Settings.h"

HairModel::HairModel() {
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
    buildSprings();
    growHairOnPlane();
}

void HairModel::regrowHair() {
    if (shapeType == kShapePlane) growHairOnPlane();
    if (shapeType == kShapeSphere) makeSphere();
    if (shapeType == kShapeTorus) makeTorus();
}

// Regrows on the plane whatever the shape is; no hair file exists to read.
void HairModel::loadHairData() { growHairOnPlane(); }
void HairModel::saveHairData() {}

void HairModel::styleMessy() {
    hairStyle = kStyleMessy;
    std::printf("style = MESSY\n");
    regrowHair();
}

void HairModel::styleCombed() {
    hairStyle = kStyleCombed;
    std::printf("style = COMBED\n");
    regrowHair();
}

void HairModel::toggleControlPolygons() { showControlPolygons = !showControlPolygons; }
void HairModel::toggleControlPolygon() { showControlPolygon = !showControlPolygon; }
void HairModel::setWireframe() { renderMode = kRenderWireframe; }
void HairModel::setSmooth() { renderMode = kRenderSmooth; }
void HairModel::toggleRotate() { rotateMode = !rotateMode; }
void HairModel::toggleTranslate() { translateMode = !translateMode; }
void HairModel::zoomIn() { zoomMode = kZoomIn; }
void HairModel::zoomOut() { zoomMode = kZoomOut; }
void HairModel::noZoom() { zoomMode = kNoZoom; }

void HairModel::applyLength(int length) {
    hairLength = length;
    std::printf("length = %d\n", hairLength);
    buildSprings();
    regrowHair();
}

void HairModel::applyRestAngle(int angle) {
    restAngle = angle;
    std::printf("restAngle = %d\n", restAngle);
    regrowHair();
}

// The store holds 20 x 20 strands: a density outside 1..20 would overrun it or grow nothing.
void HairModel::applyHairs(int density) {
    hairDensity = std::clamp(density, 1, 20);
    regrowHair();
}

void HairModel::applyThickness(float value) { thickness = value; }
void HairModel::applyWind(float value) { wind = value; }
void HairModel::applyGravity(float value) { gravity = value; }
void HairModel::applyDamping(float value) { damping = value; }
