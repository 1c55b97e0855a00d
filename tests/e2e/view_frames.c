/* Watches a window's draws from outside the program, through the X server's DAMAGE extension: every frame
   that an OpenGL window shows reaches the server as one damage of the window.
   Usage: view_frames WINDOW count SECONDS      prints how many times WINDOW was drawn during SECONDS
          view_frames WINDOW rest MS            waits until WINDOW has not been drawn for MS milliseconds
          view_frames WINDOW after COMMAND...   runs COMMAND, then waits until WINDOW is drawn once
   rest and after give up after 10 s with status 1; WINDOW is decimal or 0x hex. */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static const double kGiveUpSeconds = 10.0;

static Display* display;
static int damageEvent;

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

/* Number of draws reported until the time `until` (seconds of now()); returns at the first one if
   `firstOnly`. */
static int draws(double until, int firstOnly) {
    int count = 0;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != damageEvent + XDamageNotify) continue;
            count++;
            if (firstOnly) return count;
        }
        double left = until - now();
        if (left <= 0) return count;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        struct timeval timeout = {(time_t)left, (suseconds_t)((left - (time_t)left) * 1e6)};
        select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &timeout);
    }
}

static int runCommand(char** argv) {
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        perror(argv[0]);
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: view_frames WINDOW count SECONDS | rest MS | after COMMAND...\n");
        return 2;
    }
    display = XOpenDisplay(NULL);
    int error;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &error)) {
        fprintf(stderr, "view_frames: no display with the DAMAGE extension\n");
        return 2;
    }
    Window window = (Window)strtoul(argv[1], NULL, 0);
    XDamageCreate(display, window, XDamageReportRawRectangles);
    /* A new damage object reports the whole window at once: that is no draw. The reply to the sync
       comes after every event that the creation caused. */
    XSync(display, False);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }

    const char* mode = argv[2];
    if (strcmp(mode, "count") == 0) {
        printf("%d\n", draws(now() + atof(argv[3]), 0));
        return 0;
    }
    if (strcmp(mode, "rest") == 0) {
        const double rest = atof(argv[3]) / 1000.0, giveUp = now() + kGiveUpSeconds;
        while (now() < giveUp)
            if (draws(now() + rest, 1) == 0) return 0;
        fprintf(stderr, "view_frames: the window is still being drawn\n");
        return 1;
    }
    if (strcmp(mode, "after") == 0) {
        if (!runCommand(argv + 3)) return 1;
        if (draws(now() + kGiveUpSeconds, 1) == 1) return 0;
        fprintf(stderr, "view_frames: the window was not drawn\n");
        return 1;
    }
    fprintf(stderr, "view_frames: unknown mode %s\n", mode);
    return 2;
}
