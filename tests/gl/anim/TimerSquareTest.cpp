// The timer display's picture through the recording GL double: a yellow square turned by the progress.
#include "anim/TimerSquare.h"
#include "support/RecordingGl.h"

// The turn about z, in degrees: none without a timer; 250 of 1000 a quarter turn, 999 of 1000 all but 0.36.
TEST(TimerSquare, TurnsByTheTimersProgress) {
    const struct {
        std::optional<TimerProgress> progress;
        Calls turn;
    } cases[] = {{std::nullopt, {}},
                 {TimerProgress{0, 1000}, calls("glRotated", 0, 0, 0, 1)},
                 {TimerProgress{250, 1000}, calls("glRotated", 90, 0, 0, 1)},
                 {TimerProgress{999, 1000}, calls("glRotated", 359.64f, 0, 0, 1)}};
    for (const auto& c : cases) {
        Calls turn;
        for (const GlCall& call : recorded([&] { drawTimerSquare(c.progress); }))
            if (call.first == "glRotated") turn.push_back(call);
        EXPECT_TRUE(sameCalls(turn, c.turn)) << (c.progress ? c.progress->value : -1);
    }
}
