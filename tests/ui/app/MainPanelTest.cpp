// The main window's layout, menu table and style table, as the window's tables give them.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include <cstdio>
#include <memory>
#include <string>

#include "anim/PlayControl.h"
#include "app/AnimationControls.h"
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
    for (const Fl_Menu_Item* entry = entries; entry < entries + mainPanel->menuBar->size(); entry++) {
        if (!entry->label()) continue;
        EXPECT_TRUE(entry->labeltype() == FL_ENGRAVED_LABEL && entry->labelfont() == FL_HELVETICA_BOLD &&
                    entry->labelsize() == 14 && entry->shortcut() == 0 && entry->user_data() == nullptr)
            << entry->label();
    }
}

// The style of a widget: what the window's style table can set, as numbers.
std::string styleOf(Fl_Widget* w) {
    int down = -1, text = -1, textSize = -1;
    if (auto* button = dynamic_cast<Fl_Button*>(w)) down = button->down_box();
    if (auto* menu = dynamic_cast<Fl_Menu_*>(w)) down = menu->down_box(), text = menu->textfont();
    if (auto* slider = dynamic_cast<Fl_Value_Slider*>(w))
        text = slider->textfont(), textSize = slider->textsize();
    char line[200];
    std::snprintf(line, sizeof line,
                  "type %d box %d down %d colour %u selection %u label %d font %d size %d colour %u align %d "
                  "text %d/%d",
                  w->type(), w->box(), down, w->color(), w->selection_color(), w->labeltype(), w->labelfont(),
                  w->labelsize(), w->labelcolor(), w->align(), text, textSize);
    return line;
}

// A row of the style table; -1 (or 0 for a box) where the table leaves the toolkit's default.
struct StyleRow {
    const char* label;
    Fl_Boxtype box, down;
    int colour, selection;
    Fl_Labeltype labelType;
    int font, size, labelColour, align;
};

// The same class's fresh widget with the row applied: the listed properties set, every other left as the
// toolkit makes it.
std::unique_ptr<Fl_Widget> styled(Fl_Widget* like, const StyleRow& row) {
    std::unique_ptr<Fl_Widget> w;
    if (dynamic_cast<Fl_Gl_Window*>(like)) {
        w = std::make_unique<HairView>(0, 0, 1, 1);
    } else if (dynamic_cast<Fl_Window*>(like)) {
        w = std::make_unique<Fl_Double_Window>(1, 1);
    } else if (dynamic_cast<Fl_Menu_Bar*>(like)) {
        w = std::make_unique<Fl_Menu_Bar>(0, 0, 1, 1);
    } else if (dynamic_cast<Fl_Light_Button*>(like)) {
        w = std::make_unique<Fl_Light_Button>(0, 0, 1, 1);
    } else if (dynamic_cast<Fl_Button*>(like)) {
        w = std::make_unique<Fl_Button>(0, 0, 1, 1);
    } else {
        auto slider = std::make_unique<Fl_Value_Slider>(0, 0, 1, 1);
        slider->type(FL_HOR_NICE_SLIDER);
        slider->textfont(FL_HELVETICA_BOLD);
        w = std::move(slider);
    }
    Fl_Group::current(nullptr);  // a new window makes itself the current group
    if (auto* menu = dynamic_cast<Fl_Menu_Bar*>(w.get())) menu->textfont(FL_HELVETICA_BOLD);
    if (row.box) w->box(row.box);
    if (row.down) {
        if (auto* button = dynamic_cast<Fl_Button*>(w.get())) button->down_box(row.down);
        if (auto* menu = dynamic_cast<Fl_Menu_*>(w.get())) menu->down_box(row.down);
    }
    if (row.colour >= 0) w->color(row.colour);
    if (row.selection >= 0) w->selection_color(row.selection);
    if (row.labelType) w->labeltype(row.labelType);
    if (row.font >= 0) w->labelfont(row.font);
    if (row.size >= 0) w->labelsize(row.size);
    if (row.labelColour >= 0) w->labelcolor(row.labelColour);
    if (row.align >= 0) w->align(row.align);
    return w;
}

TEST_F(MainPanelUi, EveryWidgetHasTheStyleOfItsRow) {
    const Fl_Boxtype up = FL_PLASTIC_UP_BOX, none = Fl_Boxtype(0);
    const Fl_Labeltype engraved = FL_ENGRAVED_LABEL, normal = Fl_Labeltype(0);
    const int bold = FL_HELVETICA_BOLD;
    auto slider = [&](const char* label) {
        return StyleRow{label, up, none, 245, -1, engraved, bold, -1, 195, FL_ALIGN_TOP | FL_ALIGN_LEFT};
    };
    const StyleRow rows[] = {
        {"Tresslow", up, none, -1, -1, normal, -1, -1, -1, -1},
        {"menuBar", up, FL_PLASTIC_DOWN_BOX, -1, 14, normal, bold, -1, -1, -1},
        {"XYZ", up, none, 23, -1, engraved, bold, -1, 176, FL_ALIGN_INSIDE},
        slider("Length of Hair"),
        slider("Rest Angle"),
        slider("Wind"),
        slider("Gravity"),
        {"Render Hair", up, FL_PLASTIC_UP_FRAME, -1, -1, engraved, bold, 16, 201, -1},
        slider("Damping"),
        slider("Hairs"),
        slider("Thickness"),
    };
    for (int i = -1; i < mainPanel->window->children(); i++) {
        Fl_Widget* widget = i < 0 ? mainPanel->window : mainPanel->window->child(i);
        const StyleRow& row = rows[i + 1];
        ASSERT_STREQ(widget->label(), row.label);
        EXPECT_EQ(styleOf(widget), styleOf(styled(widget, row).get())) << widget->label();
    }
}

// main's assembly: after the panel's widgets, the timer display below the window's edge showing the timer;
// the timer of 1000 frames, covered by the view, whose callback redraws the view; the Play button, off,
// driving the timer, styled as its row.
TEST_F(MainPanelUi, MainAddsTheAnimationControls) {
    TimerDisplay* returned = addAnimationControls(*mainPanel);
    Fl_Window& window = *mainPanel->window;
    ASSERT_EQ(window.children(), 13);
    auto* display = dynamic_cast<TimerDisplay*>(window.child(10));
    auto* timer = dynamic_cast<AnimationTimer*>(window.child(11));
    auto* play = dynamic_cast<PlayButton*>(window.child(12));
    ASSERT_TRUE(display && timer && play);
    EXPECT_TRUE(display == returned && display->timer == timer);
    EXPECT_TRUE(display->x() == 10 && display->y() == 1000 && display->w() == 10 && display->h() == 10);
    EXPECT_STREQ(display->label(), "Animation Timer");
    EXPECT_TRUE(timer->x() == 10 && timer->y() == 400 && timer->w() == 100 && timer->h() == 20);
    EXPECT_TRUE(timer->minimum() == 0 && timer->maximum() == 1000 && timer->step() == 1 &&
                timer->value() == 0);
    EXPECT_TRUE(timer->type() == FL_HOR_NICE_SLIDER && timer->when() == FL_WHEN_CHANGED);
    EXPECT_TRUE(timer->callback() == timerChanged && timer->user_data() == mainPanel->hairView);
    EXPECT_TRUE(play->x() == 470 && play->y() == 420 && play->w() == 115 && play->h() == 50);
    EXPECT_TRUE(play->timer == timer && play->lastTick == 0 && play->value() == 0);
    const StyleRow row = {
        "P l a y", FL_PLASTIC_UP_BOX, FL_PLASTIC_DOWN_BOX, 212, 177, FL_ENGRAVED_LABEL, FL_SCREEN, 22, 233,
        -1};
    EXPECT_STREQ(play->label(), row.label);
    EXPECT_EQ(styleOf(play), styleOf(styled(play, row).get()));
}

}  // namespace
