// Applying the options of tresslow-sim to the model: the commands in their order, the mouse in the view.
#include "sim/ApplyOptions.h"

#include "app/HairModel.h"

namespace {

// A press in the middle of the view (view pixels count y up from the bottom edge), then a move by `drag`
// with the button down: the mouse's work between two draws of the window's view.
void dragInView(const SimOptions& options, const NumberPair& drag) {
    const int mx = options.size.x / 2, my = options.size.y / 2;
    view::pressView(mx, my);
    view::dragView(mx + drag.x, my - drag.y);
}

void applyViewOptions(HairModel& model, const SimOptions& options) {
    if (options.smooth) model.setSmooth();
    if (options.controlPolygons) model.toggleControlPolygons();
    if (options.rotateDrag) {
        model.toggleRotate();
        dragInView(options, *options.rotateDrag);
        model.toggleRotate();
    }
    if (options.translateDrag) {
        model.toggleTranslate();
        dragInView(options, *options.translateDrag);
        model.toggleTranslate();
    }
    if (options.zoomInPresses > 0) {
        model.zoomIn();
        for (int press = 0; press < options.zoomInPresses; press++)
            view::pressView(options.size.x / 2, options.size.y / 2);
        model.noZoom();
    }
}

}  // namespace

void applySimOptions(HairModel& model, const SimOptions& options) {
    if (options.style) *options.style == kStyleCombed ? model.styleCombed() : model.styleMessy();
    if (options.length) model.applyLength(*options.length);
    if (options.restAngle) model.applyRestAngle(*options.restAngle);
    if (options.hairs) model.applyHairs(*options.hairs);
    if (options.shape) model.makeShape(*options.shape);
    if (options.thickness) model.applyThickness(*options.thickness);
    if (options.wind) model.applyWind(*options.wind);
    if (options.gravity) model.applyGravity(*options.gravity);
    if (options.damping) model.applyDamping(*options.damping);
    applyViewOptions(model, options);
}
