// The whole effect of every menu entry, slider and button, fired through the real widgets: which settings
// (and view state) it writes and to what, whether the hair grows anew, what it prints in which order, and
// whether it asks the view to redraw.
#include <FL/Fl_Button.H>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "support/PanelFixture.h"

namespace {

// Every setting, the view state and the springs' rest lengths (first and last spring), by name.
std::map<std::string, std::string> stateNow() {
    std::map<std::string, std::string> state;
    auto put = [&](const char* name, auto value) {
        std::ostringstream text;
        text << value;
        state[name] = text.str();
    };
    put("shapeType", int{shapeType}), put("hairStyle", int{hairStyle}), put("restAngle", restAngle);
    put("hairLength", hairLength), put("hairDensity", hairDensity), put("thickness", thickness);
    put("wind", wind), put("gravity", gravity), put("springConstant", springConstant);
    put("damping", damping), put("renderMode", int{renderMode}), put("zoomMode", int{zoomMode});
    put("showControlPolygons", showControlPolygons), put("showControlPolygon", showControlPolygon);
    put("rotateMode", rotateMode), put("translateMode", translateMode);
    put("zoomFactor", zoomFactor), put("rotationX", rotationX), put("rotationZ", rotationZ);
    put("panX", panX), put("panY", panY), put("lastMouseX", lastMouseX), put("lastMouseY", lastMouseY);
    put("springs", std::to_string(hairSprings[0].restLength) + "/" +
                       std::to_string(hairSprings[kMaxSprings - 1].restLength));
    return state;
}

// "name=value" for every entry that differs, in name order, space-separated.
std::string changes(const std::map<std::string, std::string>& before) {
    std::string written;
    for (const auto& [name, value] : stateNow())
        if (before.at(name) != value) written += (written.empty() ? "" : " ") + name + "=" + value;
    return written;
}

// Grown anew: the live strands moved and stand at rest, as a growth leaves them (a frame moves them too,
// but sets them going).
bool regrown(const std::vector<float>& before) {
    return livePositions() != before && std::all_of(hairPoints, hairPoints + livePointCount(), [](auto& p) {
               return p.velocity[0] == 0.0f && p.velocity[1] == 0.0f && p.velocity[2] == 0.0f;
           });
}

struct Command {
    const char* name;
    std::function<void()> fire;
    const char* writes;  // the changes, as `changes` writes them
    bool regrows;
    const char* prints;
    bool redraws;
};

// From the start-up state on the sphere, so that a regrowth prints its own line, "ttotal = 441": a command's
// line comes before it. Values from the window's tables: codes 7 plane, 8 sphere, 3 torus, 8 messy,
// 9 combed, 0 wireframe, 1 smooth, 5 zoom in, 6 zoom out, 7 no zoom; the first frame flips wind and gravity.
TEST_F(ShownPanelUi, EveryCommandWritesPrintsRegrowsAndRedrawsAsItsTableSays) {
    // Each row runs on a new panel, so a slider is named by its field.
    auto menu = [](const char* path, int times = 1) {
        return [=] {
            for (int k = 0; k < times; k++) pick(path);
        };
    };
    auto slider = [](Fl_Value_Slider* MainPanel::*field, double v) {
        return [=] { slide(mainPanel->*field, v); };
    };
    const Command commands[] = {
        {"Load Hair Data", menu("File/Load Hair Data"), "", true, "", false},
        {"Save Hair Data", menu("File/Save Hair Data"), "", false, "", false},
        {"Plane", menu("Under Lying Shape/Plane"), "shapeType=7", true, "", false},
        {"Sphere", menu("Under Lying Shape/Sphere"), "", true, "ttotal = 441\n", false},
        {"Torus", menu("Under Lying Shape/Torus"), "shapeType=3", true, "ttotal = 441\n", false},
        {"Messy", menu("Style/Messy"), "", true, "style = MESSY\nttotal = 441\n", false},
        {"Combed", menu("Style/Combed"), "hairStyle=9", true, "style = COMBED\nttotal = 441\n", false},
        {"Control Polygons", menu("Model/Control Polygons"), "showControlPolygons=1", false, "", false},
        {"Control Polygon", menu("Model/Control Polygon"), "showControlPolygon=1", false, "", false},
        {"Control Polygons twice", menu("Model/Control Polygons", 2), "", false, "", false},
        {"Wireframe", menu("Model/Wireframe"), "", false, "", false},
        {"Smooth", menu("Model/Smooth"), "renderMode=1", false, "", false},
        {"Rotate", menu("View/Rotate"), "rotateMode=1", false, "", false},
        {"Translate", menu("View/Translate"), "translateMode=1", false, "", false},
        {"Rotate twice", menu("View/Rotate", 2), "", false, "", false},
        {"Zoom In", menu("View/Zoom In"), "zoomMode=5", false, "", false},
        {"Zoom Out", menu("View/Zoom Out"), "zoomMode=6", false, "", false},
        {"No Zoom", menu("View/No Zoom"), "", false, "", false},
        {"Length of Hair 21", slider(&MainPanel::lengthSlider, 21),
         "hairLength=21 springs=21.000000/42.000000", true, "length = 21\nttotal = 441\n", true},
        {"Rest Angle 30", slider(&MainPanel::restAngleSlider, 30), "restAngle=30", true,
         "restAngle = 30\nttotal = 441\n", true},
        {"Hairs 3", slider(&MainPanel::hairsSlider, 3), "hairDensity=3", true, "ttotal = 441\n", true},
        {"Hairs 25, held to the store's 20", slider(&MainPanel::hairsSlider, 25), "hairDensity=20", true,
         "ttotal = 441\n", true},
        {"Hairs 0, held to 1", slider(&MainPanel::hairsSlider, 0), "", true, "ttotal = 441\n", true},
        {"Thickness 2.5", slider(&MainPanel::thicknessSlider, 2.5), "thickness=2.5", false, "", true},
        {"Wind 0.1", slider(&MainPanel::windSlider, 0.1), "wind=0.1", false, "", false},
        {"Gravity -0.1", slider(&MainPanel::gravitySlider, -0.1), "gravity=-0.1", false, "", false},
        {"Damping 0.05", slider(&MainPanel::dampingSlider, 0.05), "damping=0.05", false, "", false},
        {"Render Hair", [] { mainPanel->renderButton->do_callback(); }, "gravity=0.05 wind=-0.05", false, "",
         false},
    };
    for (const Command& c : commands) {
        SCOPED_TRACE(c.name);
        SetUp();
        testing::internal::CaptureStdout();
        pick("Under Lying Shape/Sphere");
        testing::internal::GetCapturedStdout();
        const auto before = stateNow();
        const std::vector<float> hair = livePositions();
        testing::internal::CaptureStdout();
        c.fire();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.prints);
        EXPECT_EQ(changes(before), c.writes);
        EXPECT_EQ(regrown(hair), c.regrows);
        EXPECT_EQ(mainPanel->hairView->damage() != 0, c.redraws);
    }
}

// "Exit" ends the program at once, with status 1.
TEST_F(MainPanelUi, ExitEndsTheProgramWithStatusOne) {
    EXPECT_EXIT(pick("Exit"), testing::ExitedWithCode(1), "");
}

}  // namespace
