// The slider commands: each reads its slider through mainPanel (whole-number settings truncated toward
// zero, float settings rounded to single precision), applies the value, and redraws the view if it must.
#include <FL/Fl_Value_Slider.H>

#include "app/HairModel.h"
#include "app/MainPanel.h"
#include "view/HairView.h"

static int wholeValue(Fl_Value_Slider* slider) { return static_cast<int>(slider->value()); }
static float floatValue(Fl_Value_Slider* slider) { return static_cast<float>(slider->value()); }
static void redrawView() { mainPanel->hairView->redraw(); }

void HairModel::updateLength() {
    applyLength(wholeValue(mainPanel->lengthSlider));
    redrawView();
}

void HairModel::updateRestAngle() {
    applyRestAngle(wholeValue(mainPanel->restAngleSlider));
    redrawView();
}

void HairModel::updateHairs() {
    applyHairs(wholeValue(mainPanel->hairsSlider));
    redrawView();
}

void HairModel::updateThickness() {
    applyThickness(floatValue(mainPanel->thicknessSlider));
    redrawView();
}

void HairModel::updateWind() { applyWind(floatValue(mainPanel->windSlider)); }
void HairModel::updateGravity() { applyGravity(floatValue(mainPanel->gravitySlider)); }
void HairModel::updateDamping() { applyDamping(floatValue(mainPanel->dampingSlider)); }
