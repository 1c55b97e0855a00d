// The widgets that pace the animation: the frame counter (AnimationTimer), the Play toggle (PlayButton)
// that advances it at most once per 34 ms while on, and the small window that shows its progress.
#pragma once

#include <FL/Fl_Gl_Window.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Value_Slider.H>

// A value slider used as a frame counter 0..frameCount-1; each advance calls its callback, which marks
// the target widget (the hair view) damaged, so the event loop draws it: one frame.
class AnimationTimer : public Fl_Value_Slider {
public:
    AnimationTimer(Fl_Widget* target, int frameCount, int x, int y, int w, int h);
    ~AnimationTimer() override = default;
};

// Shows the timer's progress as a yellow square turning once about the centre per cycle of the timer.
class TimerDisplay : public Fl_Gl_Window {
public:
    TimerDisplay(int x, int y, int w, int h);
    ~TimerDisplay() override = default;
    void draw() override;

    AnimationTimer* timer;  // the timer shown; null until main links it
};

// While on, advances the timer by one at most once per 34 ms of elapsed time, and draws each frame as it
// advances. It waits on a toolkit timeout between advances and schedules nothing while off, so an idle
// program sleeps.
class PlayButton : public Fl_Light_Button {
public:
    PlayButton(AnimationTimer* timer, int x, int y, int w, int h);
    ~PlayButton() override;

    AnimationTimer* timer;  // the timer it drives
    int lastTick;           // elapsedMilliseconds() at the last advance; 0 after construction
};

void timerChanged(Fl_Widget* widget, void* data);
void playTick(void* data);  // the button's timeout: advance if due, then wait for the next
int elapsedMilliseconds();  // steady clock, milliseconds since the process started

constexpr int kFramePeriodMilliseconds = 34;  // least time between two advances

// The pacing rule, apart from the toolkit. Runs `frame` (one advance, drawn before it returns) when at
// least kFramePeriodMilliseconds have passed on `clock` since lastTick, the last advance; returns how many
// milliseconds to wait before asking again. The wait is read from the clock after the frame is drawn, so
// the frame's own time counts toward the period: frames come every max(period, a frame's cost).
template <typename Clock, typename Frame>
int advanceWhenDue(int& lastTick, Clock clock, Frame frame) {
    int now = clock();
    if (now - lastTick >= kFramePeriodMilliseconds) {
        lastTick = now;
        frame();
        now = clock();
    }
    const int rest = lastTick + kFramePeriodMilliseconds - now;
    return rest > 0 ? rest : 0;
}
