// Test double of OpenGL, linked into the GL tests in place of the library: drawing's calls are logged, to be
// compared with the calls that a test expects. Brings GL's declarations and the test framework.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using GlCall = std::pair<std::string, std::vector<float>>;  // "glVertex3f" and its arguments, enums exactly
using Calls = std::vector<GlCall>;

extern Calls glCallLog;  // every call since the log was last cleared, in order

template <class Draw>
Calls recorded(Draw draw) {
    glCallLog.clear();
    draw();
    return glCallLog;
}

// Calls written flat, a name followed by its arguments, and lists of calls spliced in whole:
// calls(before, "glBegin", GL_QUADS, "glVertex3d", 1, 2, 3, "glEnd").
inline void append(Calls& list, const char* name) { list.push_back({name, {}}); }
inline void append(Calls& list, double value) { list.back().second.push_back(static_cast<float>(value)); }
inline void append(Calls& list, const Calls& more) { list.insert(list.end(), more.begin(), more.end()); }
template <class... Items>
Calls calls(const Items&... items) {
    Calls list;
    (append(list, items), ...);
    return list;
}

// glColor3f(0.999000013, 1, 1), with every digit that a float holds, for the messages of failed tests.
inline std::string describe(const GlCall& call) {
    std::ostringstream text;
    text << std::setprecision(9) << call.first << '(';
    for (size_t k = 0; k < call.second.size(); ++k) text << (k ? ", " : "") << call.second[k];
    return text.str() + ')';
}

// Success, or the first call where the two lists part.
inline testing::AssertionResult sameCalls(const Calls& actual, const Calls& expected) {
    for (size_t k = 0; k < actual.size() && k < expected.size(); ++k)
        if (actual[k] != expected[k])
            return testing::AssertionFailure()
                   << "call " << k << " is " << describe(actual[k]) << ", expected " << describe(expected[k]);
    if (actual.size() == expected.size()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual.size() << " calls, expected " << expected.size();
}
