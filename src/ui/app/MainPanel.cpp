// The main window: widget table, menu table and the callbacks from the toolkit to the HairModel.
#include "app/MainPanel.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Value_Slider.H>

#include <cstdlib>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "view/HairView.h"
#include "view/ViewState.h"

MainPanel* mainPanel = nullptr;

static MainPanel* panelOf(Fl_Widget* o) { return static_cast<MainPanel*>(o->parent()->user_data()); }

#define TRESSLOW_DEFINE_CALLBACK(name, operation)                                \
    void MainPanel::cb_##name##_i(Fl_Widget*, void*) { hairModel->operation(); } \
    void MainPanel::cb_##name(Fl_Widget* o, void* v) { panelOf(o)->cb_##name##_i(o, v); }
TRESSLOW_COMMANDS(TRESSLOW_DEFINE_CALLBACK)
#undef TRESSLOW_DEFINE_CALLBACK

void MainPanel::cb_Exit_i(Fl_Widget*, void*) { std::exit(1); }
void MainPanel::cb_Exit(Fl_Widget* o, void* v) { panelOf(o)->cb_Exit_i(o, v); }

// Menu entries: engraved bold 14-point labels, each in its own colour index. The toolkit writes the
// radio and toggle marks into this table, so it stays writable.
#define ITEM(text, flags, callback, colour) \
    { text, 0, callback, nullptr, flags, FL_ENGRAVED_LABEL, FL_HELVETICA_BOLD, 14, colour }
#define END_OF_MENU \
    { nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0 }
static Fl_Menu_Item menuTable[] = {
    ITEM("File", FL_SUBMENU, nullptr, 176),
    ITEM("Load Hair Data", 0, MainPanel::cb_LoadHairData, 178),
    ITEM("Save Hair Data", 0, MainPanel::cb_SaveHairData, 203),
    END_OF_MENU,
    ITEM("Under Lying Shape", FL_SUBMENU, nullptr, 216),
    ITEM("Plane", FL_MENU_RADIO, MainPanel::cb_Plane, 218),
    ITEM("Sphere", FL_MENU_RADIO, MainPanel::cb_Sphere, 242),
    ITEM("Torus", FL_MENU_RADIO, MainPanel::cb_Torus, 234),
    END_OF_MENU,
    ITEM("Style", FL_SUBMENU, nullptr, 243),
    ITEM("Messy", FL_MENU_RADIO, MainPanel::cb_Messy, 241),
    ITEM("Combed", FL_MENU_RADIO, MainPanel::cb_Combed, 241),
    END_OF_MENU,
    ITEM("Model", FL_SUBMENU, nullptr, 232),
    ITEM("Control Polygons", FL_MENU_TOGGLE, MainPanel::cb_ControlPolygons, 137),
    ITEM("Control Polygon", FL_MENU_TOGGLE | FL_MENU_DIVIDER, MainPanel::cb_ControlPolygon, 153),
    ITEM("Wireframe", FL_MENU_RADIO, MainPanel::cb_Wireframe, 177),
    ITEM("Smooth", FL_MENU_RADIO, MainPanel::cb_Smooth, 194),
    END_OF_MENU,
    ITEM("View", FL_SUBMENU, nullptr, 137),
    ITEM("Rotate", FL_MENU_TOGGLE, MainPanel::cb_Rotate, 138),
    ITEM("Translate", FL_MENU_TOGGLE, MainPanel::cb_Translate, 138),
    ITEM("Zoom In", FL_MENU_RADIO, MainPanel::cb_ZoomIn, 209),
    ITEM("Zoom Out", FL_MENU_RADIO, MainPanel::cb_ZoomOut, 162),
    ITEM("No Zoom", FL_MENU_RADIO, MainPanel::cb_NoZoom, 249),
    END_OF_MENU,
    ITEM("Exit", 0, MainPanel::cb_Exit, 248),
    END_OF_MENU,
};
#undef ITEM
#undef END_OF_MENU

// One slider of the right-hand column, 340 x 25 at (x, y); its start value is set without running the
// command.
static Fl_Value_Slider* makeSlider(int x, int y, const SliderRow& row, Fl_Callback* callback) {
    auto* slider = new Fl_Value_Slider(x, y, 340, 25, row.label);
    slider->type(FL_HOR_NICE_SLIDER);
    slider->box(FL_PLASTIC_UP_BOX);
    slider->color(245);
    slider->labeltype(FL_ENGRAVED_LABEL);
    slider->labelfont(FL_HELVETICA_BOLD);
    slider->labelcolor(195);
    slider->minimum(row.minimum);
    slider->maximum(row.maximum);
    slider->step(row.step);
    slider->value(row.start);
    slider->textfont(FL_HELVETICA_BOLD);
    slider->callback(callback);
    slider->align(FL_ALIGN_TOP | FL_ALIGN_LEFT);
    return slider;
}

MainPanel::MainPanel() {
    window = new Fl_Double_Window(822, 500, "Tresslow");
    window->box(FL_PLASTIC_UP_BOX);
    window->user_data(this);

    menuBar = new Fl_Menu_Bar(0, 0, 815, 25, "menuBar");
    menuBar->box(FL_PLASTIC_UP_BOX);
    menuBar->down_box(FL_PLASTIC_DOWN_BOX);
    menuBar->selection_color(14);
    menuBar->labelfont(FL_HELVETICA_BOLD);
    menuBar->textfont(FL_HELVETICA_BOLD);
    menuBar->menu(menuTable);

    hairView = new HairView(10, 35, kViewWidth, kViewHeight, "XYZ");
    hairView->box(FL_PLASTIC_UP_BOX);
    hairView->color(23);
    hairView->labeltype(FL_ENGRAVED_LABEL);
    hairView->labelfont(FL_HELVETICA_BOLD);
    hairView->labelcolor(176);
    hairView->align(FL_ALIGN_INSIDE);

    // Created in this order, which is not the order on screen (top to bottom: length, rest angle, hairs,
    // thickness, gravity, wind, damping).
    lengthSlider = makeSlider(470, 70, kLengthSlider, cb_LengthOfHair);
    restAngleSlider = makeSlider(470, 115, kRestAngleSlider, cb_RestAngle);
    windSlider = makeSlider(470, 335, kWindSlider, cb_Wind);
    gravitySlider = makeSlider(470, 280, kGravitySlider, cb_Gravity);

    // Stands below the window's lower edge: wired, but never seen.
    renderButton = new Fl_Button(45, 510, 135, 35, "Render Hair");
    renderButton->box(FL_PLASTIC_UP_BOX);
    renderButton->down_box(FL_PLASTIC_UP_FRAME);
    renderButton->labeltype(FL_ENGRAVED_LABEL);
    renderButton->labelfont(FL_HELVETICA_BOLD);
    renderButton->labelsize(16);
    renderButton->labelcolor(201);
    renderButton->callback(cb_RenderHair);

    dampingSlider = makeSlider(470, 385, kDampingSlider, cb_Damping);
    hairsSlider = makeSlider(470, 170, kHairsSlider, cb_Hairs);
    thicknessSlider = makeSlider(470, 220, kThicknessSlider, cb_Thickness);
    window->end();

    hairModel = new HairModel;
}

void MainPanel::show() {
    window->show();
    hairView->show();
}
