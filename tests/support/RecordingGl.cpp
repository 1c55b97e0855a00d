// The recording GL double: each entry point that drawing calls appends its name and arguments to glCallLog.
#include "support/RecordingGl.h"

Calls glCallLog;

// Defines the entry point `name` taking `params` (with the C linkage that GL declared), recording `...`.
#define RECORDED(name, params, ...) \
    void name params { glCallLog.push_back({#name, {__VA_ARGS__}}); }
#define F(x) static_cast<float>(x)

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
RECORDED(glOrtho, (GLdouble a, GLdouble b, GLdouble c, GLdouble d, GLdouble e, GLdouble f), F(a), F(b), F(c),
         F(d), F(e), F(f))
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
// The view sets only colours and positions through a pointer: four values each.
RECORDED(glLightfv, (GLenum light, GLenum p, const GLfloat* v), F(light), F(p), v[0], v[1], v[2], v[3])
RECORDED(glLightModelfv, (GLenum p, const GLfloat* v), F(p), v[0], v[1], v[2], v[3])
RECORDED(glMaterialfv, (GLenum face, GLenum p, const GLfloat* v), F(face), F(p), v[0], v[1], v[2], v[3])
