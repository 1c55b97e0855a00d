// Entry point: checks for a display with OpenGL, builds the main window and the animation controls,
// and runs the event loop. Exit status 1, as after "Exit".
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <X11/Xlib.h>

#include <cstdio>

#include "anim/PlayControl.h"
#include "app/MainPanel.h"
#include "view/HairView.h"

// The program needs an X display and an RGB, double-buffered OpenGL visual with a depth buffer.
static bool displayIsUsable() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "tresslow: cannot open the X display \"%s\"; set DISPLAY to a running X server\n",
                     XDisplayName(nullptr));
        return false;
    }
    XCloseDisplay(display);
    if (!Fl::gl_visual(FL_RGB | FL_DOUBLE | FL_DEPTH)) {
        std::fprintf(stderr, "tresslow: the X display offers no OpenGL visual with RGB colour, double "
                             "buffering and a depth buffer\n");
        return false;
    }
    return true;
}

int main() {
    setvbuf(stdout, nullptr, _IOLBF, 0);  // each diagnostic line reaches a pipe as soon as it is printed
    if (!displayIsUsable()) return 2;

    mainPanel = new MainPanel;
    mainPanel->window->begin();
    auto* timerDisplay = new TimerDisplay(10, 1000, 10, 10);
    auto* timer = new AnimationTimer(mainPanel->hairView, 1000, 10, 400, 100, 20);
    timerDisplay->timer = timer;
    new PlayButton(timer, 470, 420, 115, 50);
    mainPanel->window->end();
    mainPanel->show();
    Fl::run();
    delete timerDisplay;
    return 1;
}
