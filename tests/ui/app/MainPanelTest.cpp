// The main window's layout, menu table and style table, as the window's tables give them.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include <cstdio>
#include <string>

#include "anim/PlayControl.h"
#include "app/AnimationControls.h"
#include "support/PanelFixture.h"

namespace {

const char* boxName(int box) {
    if (box == FL_NO_BOX) return "-";
    if (box == FL_PLASTIC_UP_BOX) return "up";
    if (box == FL_PLASTIC_DOWN_BOX) return "down";
    return box == FL_PLASTIC_UP_FRAME ? "up-frame" : "other";
}

// "label x y w h", a slider's "minimum..maximum step s = value", then its style: box, down box, colour,
// selection colour; label type, font, size, colour, alignment; a slider's type and a slider's or menu's
// text font and size. Fonts: 0 Helvetica, 1 Helvetica bold, 13 screen; alignment 0 centre, 1 top, 5 top
// left, 16 inside, 20 inside left; colour 49 is the toolkit's background, its default selection colour.
std::string describe(Fl_Widget* w) {
    char line[240];
    int n = std::snprintf(line, sizeof line, "%s %d %d %d %d", w->label(), w->x(), w->y(), w->w(), w->h());
    auto* slider = dynamic_cast<Fl_Value_Slider*>(w);
    auto* button = dynamic_cast<Fl_Button*>(w);
    auto* menu = dynamic_cast<Fl_Menu_*>(w);
    if (slider)
        n += std::snprintf(line + n, sizeof line - n, " %g..%g step %g = %g", slider->minimum(),
                           slider->maximum(), slider->step(), slider->value());
    n += std::snprintf(line + n, sizeof line - n, " | %s %s %u %u | %s %d %d %u %d", boxName(w->box()),
                       boxName(button ? button->down_box()
                               : menu ? menu->down_box()
                                      : 0),
                       w->color(), w->selection_color(),
                       w->labeltype() == FL_ENGRAVED_LABEL ? "engraved" : "normal", w->labelfont(),
                       w->labelsize(), w->labelcolor(), w->align());
    if (slider)
        std::snprintf(line + n, sizeof line - n, " | type %d text %d %d", slider->type(), slider->textfont(),
                      slider->textsize());
    if (menu) std::snprintf(line + n, sizeof line - n, " | text %d", menu->textfont());
    return line;
}

TEST_F(MainPanelUi, WindowWidgetsAndMenuStandAsLaidOutAndStyled) {
    // Every slider: a horizontal nice slider (type 5) with text font 1, size 10.
    auto slider = [](const char* place) {
        return std::string(place) + " | up - 245 49 | engraved 1 14 195 5 | type 5 text 1 10";
    };
    const std::string widgets[] = {"Tresslow 0 0 822 500 | up - 49 49 | normal 0 14 0 1",
                                   "menuBar 0 0 815 25 | up down 49 14 | normal 1 14 0 0 | text 1",
                                   "XYZ 10 35 445 455 | up - 23 49 | engraved 1 14 176 16",
                                   slider("Length of Hair 470 70 340 25 1..50 step 1 = 20"),
                                   slider("Rest Angle 470 115 340 25 0..90 step 1 = 45"),
                                   slider("Wind 470 335 340 25 0..0.2 step 0.01 = 0.05"),
                                   slider("Gravity 470 280 340 25 -0.2..0 step 0.01 = -0.05"),
                                   "Render Hair 45 510 135 35 | up up-frame 49 49 | engraved 1 16 201 0",
                                   slider("Damping 470 385 340 25 0.001..0.1 step 0.001 = 0.01"),
                                   slider("Hairs 470 170 340 25 1..20 step 1 = 1"),
                                   slider("Thickness 470 220 340 25 0.5..5 step 0.1 = 1")};
    ASSERT_EQ(mainPanel->window->children(), 10);
    for (int i = -1; i < 10; i++)
        EXPECT_EQ(describe(i < 0 ? mainPanel->window : mainPanel->window->child(i)), widgets[i + 1]);
    // A line per submenu: label, flags (64 submenu, 8 radio, 2 toggle, 128 divider, 4 marked), label colour.
    std::string menu;
    const Fl_Menu_Item* entries = mainPanel->menuBar->menu();
    for (const Fl_Menu_Item* entry = entries; entry < entries + mainPanel->menuBar->size(); entry++) {
        menu += entry->label() ? std::string(entry->label()) + " " + std::to_string(entry->flags) + " " +
                                     std::to_string(entry->labelcolor()) + ";"
                               : "\n";
        EXPECT_TRUE(!entry->label() ||
                    (entry->labeltype() == FL_ENGRAVED_LABEL && entry->labelfont() == FL_HELVETICA_BOLD &&
                     entry->labelsize() == 14 && entry->shortcut() == 0 && entry->user_data() == nullptr))
            << entry->label();
    }
    EXPECT_EQ(menu,
              "File 64 176;Load Hair Data 0 178;Save Hair Data 0 203;\n"
              "Under Lying Shape 64 216;Plane 8 218;Sphere 8 242;Torus 8 234;\n"
              "Style 64 243;Messy 8 241;Combed 8 241;\n"
              "Model 64 232;Control Polygons 2 137;Control Polygon 130 153;Wireframe 8 177;Smooth 8 194;\n"
              "View 64 137;Rotate 2 138;Translate 2 138;Zoom In 8 209;Zoom Out 8 162;No Zoom 8 249;\n"
              "Exit 0 248;\n");
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
    EXPECT_TRUE(play->timer == timer && play->lastTick == 0 && play->value() == 0);
    EXPECT_EQ(describe(play), "P l a y 470 420 115 50 | up down 212 177 | engraved 13 22 233 20");
}

}  // namespace
