// Test double of OpenGL, linked into the Gl tests in place of the library: drawing's calls are logged.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct GlCall {
    std::string function;     // "glVertex3f"
    std::vector<float> args;  // in order, enums converted exactly
    bool operator==(const GlCall& other) const { return function == other.function && args == other.args; }
};

extern std::vector<GlCall> glCallLog;  // every call since the log was last cleared, in order

// glVertex3f(1, 2, 3), for the messages of failed tests.
inline std::ostream& operator<<(std::ostream& out, const GlCall& call) {
    out << call.function << '(';
    for (size_t k = 0; k < call.args.size(); ++k) out << (k ? ", " : "") << call.args[k];
    return out << ')';
}
