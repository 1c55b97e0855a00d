// The recording GL double: each entry point that drawing calls appends its name and arguments to glCallLog.
#include "support/RecordingGl.h"

#include <GL/gl.h>

std::vector<GlCall> glCallLog;

// Defines the entry point `name` taking `params`, recording the listed arguments.
#define RECORDED(name, params, ...) \
    void name params { glCallLog.push_back({#name, {__VA_ARGS__}}); }

extern "C" {
RECORDED(glBegin, (GLenum mode), static_cast<float>(mode))
RECORDED(glEnd, ())
RECORDED(glLineWidth, (GLfloat width), width)
RECORDED(glColor3f, (GLfloat r, GLfloat g, GLfloat b), r, g, b)
RECORDED(glNormal3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glVertex3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
}
