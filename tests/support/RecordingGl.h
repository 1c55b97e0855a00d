// Test double of OpenGL, linked into the Gl tests in place of the library: drawing's calls are logged.
#pragma once

#include <string>
#include <vector>

struct GlCall {
    std::string function;     // "glVertex3f"
    std::vector<float> args;  // in order, enums converted exactly
    bool operator==(const GlCall& other) const { return function == other.function && args == other.args; }
};

extern std::vector<GlCall> glCallLog;  // every call since the log was last cleared, in order
