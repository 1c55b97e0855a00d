// The pacing of Play: the rule with a stand-in clock and frame, and the real button in process.
#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "anim/PlayControl.h"

namespace {

// One call of the rule at `now`, the last advance at 1000 ms, with a frame that moves the clock on by `cost`:
// whether it advances, the wait it asks for and the last advance it leaves. A frame is due 34 ms after the
// last; the wait is read after the frame, so frames come every max(34 ms, a frame's cost), none in vain.
TEST(PlayPacing, FramesComeEveryPeriodOrEveryFrameCostWhicheverIsLonger) {
    const struct {
        const char* name;
        int now, cost;
        bool advances;
        int wait, lastTick;
    } cases[] = {
        {"20 ms after: the rest of the period", 1020, 0, false, 14, 1000},
        {"a period after: advances, a period to wait", 1034, 0, true, 34, 1034},
        {"a 25 ms frame counts toward the period", 1034, 25, true, 9, 1034},
        {"a frame as long as the period: the next at once", 1040, 34, true, 0, 1040},
        {"a 50 ms frame: the next at once", 1040, 50, true, 0, 1040},
    };
    for (const auto& c : cases) {
        int clock = c.now, lastTick = 1000, frames = 0;
        const int wait = advanceWhenDue(
            lastTick, [&] { return clock; }, [&] { ++frames, clock += c.cost; });
        EXPECT_TRUE(frames == c.advances && wait == c.wait && lastTick == c.lastTick)
            << c.name << ": " << frames << " frames, wait " << wait << ", last advance " << lastTick;
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
