// The timer display's picture in immediate mode. At no turn the square stands right of the centre.
#include "anim/TimerSquare.h"

#include <GL/gl.h>

void drawTimerSquare(std::optional<TimerProgress> progress) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    if (progress) glRotated(progress->value / progress->maximum * 360.0, 0.0, 0.0, 1.0);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 0.0f);
    glRectf(0.7f, -0.1f, 0.9f, 0.1f);
    glPopMatrix();
}
