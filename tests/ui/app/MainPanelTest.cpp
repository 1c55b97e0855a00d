// The main window's layout and menu table, and its commands fired through the real widgets.
#include <FL/Fl_Double_Window.H>

#include <cstdio>
#include <string>
#include <tuple>

#include "app/Settings.h"
#include "support/PanelFixture.h"

namespace {

TEST_F(MainPanelUi, WindowWidgetsAndMenuStandAsLaidOut) {
    // The window, then its children in order; a slider with "minimum..maximum step s = value".
    std::string layout;
    for (int i = -1; i < mainPanel->window->children(); i++) {
        Fl_Widget* widget = i < 0 ? mainPanel->window : mainPanel->window->child(i);
        char line[160];
        const int n = std::snprintf(line, sizeof line, "%s %d %d %d %d", widget->label(), widget->x(),
                                    widget->y(), widget->w(), widget->h());
        if (auto* slider = dynamic_cast<Fl_Value_Slider*>(widget))
            std::snprintf(line + n, sizeof line - n, " %g..%g step %g = %g", slider->minimum(),
                          slider->maximum(), slider->step(), slider->value());
        layout += line + std::string("\n");
    }
    EXPECT_EQ(layout,
              "Tresslow 0 0 822 500\n"
              "menuBar 0 0 815 25\n"
              "XYZ 10 35 445 455\n"
              "Length of Hair 470 70 340 25 1..50 step 1 = 20\n"
              "Rest Angle 470 115 340 25 0..90 step 1 = 45\n"
              "Wind 470 335 340 25 0..0.2 step 0.01 = 0.05\n"
              "Gravity 470 280 340 25 -0.2..0 step 0.01 = -0.05\n"
              "Render Hair 45 510 135 35\n"
              "Damping 470 385 340 25 0.001..0.1 step 0.001 = 0.01\n"
              "Hairs 470 170 340 25 1..20 step 1 = 1\n"
              "Thickness 470 220 340 25 0.5..5 step 0.1 = 1\n");
    // A line per submenu: label, flags (64 submenu, 8 radio, 2 toggle, 128 divider, 4 marked), label colour.
    std::string menu;
    const Fl_Menu_Item* entries = mainPanel->menuBar->menu();
    for (const Fl_Menu_Item* entry = entries; entry < entries + mainPanel->menuBar->size(); entry++) {
        menu += entry->label() ? std::string(entry->label()) + " " + std::to_string(entry->flags) + " " +
                                     std::to_string(entry->labelcolor()) + ";"
                               : "\n";
    }
    EXPECT_EQ(menu,
              "File 64 176;Load Hair Data 0 178;Save Hair Data 0 203;\n"
              "Under Lying Shape 64 216;Plane 8 218;Sphere 8 242;Torus 8 234;\n"
              "Style 64 243;Messy 8 241;Combed 8 241;\n"
              "Model 64 232;Control Polygons 2 137;Control Polygon 130 153;Wireframe 8 177;Smooth 8 194;\n"
              "View 64 137;Rotate 2 138;Translate 2 138;Zoom In 8 209;Zoom Out 8 162;No Zoom 8 249;\n"
              "Exit 0 248;\n");
}

}  // namespace
