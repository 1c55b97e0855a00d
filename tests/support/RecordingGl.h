// Test double of OpenGL: the GL 1.1 entry points that the program calls, defined to append each call to a
// global log instead of rendering. Linked into the Gl test binary in place of the library's functions.
#pragma once

#include <ostream>
#include <vector>

enum class GlFunction {
    Begin,
    End,
    Vertex3f,
    Vertex3d,
    Normal3f,
    Color3f,
    LineWidth,
    PointSize,
    Enable,
    Disable,
    Lightfv,
    LightModelfv,
    LightModeli,
    FrontFace,
    ClearColor,
    Clear,
    LoadIdentity,
    Viewport,
    Ortho,
    ShadeModel,
    PolygonMode,
    PushMatrix,
    PopMatrix,
    Translatef,
    Rotatef,
    Scalef,
    Materialfv,
    Materialf,
    Finish,
    GetError
};

// One recorded call: the function and its arguments in order, enums and integers converted exactly,
// vector arguments (glLightfv, glMaterialfv, ...) expanded to as many values as their parameter takes.
struct GlCall {
    GlFunction function;
    std::vector<double> args;
    bool operator==(const GlCall& other) const { return function == other.function && args == other.args; }
};

extern std::vector<GlCall> glCallLog;  // every call since the last clearGlCallLog, in order

void PrintTo(const GlCall& call, std::ostream* out);  // readable failure messages in tests

void clearGlCallLog();
int countGlCalls(GlFunction function);
