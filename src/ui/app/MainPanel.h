// MainPanel: the main window with its menu bar, hair view, sliders and button, and the callbacks that turn
// every menu entry, slider and button into one HairModel command.
#pragma once

class Fl_Widget;
class Fl_Double_Window;
class Fl_Menu_Bar;
class Fl_Value_Slider;
class Fl_Button;
class HairView;
class HairModel;

// Each command: the menu entry, slider or button callback cb_<Name>, and the HairModel operation it runs.
#define TRESSLOW_COMMANDS(X)                  \
    X(LoadHairData, loadHairData)             \
    X(SaveHairData, saveHairData)             \
    X(Plane, makePlane)                       \
    X(Sphere, makeSphere)                     \
    X(Torus, makeTorus)                       \
    X(Messy, styleMessy)                      \
    X(Combed, styleCombed)                    \
    X(ControlPolygons, toggleControlPolygons) \
    X(ControlPolygon, toggleControlPolygon)   \
    X(Wireframe, setWireframe)                \
    X(Smooth, setSmooth)                      \
    X(Rotate, toggleRotate)                   \
    X(Translate, toggleTranslate)             \
    X(ZoomIn, zoomIn)                         \
    X(ZoomOut, zoomOut)                       \
    X(NoZoom, noZoom)                         \
    X(LengthOfHair, updateLength)             \
    X(RestAngle, updateRestAngle)             \
    X(Wind, updateWind)                       \
    X(Gravity, updateGravity)                 \
    X(RenderHair, stepFrame)                  \
    X(Damping, updateDamping)                 \
    X(Hairs, updateHairs)                     \
    X(Thickness, updateThickness)

class MainPanel {
public:
    MainPanel();
    void show();  // the main window first, then the hair view

    Fl_Double_Window* window;
    Fl_Menu_Bar* menuBar;
    HairView* hairView;
    Fl_Value_Slider* lengthSlider;
    Fl_Value_Slider* restAngleSlider;
    Fl_Value_Slider* windSlider;
    Fl_Value_Slider* gravitySlider;
    Fl_Button* renderButton;
    Fl_Value_Slider* dampingSlider;
    Fl_Value_Slider* hairsSlider;
    Fl_Value_Slider* thicknessSlider;
    HairModel* hairModel;

    // cb_X finds the panel through the user data of the widget's parent, the main window, and calls cb_X_i,
    // which runs the command's HairModel operation.
#define TRESSLOW_DECLARE_CALLBACK(name, operation) \
    static void cb_##name(Fl_Widget* o, void* v);  \
    void cb_##name##_i(Fl_Widget* o, void* v);
    TRESSLOW_COMMANDS(TRESSLOW_DECLARE_CALLBACK)
    TRESSLOW_DECLARE_CALLBACK(Exit, exit)
#undef TRESSLOW_DECLARE_CALLBACK
};

extern MainPanel* mainPanel;  // null until main has built the panel; the slider commands and the view use it
