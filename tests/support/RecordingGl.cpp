// The recording GL double: each entry point that drawing calls appends its name and arguments to glCallLog.
#include "support/RecordingGl.h"

#include <GL/gl.h>

std::vector<GlCall> glCallLog;

namespace {

// How many values a light, light model or material parameter takes.
int valueCount(GLenum pname) {
    switch (pname) {
        case GL_AMBIENT:
        case GL_DIFFUSE:
        case GL_SPECULAR:
        case GL_POSITION:
        case GL_EMISSION:
        case GL_AMBIENT_AND_DIFFUSE:
        case GL_LIGHT_MODEL_AMBIENT:
            return 4;
        case GL_SPOT_DIRECTION:
        case GL_COLOR_INDEXES:
            return 3;
        default:
            return 1;
    }
}

// The call `name` with the leading arguments `args` and then the parameter values at `values`.
void recordWithValues(const char* name, std::vector<float> args, GLenum pname, const GLfloat* values) {
    args.insert(args.end(), values, values + valueCount(pname));
    glCallLog.push_back({name, args});
}

}  // namespace

// Defines the entry point `name` taking `params`, recording the listed arguments.
#define RECORDED(name, params, ...) \
    void name params { glCallLog.push_back({#name, {__VA_ARGS__}}); }
#define F(x) static_cast<float>(x)

extern "C" {
RECORDED(glBegin, (GLenum mode), F(mode))
RECORDED(glEnd, ())
RECORDED(glLineWidth, (GLfloat width), width)
RECORDED(glPointSize, (GLfloat size), size)
RECORDED(glColor3f, (GLfloat r, GLfloat g, GLfloat b), r, g, b)
RECORDED(glNormal3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glVertex3f, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glVertex3d, (GLdouble x, GLdouble y, GLdouble z), F(x), F(y), F(z))
RECORDED(glEnable, (GLenum cap), F(cap))
RECORDED(glDisable, (GLenum cap), F(cap))
RECORDED(glLightModeli, (GLenum pname, GLint value), F(pname), F(value))
RECORDED(glFrontFace, (GLenum mode), F(mode))
RECORDED(glClearColor, (GLclampf r, GLclampf g, GLclampf b, GLclampf a), r, g, b, a)
RECORDED(glClear, (GLbitfield mask), F(mask))
RECORDED(glLoadIdentity, ())
RECORDED(glViewport, (GLint x, GLint y, GLsizei w, GLsizei h), F(x), F(y), F(w), F(h))
RECORDED(glOrtho, (GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f), F(l), F(r), F(b),
         F(t), F(n), F(f))
RECORDED(glShadeModel, (GLenum mode), F(mode))
RECORDED(glPolygonMode, (GLenum face, GLenum mode), F(face), F(mode))
RECORDED(glMatrixMode, (GLenum mode), F(mode))
RECORDED(glPushMatrix, ())
RECORDED(glPopMatrix, ())
RECORDED(glTranslatef, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glRotatef, (GLfloat angle, GLfloat x, GLfloat y, GLfloat z), angle, x, y, z)
RECORDED(glRotated, (GLdouble angle, GLdouble x, GLdouble y, GLdouble z), F(angle), F(x), F(y), F(z))
RECORDED(glRectf, (GLfloat x1, GLfloat y1, GLfloat x2, GLfloat y2), x1, y1, x2, y2)
RECORDED(glScalef, (GLfloat x, GLfloat y, GLfloat z), x, y, z)
RECORDED(glMaterialf, (GLenum face, GLenum pname, GLfloat value), F(face), F(pname), value)

void glLightfv(GLenum light, GLenum pname, const GLfloat* values) {
    recordWithValues("glLightfv", {F(light), F(pname)}, pname, values);
}
void glLightModelfv(GLenum pname, const GLfloat* values) {
    recordWithValues("glLightModelfv", {F(pname)}, pname, values);
}
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* values) {
    recordWithValues("glMaterialfv", {F(face), F(pname)}, pname, values);
}
}
