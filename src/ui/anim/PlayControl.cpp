// AnimationTimer, TimerDisplay and PlayButton: the pacing of the animation.
#include "anim/PlayControl.h"

#include <FL/Fl.H>

#include <chrono>

#include "anim/TimerSquare.h"

// Taken when the program starts, so that lastTick 0 stands for an advance then and the first press of
// Play, which always comes later than one period after the start, advances at once.
static const std::chrono::steady_clock::time_point processStart = std::chrono::steady_clock::now();

int elapsedMilliseconds() {
    using namespace std::chrono;
    return static_cast<int>(duration_cast<milliseconds>(steady_clock::now() - processStart).count());
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
    drawTimerSquare(timer ? std::optional<TimerProgress>({timer->value(), timer->maximum()}) : std::nullopt);
}

// The next tick comes after `wait` ms on a toolkit timeout, or, when a frame is due at once, as soon as
// the event loop has handled what came in meanwhile: an idle callback, because a timeout that is already
// due would fire again before any event is handled, and so would never let the button be turned off.
static void scheduleTick(PlayButton* button, int wait) {
    if (wait > 0)
        Fl::add_timeout(wait / 1000.0, playTick, button);
    else
        Fl::add_idle(playTick, button);
}

static void cancelTick(PlayButton* button) {
    Fl::remove_timeout(playTick, button);
    Fl::remove_idle(playTick, button);
}

// Turning the button on ticks at once; turning it off cancels the pending tick.
static void playToggled(Fl_Widget* widget, void*) {
    auto* button = static_cast<PlayButton*>(widget);
    cancelTick(button);
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

PlayButton::~PlayButton() { cancelTick(this); }

// One frame of Play: the timer's next value (wrapping to 0 at its maximum), its callback, which damages
// the view, and the draw of everything damaged, buffer swap included.
static void advanceFrame(AnimationTimer& timer) {
    int v = static_cast<int>(timer.value()) + 1;
    if (v >= static_cast<int>(timer.maximum())) v = 0;
    timer.value(v);
    timer.do_callback(&timer, timer.user_data());
    Fl::flush();
}

// The toolkit computes how long to sleep before it draws what a timeout damaged; drawing inside the tick
// and then reading the clock makes the wait count the draw.
void playTick(void* data) {
    auto* button = static_cast<PlayButton*>(data);
    cancelTick(button);  // an idle callback stays until it is removed
    if (!button->value()) return;
    scheduleTick(button, advanceWhenDue(button->lastTick, elapsedMilliseconds,
                                        [button] { advanceFrame(*button->timer); }));
}
