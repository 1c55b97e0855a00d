// The real main window built in process (no display needed until it is shown): its widget and menu
// tables, and every command fired through the real widgets and menu items.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/HairModel.h"
#include "app/MainPanel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "view/HairView.h"
#include "view/ViewState.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

// One panel for the whole binary, as in the program.
class MainPanelUi : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!mainPanel) mainPanel = new MainPanel;
    }

    static const Fl_Menu_Item* item(const char* path) {
        const Fl_Menu_Item* found = mainPanel->menuBar->find_item(path);
        EXPECT_NE(found, nullptr) << path;
        return found;
    }

    // Picks a menu entry as the toolkit does after a click, and returns what it printed.
    static std::string pick(const char* path) {
        CaptureStdout();
        mainPanel->menuBar->picked(item(path));
        return GetCapturedStdout();
    }

    // Moves a slider as a drag does, and returns what its command printed.
    static std::string slide(Fl_Value_Slider* slider, double value) {
        CaptureStdout();
        slider->value(value);
        slider->do_callback();
        return GetCapturedStdout();
    }

    static std::vector<float> liveRoots() {
        std::vector<float> roots;
        for (int s = 0; s < liveStrandCount(); s++)
            roots.insert(roots.end(), hairPoints[8 * s].position, hairPoints[8 * s].position + 3);
        return roots;
    }
};

struct SliderRow {
    Fl_Value_Slider* MainPanel::*field;
    const char* label;
    int y;
    double minimum, maximum, step, value;
};

TEST_F(MainPanelUi, WindowAndWidgetsStandWhereTheLayoutPutsThem) {
    Fl_Double_Window* window = mainPanel->window;
    EXPECT_EQ(window->w(), 822);
    EXPECT_EQ(window->h(), 500);
    EXPECT_STREQ(window->label(), "Tresslow");
    EXPECT_EQ(window->user_data(), mainPanel);
    EXPECT_EQ(window->resizable(), nullptr);

    // Children in creation order: menu bar, view, the sliders and the button in table order.
    std::vector<Fl_Widget*> expected = {mainPanel->menuBar,       mainPanel->hairView,      mainPanel->lengthSlider,
                                        mainPanel->restAngleSlider, mainPanel->windSlider,  mainPanel->gravitySlider,
                                        mainPanel->renderButton,  mainPanel->dampingSlider, mainPanel->hairsSlider,
                                        mainPanel->thicknessSlider};
    ASSERT_GE(window->children(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); i++) EXPECT_EQ(window->child(static_cast<int>(i)), expected[i]) << i;

    EXPECT_EQ(mainPanel->menuBar->w(), 815);
    EXPECT_EQ(mainPanel->menuBar->selection_color(), 14u);
    EXPECT_EQ(mainPanel->hairView->x(), 10);
    EXPECT_EQ(mainPanel->hairView->y(), 35);
    EXPECT_EQ(mainPanel->hairView->w(), 445);
    EXPECT_EQ(mainPanel->hairView->h(), 455);
    EXPECT_EQ(mainPanel->hairView->labelcolor(), 176u);
    // The button stands wholly below the window's lower edge.
    EXPECT_GE(mainPanel->renderButton->y(), window->h());
    EXPECT_STREQ(mainPanel->renderButton->label(), "Render Hair");
    EXPECT_EQ(mainPanel->renderButton->labelcolor(), 201u);

    const SliderRow rows[] = {
        {&MainPanel::lengthSlider, "Length of Hair", 70, 1, 50, 1, 20},
        {&MainPanel::restAngleSlider, "Rest Angle", 115, 0, 90, 1, 45},
        {&MainPanel::hairsSlider, "Hairs", 170, 1, 20, 1, 1},
        {&MainPanel::thicknessSlider, "Thickness", 220, 0.5, 5, 0.1, 1},
        {&MainPanel::gravitySlider, "Gravity", 280, -0.2, 0, 0.01, -0.05},
        {&MainPanel::windSlider, "Wind", 335, 0, 0.2, 0.01, 0.05},
        {&MainPanel::dampingSlider, "Damping", 385, 0.001, 0.1, 0.001, 0.01},
    };
    for (const SliderRow& row : rows) {
        Fl_Value_Slider* slider = mainPanel->*row.field;
        SCOPED_TRACE(row.label);
        EXPECT_STREQ(slider->label(), row.label);
        EXPECT_EQ(slider->x(), 470);
        EXPECT_EQ(slider->y(), row.y);
        EXPECT_EQ(slider->w(), 340);
        EXPECT_EQ(slider->h(), 25);
        EXPECT_EQ(slider->type(), FL_HOR_NICE_SLIDER);
        EXPECT_DOUBLE_EQ(slider->minimum(), row.minimum);
        EXPECT_DOUBLE_EQ(slider->maximum(), row.maximum);
        EXPECT_NEAR(slider->step(), row.step, 1e-12);
        EXPECT_DOUBLE_EQ(slider->value(), row.value);
        EXPECT_EQ(slider->color(), 245u);
        EXPECT_EQ(slider->labelcolor(), 195u);
        EXPECT_EQ(slider->textfont(), FL_HELVETICA_BOLD);
        EXPECT_EQ(slider->align(), FL_ALIGN_TOP | FL_ALIGN_LEFT);
        EXPECT_EQ(slider->when(), FL_WHEN_CHANGED);
    }
}

TEST_F(MainPanelUi, MenuTableHasEveryEntryWithItsFlagsAndColour) {
    struct Row {
        const char* path;
        int flags;
        unsigned colour;
    };
    const Row rows[] = {
        {"File", FL_SUBMENU, 176},
        {"File/Load Hair Data", 0, 178},
        {"File/Save Hair Data", 0, 203},
        {"Under Lying Shape", FL_SUBMENU, 216},
        {"Under Lying Shape/Plane", FL_MENU_RADIO, 218},
        {"Under Lying Shape/Sphere", FL_MENU_RADIO, 242},
        {"Under Lying Shape/Torus", FL_MENU_RADIO, 234},
        {"Style", FL_SUBMENU, 243},
        {"Style/Messy", FL_MENU_RADIO, 241},
        {"Style/Combed", FL_MENU_RADIO, 241},
        {"Model", FL_SUBMENU, 232},
        {"Model/Control Polygons", FL_MENU_TOGGLE, 137},
        {"Model/Control Polygon", FL_MENU_TOGGLE | FL_MENU_DIVIDER, 153},
        {"Model/Wireframe", FL_MENU_RADIO, 177},
        {"Model/Smooth", FL_MENU_RADIO, 194},
        {"View", FL_SUBMENU, 137},
        {"View/Rotate", FL_MENU_TOGGLE, 138},
        {"View/Translate", FL_MENU_TOGGLE, 138},
        {"View/Zoom In", FL_MENU_RADIO, 209},
        {"View/Zoom Out", FL_MENU_RADIO, 162},
        {"View/No Zoom", FL_MENU_RADIO, 249},
        {"Exit", 0, 248},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        const Fl_Menu_Item* entry = item(row.path);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->flags & ~FL_MENU_VALUE, row.flags);
        EXPECT_EQ(entry->labelcolor(), row.colour);
        EXPECT_EQ(entry->labeltype(), FL_ENGRAVED_LABEL);
        EXPECT_EQ(entry->labelfont(), FL_HELVETICA_BOLD);
        EXPECT_EQ(entry->labelsize(), 14);
        EXPECT_EQ(entry->shortcut(), 0);
    }
    // The table has exactly these 22 entries and 5 submenu terminators plus the final one, Exit last on the bar itself.
    EXPECT_EQ(mainPanel->menuBar->size(), 22 + 5 + 1);
}

TEST_F(MainPanelUi, MenuCommandsWriteTheirSettings) {
    pick("Model/Smooth");
    EXPECT_EQ(renderMode, kRenderSmooth);
    EXPECT_TRUE(item("Model/Smooth")->value());
    EXPECT_FALSE(item("Model/Wireframe")->value());
    pick("Model/Wireframe");
    EXPECT_EQ(renderMode, kRenderWireframe);

    pick("View/Zoom In");
    EXPECT_EQ(zoomMode, kZoomIn);
    pick("View/Zoom Out");
    EXPECT_EQ(zoomMode, kZoomOut);
    pick("View/No Zoom");
    EXPECT_EQ(zoomMode, kNoZoom);

    const bool polygons = showControlPolygons, polygon = showControlPolygon;
    const bool rotate = rotateMode, translate = translateMode;
    EXPECT_EQ(pick("Model/Control Polygons"), "");
    EXPECT_EQ(showControlPolygons, !polygons);
    pick("Model/Control Polygon");
    EXPECT_EQ(showControlPolygon, !polygon);
    pick("View/Rotate");
    EXPECT_EQ(rotateMode, !rotate);
    pick("View/Translate");
    EXPECT_EQ(translateMode, !translate);
    pick("Model/Control Polygons");
    pick("Model/Control Polygon");
    pick("View/Rotate");
    pick("View/Translate");
    EXPECT_EQ(showControlPolygons, polygons);
    EXPECT_EQ(showControlPolygon, polygon);
    EXPECT_EQ(rotateMode, rotate);
    EXPECT_EQ(translateMode, translate);
}

TEST_F(MainPanelUi, StyleAndLoadRegrowAndPrint) {
    pick("Under Lying Shape/Plane");
    EXPECT_EQ(shapeType, kShapePlane);
    std::vector<float> before = liveRoots();
    EXPECT_EQ(pick("Style/Combed"), "style = COMBED\n");
    EXPECT_EQ(hairStyle, kStyleCombed);
    EXPECT_NE(liveRoots(), before);
    before = liveRoots();
    EXPECT_EQ(pick("Style/Messy"), "style = MESSY\n");
    EXPECT_EQ(pick("Style/Messy"), "style = MESSY\n");
    EXPECT_EQ(hairStyle, kStyleMessy);
    EXPECT_NE(liveRoots(), before);

    before = liveRoots();
    EXPECT_EQ(pick("File/Save Hair Data"), "");
    EXPECT_EQ(liveRoots(), before);
    EXPECT_EQ(pick("File/Load Hair Data"), "");
    EXPECT_NE(liveRoots(), before);
}

TEST_F(MainPanelUi, SlidersStoreTheirValuesAndPrintTheirLines) {
    pick("Under Lying Shape/Plane");
    EXPECT_EQ(slide(mainPanel->lengthSlider, 21), "length = 21\n");
    EXPECT_EQ(hairLength, 21);
    EXPECT_FLOAT_EQ(hairSprings[kMaxSprings - 1].restLength, 42.0f);
    EXPECT_EQ(slide(mainPanel->lengthSlider, 20), "length = 20\n");

    EXPECT_EQ(slide(mainPanel->restAngleSlider, 30), "restAngle = 30\n");
    EXPECT_EQ(restAngle, 30);
    slide(mainPanel->restAngleSlider, 45);

    EXPECT_EQ(slide(mainPanel->hairsSlider, 3), "");
    EXPECT_EQ(hairDensity, 3);
    EXPECT_EQ(liveRoots().size(), 27u);
    slide(mainPanel->hairsSlider, 1);

    // Float settings take the slider's value rounded to single precision; none regrows the hair.
    const std::vector<float> roots = liveRoots();
    EXPECT_EQ(slide(mainPanel->windSlider, 0.1), "");
    EXPECT_EQ(wind, 0.1f);
    EXPECT_EQ(slide(mainPanel->gravitySlider, -0.15), "");
    EXPECT_EQ(gravity, -0.15f);
    EXPECT_EQ(slide(mainPanel->dampingSlider, 0.002), "");
    EXPECT_EQ(damping, 0.002f);
    EXPECT_EQ(slide(mainPanel->thicknessSlider, 2.5), "");
    EXPECT_EQ(thickness, 2.5f);
    EXPECT_EQ(liveRoots(), roots);
}

TEST_F(MainPanelUi, RenderHairRunsOneFrame) {
    const float windBefore = wind, gravityBefore = gravity;
    mainPanel->renderButton->do_callback();
    EXPECT_EQ(wind, -windBefore);
    EXPECT_EQ(gravity, -gravityBefore);
    mainPanel->renderButton->do_callback();
    EXPECT_EQ(wind, windBefore);
}

TEST_F(MainPanelUi, PressesAndDragsInTheViewZoomTurnAndPan) {
    HairView* view = mainPanel->hairView;
    zoomMode = kZoomIn;
    const float zoom = zoomFactor;
    pressView(100, 100);
    pressView(100, 100);
    EXPECT_FLOAT_EQ(zoomFactor, zoom * 1.44f);
    zoomMode = kNoZoom;
    pressView(10, 20);
    EXPECT_FLOAT_EQ(zoomFactor, zoom * 1.44f);
    EXPECT_EQ(lastMouseX, 10);
    EXPECT_EQ(lastMouseY, 20);

    rotateMode = true;
    translateMode = true;
    const float rx = rotationX, rz = rotationZ, px = panX, py = panY;
    dragView(18, 16);  // 8 pixels right, 4 pixels down
    EXPECT_FLOAT_EQ(rotationZ, rz + 2.0f);
    EXPECT_FLOAT_EQ(rotationX, rx + 1.0f);
    EXPECT_FLOAT_EQ(panX, px + 2.0f);
    EXPECT_FLOAT_EQ(panY, py + 1.0f);
    rotateMode = translateMode = false;
    dragView(30, 30);
    EXPECT_FLOAT_EQ(rotationZ, rz + 2.0f);
    EXPECT_EQ(lastMouseX, 30);
    // The view swallows every event, keyboard included.
    EXPECT_EQ(view->handle(FL_KEYBOARD), 1);
    EXPECT_EQ(view->handle(FL_RELEASE), 1);
}

}  // namespace
