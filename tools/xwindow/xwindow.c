/* Acts on a program's X window from outside, for scripts/drive-window.sh (the end-to-end tests, the README's
   pictures, the frame-rate benchmark):
     xwindow WINDOW close              asks it to close as a window manager does (WM_DELETE_WINDOW)
     xwindow WINDOW count SECONDS      prints how many times it is drawn during SECONDS
     xwindow WINDOW times SECONDS      prints the time of each draw during SECONDS, in ms, one a line
     xwindow WINDOW after 'COMMAND'    runs the shell COMMAND, then waits up to 10 s for a draw
     xwindow WINDOW during 'COMMAND' SECONDS
                                       runs the shell COMMAND, then prints how many times it was drawn from
                                       the command's start until SECONDS after its end
   Draws are seen through the DAMAGE extension: every frame that an OpenGL window shows is one damage. */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static Display* display;
static int damageEvent;

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

/* Number of draws reported until `until` (seconds of now()); returns at the first one if `firstOnly`.
   With `times`, prints when each was received, in ms after `start`. */
static int draws(double until, int firstOnly, FILE* times, double start) {
    int count = 0;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != damageEvent + XDamageNotify) continue;
            count++;
            if (times) fprintf(times, "%.3f\n", (now() - start) * 1000);
        }
        double left = until - now();
        if (left <= 0 || (firstOnly && count > 0)) return count;
        struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, (int)(left * 1000) + 1);
    }
}

int main(int argc, char** argv) {
    int error;
    display = XOpenDisplay(NULL);
    if (argc < 3 || !display || !XDamageQueryExtension(display, &damageEvent, &error)) return 2;
    Window window = (Window)strtoul(argv[1], NULL, 0);
    if (strcmp(argv[2], "close") == 0) {
        XEvent event = {.xclient = {.type = ClientMessage, .window = window, .format = 32}};
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSendEvent(display, window, False, NoEventMask, &event);
        XSync(display, False);
        return 0;
    }
    /* A new damage object reports the whole window at once, which is no draw: the reply to the sync comes
       after every event that the creation caused. */
    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);
    draws(0, 0, NULL, 0);
    double start = now();
    if (strcmp(argv[2], "count") == 0) printf("%d\n", draws(start + atof(argv[3]), 0, NULL, 0));
    if (strcmp(argv[2], "times") == 0) draws(start + atof(argv[3]), 0, stdout, start);
    if (strcmp(argv[2], "during") == 0) {
        if (argc < 5 || system(argv[3]) != 0) return 1;
        printf("%d\n", draws(now() + atof(argv[4]), 0, NULL, 0));
    }
    return strcmp(argv[2], "after") == 0 && (system(argv[3]) != 0 || draws(start + 10, 1, NULL, 0) == 0);
}
