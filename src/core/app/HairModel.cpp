// The HairModel's commands: the defaults it starts from, the menu commands, the shape dispatch, and what
// each slider command does with its value; then the forwards to the hair and animation subsystems.
#include "app/HairModel.h"

#include <algorithm>
#include <cstdio>

#include "anim/Dynamics.h"
#include "anim/StrandTubes.h"
#include "app/Settings.h"
#include "hair/PlaneGrower.h"
#include "hair/SphereAndTorus.h"
#include "hair/Springs.h"

HairModel::HairModel() {
    zoomMode = kNoZoom;
    hairStyle = kStyleMessy;
    showControlPolygon = false;
    showControlPolygons = false;
    rotateMode = false;
    translateMode = false;
    renderMode = kRenderWireframe;
    shapeType = kShapePlane;
    hairLength = static_cast<int>(kLengthSlider.start);
    hairDensity = static_cast<int>(kHairsSlider.start);
    restAngle = static_cast<int>(kRestAngleSlider.start);
    buildSprings();
    growHairOnPlane();
}

void HairModel::makeShape(ShapeCode shape) {
    if (shape == kShapePlane) makePlane();
    if (shape == kShapeSphere) makeSphere();
    if (shape == kShapeTorus) makeTorus();
}

void HairModel::regrowHair() { makeShape(shapeType); }

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

// The store holds kMaxDensity x kMaxDensity strands: a density outside the slider's range would overrun
// it or grow nothing.
void HairModel::applyHairs(int density) {
    hairDensity =
        std::clamp(density, static_cast<int>(kHairsSlider.minimum), static_cast<int>(kHairsSlider.maximum));
    regrowHair();
}

void HairModel::applyThickness(float value) { thickness = value; }
void HairModel::applyWind(float value) { wind = value; }
void HairModel::applyGravity(float value) { gravity = value; }
void HairModel::applyDamping(float value) { damping = value; }

void HairModel::buildSprings() { hair::buildSprings(); }
void HairModel::growHairOnPlane() { hair::growHairOnPlane(); }
void HairModel::makePlane() { hair::makePlane(); }
void HairModel::makeSphere() { hair::makeSphere(); }
void HairModel::makeTorus() { hair::makeTorus(); }

void HairModel::stepFrame() { anim::stepFrame(); }
void HairModel::dynamicsStep() { anim::dynamicsStep(); }
void HairModel::computeForces() { anim::computeForces(); }
void HairModel::updateHairShape() { anim::updateHairShape(); }
