// HairModel: the data-less object behind every command. All its state is global (settings, hair store,
// surfaces). The commands are its own; the operations of the subsystems below are one-line forwards.
#pragma once

#include "app/Settings.h"

class HairModel {
public:
    HairModel();  // default settings, springs, the first hair on the plane

    // Commands of the menu.
    void loadHairData();
    void saveHairData();
    void styleMessy();
    void styleCombed();
    void toggleControlPolygons();
    void toggleControlPolygon();
    void setWireframe();
    void setSmooth();
    void toggleRotate();
    void toggleTranslate();
    void zoomIn();
    void zoomOut();
    void noZoom();
    void makeShape(ShapeCode shape);  // the command of that shape: makePlane, makeSphere or makeTorus
    void regrowHair();                // grows the live strands again on the current shape: makeShape

    // What a slider command does with the value it read, without the widgets.
    void applyLength(int length);
    void applyRestAngle(int angle);
    void applyHairs(int density);
    void applyThickness(float value);
    void applyWind(float value);
    void applyGravity(float value);
    void applyDamping(float value);

    // Slider commands, defined in the UI library (ui/app/SliderCommands.cpp): each reads its slider through
    // mainPanel, applies the value and redraws the view if it must.
    void updateLength();
    void updateRestAngle();
    void updateHairs();
    void updateThickness();
    void updateWind();
    void updateGravity();
    void updateDamping();

    // Hair store and growers (hair/).
    void buildSprings();
    void growHairOnPlane();
    void makePlane();
    void makeSphere();
    void makeTorus();

    // Animation (anim/).
    void stepFrame();
    void dynamicsStep();
    void computeForces();
    void updateHairShape();
};
