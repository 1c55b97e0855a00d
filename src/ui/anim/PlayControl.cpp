// AnimationTimer, TimerDisplay and PlayButton: the pacing of the animation.
#include "anim/PlayControl.h"

#include <FL/Fl.H>
#include <FL/gl.h>

#include <chrono>

int elapsedMilliseconds() {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return static_cast<int>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

void timerChanged(Fl_Widget*, void* data) { static_cast<Fl_Widget*>(data)->damage(FL_DAMAGE_CHILD); }

AnimationTimer::AnimationTimer(Fl_Widget* target, int frameCount, int x, int y, int w, int h)
    : Fl_Value_Slider(x, y, w, h) {
    value(0);
    bounds(0, frameCount);
    step(1);
    type(FL_HOR_NICE_SLIDER);
    when(FL_WHEN_CHANGED);
    callback(timerChanged, target);
}

TimerDisplay::TimerDisplay(int x, int y, int w, int h) : Fl_Gl_Window(x, y, w, h, "Animation Timer") {
    timer = nullptr;
}

void TimerDisplay::draw() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    if (timer) glRotated(timer->value() / timer->maximum() * 360.0, 0.0, 0.0, 1.0);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 0.0f);
    glRectf(0.7f, -0.1f, 0.9f, 0.1f);
    glPopMatrix();
}

// Turning the button on starts the ticks at once; turning it off cancels the pending one.
static void playToggled(Fl_Widget* widget, void*) {
    auto* button = static_cast<PlayButton*>(widget);
    Fl::remove_timeout(playTick, button);
    if (button->value()) playTick(button);
}

PlayButton::PlayButton(AnimationTimer* timer, int x, int y, int w, int h)
    : Fl_Light_Button(x, y, w, h, "P l a y") {
    box(FL_PLASTIC_UP_BOX);
    down_box(FL_PLASTIC_DOWN_BOX);
    color(212);
    selection_color(177);
    labeltype(FL_ENGRAVED_LABEL);
    labelfont(FL_SCREEN);
    labelsize(22);
    labelcolor(233);
    callback(playToggled);
    this->timer = timer;
    lastTick = 0;
}

PlayButton::~PlayButton() { Fl::remove_timeout(playTick, this); }

// Advances the timer by one (wrapping to 0 at its maximum) when more than 33 ms have passed since the
// last advance, and sleeps until the next advance is due.
void playTick(void* data) {
    auto* button = static_cast<PlayButton*>(data);
    if (!button->value()) return;
    const int now = elapsedMilliseconds();
    int waited = now - button->lastTick;
    if (waited >= kFramePeriodMilliseconds) {
        button->lastTick = now;
        AnimationTimer* timer = button->timer;
        int v = static_cast<int>(timer->value()) + 1;
        if (v >= static_cast<int>(timer->maximum())) v = 0;
        timer->value(v);
        timer->do_callback(timer, timer->user_data());
        waited = 0;
    }
    Fl::add_timeout((kFramePeriodMilliseconds - waited) / 1000.0, playTick, button);
}
