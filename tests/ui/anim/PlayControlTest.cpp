// The pacing of Play: the rule with a stand-in clock and frame, and the real button in process.
#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "anim/PlayControl.h"

namespace {

struct Pacing {
    std::vector<int> advances;  // the clock's readings at the advances
    int ticks;                  // ticks it took
};

// The event loop with stand-ins: a clock that starts at 1000 ms, frames that move it on by frameCost, and
// between two ticks the wait that the first asked for. Runs until four advances (or twenty ticks).
Pacing paceFrames(int frameCost) {
    int clock = 1000;
    int lastTick = 0;
    Pacing pacing{{}, 0};
    while (pacing.advances.size() < 4 && pacing.ticks++ < 20) {
        clock += advanceWhenDue(
            lastTick, [&] { return clock; },
            [&] {
                pacing.advances.push_back(clock);
                clock += frameCost;
            });
    }
    return pacing;
}

TEST(PlayPacing, FramesComeEveryPeriodOrEveryFrameCostWhicheverIsLonger) {
    // The first tick advances at once; each tick then lands on the next advance, none in vain.
    const struct {
        const char* name;
        int frameCost;
        std::vector<int> advances;
    } cases[] = {
        {"free frames", 0, {1000, 1034, 1068, 1102}},
        {"25 ms frames count toward the period", 25, {1000, 1034, 1068, 1102}},
        {"frames as long as the period", 34, {1000, 1034, 1068, 1102}},
        {"50 ms frames follow each other at once", 50, {1000, 1050, 1100, 1150}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Pacing pacing = paceFrames(c.frameCost);
        EXPECT_EQ(pacing.advances, c.advances);
        EXPECT_EQ(pacing.ticks, 4);
    }
}

// The real timer and button, off screen; the timer's callback, which would damage the view, counts frames.
TEST(PlayButtonUi, APressAdvancesAtOnceAndOffSchedulesNothing) {
    int frames = 0;
    AnimationTimer timer(nullptr, 1000, 10, 400, 100, 20);
    timer.callback([](Fl_Widget*, void* count) { ++*static_cast<int*>(count); }, &frames);
    PlayButton play(&timer, 470, 420, 115, 50);
    const auto press = [&play](int on) {
        play.value(on);
        play.do_callback();
    };
    const auto tickPending = [&play] {
        return Fl::has_timeout(playTick, &play) || Fl::has_idle(playTick, &play);
    };

    playTick(&play);  // off: nothing advances, nothing is scheduled
    EXPECT_EQ(frames, 0);
    EXPECT_FALSE(tickPending());

    // lastTick 0 stands for an advance as the process started; a user's press comes more than a period
    // later, on the clock that has run since then.
    std::this_thread::sleep_for(std::chrono::milliseconds(kFramePeriodMilliseconds));
    press(1);
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(timer.value(), 1);
    EXPECT_TRUE(Fl::has_timeout(playTick, &play));  // the rest of the period

    press(0);
    EXPECT_FALSE(tickPending());
    EXPECT_EQ(timer.value(), 1);

    // An advance from 999 of 1000 wraps to 0; with a frame count of 1 the value stays 0. Each is a frame.
    const struct { double maximum, from, to; } wraps[] = {{1000, 999, 0}, {1, 0, 0}};
    for (const auto& w : wraps) {
        timer.maximum(w.maximum);
        timer.value(w.from);
        const int before = frames;
        play.lastTick -= kFramePeriodMilliseconds;
        press(1);
        EXPECT_TRUE(frames == before + 1 && timer.value() == w.to)
            << "from " << w.from << " of " << w.maximum;
        press(0);
    }
}

}  // namespace
