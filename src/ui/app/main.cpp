// Entry point: checks for a display with OpenGL, builds the main window and the animation controls,
// and runs the event loop. Exit status 1, as after "Exit".
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>

#include <cstdio>
#include <cstdlib>

#include "anim/PlayControl.h"
#include "app/AnimationControls.h"
#include "app/MainPanel.h"
#include "view/HairView.h"

// The program needs an X display and an RGB, double-buffered OpenGL visual with a depth buffer. The
// connection opened here becomes the toolkit's: a bare X server resets when its last client leaves and
// refuses connections meanwhile, so a second connection could fail with the toolkit's own message.
static bool displayIsUsable() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) {
        std::fprintf(stderr, "tresslow: DISPLAY is not set; set it to a running X server\n");
        return false;
    }
    Display* display = XOpenDisplay(name);
    if (!display) {
        std::fprintf(stderr,
                     "tresslow: cannot open the X display \"%s\"; set DISPLAY to a running X server\n", name);
        return false;
    }
    fl_open_display(display);
    if (!Fl::gl_visual(FL_RGB | FL_DOUBLE | FL_DEPTH)) {
        std::fprintf(stderr,
                     "tresslow: the X display \"%s\" offers no OpenGL (GLX) visual with RGB colour, "
                     "double buffering and a depth buffer\n",
                     DisplayString(display));
        return false;
    }
    return true;
}

int main() {
    setvbuf(stdout, nullptr, _IOLBF, 0);  // each diagnostic line reaches a pipe as soon as it is printed
    if (!displayIsUsable()) return 2;

    mainPanel = new MainPanel;
    TimerDisplay* timerDisplay = addAnimationControls(*mainPanel);
    mainPanel->show();
    Fl::run();
    delete timerDisplay;
    return 1;
}
