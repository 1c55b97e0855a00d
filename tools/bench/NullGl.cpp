// A GL that does nothing: the entry points that the view and the surface renderer call, defined empty and
// linked in place of the library's, so that a benchmark of a draw times only the program's own work.
#include <GL/gl.h>

void glBegin(GLenum) {}
void glEnd() {}
void glVertex3f(GLfloat, GLfloat, GLfloat) {}
void glVertex3d(GLdouble, GLdouble, GLdouble) {}
void glNormal3f(GLfloat, GLfloat, GLfloat) {}
void glColor3f(GLfloat, GLfloat, GLfloat) {}
void glLineWidth(GLfloat) {}
void glPointSize(GLfloat) {}
void glEnable(GLenum) {}
void glDisable(GLenum) {}
void glLightfv(GLenum, GLenum, const GLfloat*) {}
void glLightModelfv(GLenum, const GLfloat*) {}
void glLightModeli(GLenum, GLint) {}
void glFrontFace(GLenum) {}
void glClearColor(GLclampf, GLclampf, GLclampf, GLclampf) {}
void glClear(GLbitfield) {}
void glLoadIdentity() {}
void glViewport(GLint, GLint, GLsizei, GLsizei) {}
void glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {}
void glShadeModel(GLenum) {}
void glPolygonMode(GLenum, GLenum) {}
void glPushMatrix() {}
void glPopMatrix() {}
void glTranslatef(GLfloat, GLfloat, GLfloat) {}
void glRotatef(GLfloat, GLfloat, GLfloat, GLfloat) {}
void glScalef(GLfloat, GLfloat, GLfloat) {}
void glMaterialfv(GLenum, GLenum, const GLfloat*) {}
void glMaterialf(GLenum, GLenum, GLfloat) {}
void glMatrixMode(GLenum) {}
