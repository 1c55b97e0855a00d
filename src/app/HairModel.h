// HairModel: the data-less object behind every command. All its state is global (settings, hair store,
// surfaces); each operation is defined in the subsystem that owns it (app/, hair/, anim/).
#pragma once

class HairModel {
public:
    HairModel();  // default settings, springs, the first hair on the plane

    // Commands of the menu (app/ModelCommands.cpp).
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
    void regrowHair();  // grows the live strands again on the current shape

    // What a slider command does with the value it read, without the widgets (app/ModelCommands.cpp).
    void applyLength(int length);
    void applyRestAngle(int angle);
    void applyHairs(int density);
    void applyThickness(float value);
    void applyWind(float value);
    void applyGravity(float value);
    void applyDamping(float value);

    // Slider commands: read the slider through mainPanel, apply, redraw (app/SliderCommands.cpp).
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
    void growHairOnSurface();

    // Animation (anim/).
    void stepFrame();
    void dynamicsStep();
    void computeForces();
    void computeDerivatives();
    void updateHairShape();
};
