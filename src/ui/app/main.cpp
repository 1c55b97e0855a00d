// Entry point: answers --help and --version, checks for a display with OpenGL, names the window for the
// desktop, builds the main window and the animation controls, and runs the event loop. Exit status 1, as
// after "Exit".
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/x.H>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "IconPngs.h"
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

// --help and --version print and end the program before any display is needed; other arguments are
// ignored, as they always were. Returns whether the program is to go on.
static bool answerArguments(int argc, char** argv) {
    for (int a = 1; a < argc; a++) {
        if (std::strcmp(argv[a], "--help") == 0 || std::strcmp(argv[a], "-h") == 0) {
            std::puts(
                "usage: tresslow [--help | --version]\n"
                "Opens a window that grows hair on a plane, a sphere or a torus and lets it sway; it\n"
                "needs an X display with OpenGL. Its menus, sliders and mouse: man tresslow");
            return false;
        }
        if (std::strcmp(argv[a], "--version") == 0) {
            std::puts("tresslow " TRESSLOW_VERSION);
            return false;
        }
    }
    return true;
}

// The desktop finds the program by its windows' class (WM_CLASS "tresslow", "Tresslow", as the desktop
// entry's StartupWMClass says) and shows their icon, here built in at 48 and 256 pixels.
static void nameWindowsForTheDesktop() {
    Fl_Window::default_xclass("tresslow");
    const Fl_PNG_Image small("tresslow-48.png", kIconPng48, sizeof kIconPng48);
    const Fl_PNG_Image large("tresslow-256.png", kIconPng256, sizeof kIconPng256);
    const Fl_RGB_Image* icons[] = {&small, &large};
    Fl_Window::default_icons(icons, 2);  // copies them
}

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);  // each diagnostic line reaches a pipe as soon as it is printed
    if (!answerArguments(argc, argv)) return 0;
    if (!displayIsUsable()) return 2;
    nameWindowsForTheDesktop();

    mainPanel = new MainPanel;
    TimerDisplay* timerDisplay = addAnimationControls(*mainPanel);
    mainPanel->show();
    Fl::run();
    delete timerDisplay;
    return 1;
}
