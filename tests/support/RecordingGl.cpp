// The recording GL double: each entry point appends itself and its arguments to glCallLog.
#include "support/RecordingGl.h"

#include <GL/gl.h>

#include <algorithm>

std::vector<GlCall> glCallLog;

void PrintTo(const GlCall& call, std::ostream* out) {
    static const char* const names[] = {
        "glBegin",       "glEnd",        "glVertex3f",    "glVertex3d",   "glNormal3f",     "glColor3f",
        "glLineWidth",   "glPointSize",  "glEnable",      "glDisable",    "glLightfv",      "glLightModelfv",
        "glLightModeli", "glFrontFace",  "glClearColor",  "glClear",      "glLoadIdentity", "glViewport",
        "glOrtho",       "glShadeModel", "glPolygonMode", "glPushMatrix", "glPopMatrix",    "glTranslatef",
        "glRotatef",     "glScalef",     "glMaterialfv",  "glMaterialf",  "glFinish",       "glGetError"};
    *out << names[static_cast<int>(call.function)] << "(";
    for (size_t k = 0; k < call.args.size(); ++k) *out << (k ? ", " : "") << call.args[k];
    *out << ")";
}

void clearGlCallLog() {
    glCallLog.clear();
}

int countGlCalls(GlFunction function) {
    return static_cast<int>(std::count_if(glCallLog.begin(), glCallLog.end(),
                                          [&](const GlCall& call) { return call.function == function; }));
}

namespace {

template <typename... Args>
void record(GlFunction function, Args... args) {
    glCallLog.push_back({function, {static_cast<double>(args)...}});
}

// Number of values behind the pointer of a glLightfv / glMaterialfv / glLightModelfv parameter.
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

// Records the leading arguments followed by the values behind params.
void recordWithValues(GlFunction function, std::vector<double> args, GLenum pname, const GLfloat* params) {
    args.insert(args.end(), params, params + valueCount(pname));
    glCallLog.push_back({function, std::move(args)});
}

}  // namespace

extern "C" {

void glBegin(GLenum mode) {
    record(GlFunction::Begin, mode);
}
void glEnd() {
    record(GlFunction::End);
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    record(GlFunction::Vertex3f, x, y, z);
}
void glVertex3d(GLdouble x, GLdouble y, GLdouble z) {
    record(GlFunction::Vertex3d, x, y, z);
}
void glNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    record(GlFunction::Normal3f, x, y, z);
}
void glColor3f(GLfloat r, GLfloat g, GLfloat b) {
    record(GlFunction::Color3f, r, g, b);
}
void glLineWidth(GLfloat width) {
    record(GlFunction::LineWidth, width);
}
void glPointSize(GLfloat size) {
    record(GlFunction::PointSize, size);
}
void glEnable(GLenum cap) {
    record(GlFunction::Enable, cap);
}
void glDisable(GLenum cap) {
    record(GlFunction::Disable, cap);
}
void glLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    recordWithValues(GlFunction::Lightfv, {double(light), double(pname)}, pname, params);
}
void glLightModelfv(GLenum pname, const GLfloat* params) {
    recordWithValues(GlFunction::LightModelfv, {double(pname)}, pname, params);
}
void glLightModeli(GLenum pname, GLint param) {
    record(GlFunction::LightModeli, pname, param);
}
void glFrontFace(GLenum mode) {
    record(GlFunction::FrontFace, mode);
}
void glClearColor(GLclampf r, GLclampf g, GLclampf b, GLclampf a) {
    record(GlFunction::ClearColor, r, g, b, a);
}
void glClear(GLbitfield mask) {
    record(GlFunction::Clear, mask);
}
void glLoadIdentity() {
    record(GlFunction::LoadIdentity);
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    record(GlFunction::Viewport, x, y, width, height);
}
void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    record(GlFunction::Ortho, left, right, bottom, top, zNear, zFar);
}
void glShadeModel(GLenum mode) {
    record(GlFunction::ShadeModel, mode);
}
void glPolygonMode(GLenum face, GLenum mode) {
    record(GlFunction::PolygonMode, face, mode);
}
void glPushMatrix() {
    record(GlFunction::PushMatrix);
}
void glPopMatrix() {
    record(GlFunction::PopMatrix);
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    record(GlFunction::Translatef, x, y, z);
}
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    record(GlFunction::Rotatef, angle, x, y, z);
}
void glScalef(GLfloat x, GLfloat y, GLfloat z) {
    record(GlFunction::Scalef, x, y, z);
}
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    recordWithValues(GlFunction::Materialfv, {double(face), double(pname)}, pname, params);
}
void glMaterialf(GLenum face, GLenum pname, GLfloat param) {
    record(GlFunction::Materialf, face, pname, param);
}
void glFinish() {
    record(GlFunction::Finish);
}
GLenum glGetError() {
    record(GlFunction::GetError);
    return 0;
}

}  // extern "C"
