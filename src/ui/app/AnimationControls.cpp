// main's assembly of the animation controls, in the order and places of the window's tables.
#include "app/AnimationControls.h"

#include <FL/Fl_Double_Window.H>

#include "anim/PlayControl.h"
#include "app/MainPanel.h"
#include "view/HairView.h"

TimerDisplay* addAnimationControls(MainPanel& panel) {
    panel.window->begin();
    auto* timerDisplay = new TimerDisplay(10, 1000, 10, 10);
    auto* timer = new AnimationTimer(panel.hairView, 1000, 10, 400, 100, 20);
    timerDisplay->timer = timer;
    new PlayButton(timer, 470, 420, 115, 50);
    panel.window->end();
    return timerDisplay;
}
