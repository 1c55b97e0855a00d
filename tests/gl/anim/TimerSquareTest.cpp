// The timer display's picture through the recording GL double: a yellow square turned by the progress.
#include "anim/TimerSquare.h"
#include "support/RecordingGl.h"

// Value 250 of 1000 turns the square a quarter, 90 degrees, above the centre; 999 of 1000 all but 0.36
// degrees; the start, and a display without a timer, leave it unturned to the right of the centre.
TEST(TimerSquare, TurnsByTheTimersProgressAboutTheCentre) {
    const struct {
        const char* name;
        std::optional<TimerProgress> progress;
        Calls turn;
    } cases[] = {{"no timer", std::nullopt, {}},
                 {"value 0", TimerProgress{0, 1000}, calls("glRotated", 0, 0, 0, 1)},
                 {"value 250 of 1000", TimerProgress{250, 1000}, calls("glRotated", 90, 0, 0, 1)},
                 {"value 999 of 1000", TimerProgress{999, 1000}, calls("glRotated", 359.64f, 0, 0, 1)}};
    for (const auto& c : cases) {
        const Calls expected = calls("glMatrixMode", GL_PROJECTION, "glLoadIdentity", "glOrtho", -1, 1, -1, 1,
                                     -1, 1, "glMatrixMode", GL_MODELVIEW, "glPushMatrix", "glLoadIdentity",
                                     c.turn, "glClearColor", 0, 0, 0, 0, "glClear", GL_COLOR_BUFFER_BIT,
                                     "glColor3f", 1, 1, 0, "glRectf", 0.7f, -0.1f, 0.9f, 0.1f, "glPopMatrix");
        EXPECT_TRUE(sameCalls(recorded([&] { drawTimerSquare(c.progress); }), expected)) << c.name;
    }
}
