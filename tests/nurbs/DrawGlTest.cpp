// The surface renderer through the recording GL double: strips, vertex order and winding, a normal before
// every vertex, and vertices identical to the tessellation's records.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "nurbs/NurbsSurface.h"
#include "support/RecordingGl.h"
#include "support/RevolutionNet.h"

namespace {

// A strand tube of 8 rings of 9 points, degree 2 along the strand and 3 around it, on the clamped knots of
// the tubes, sampled 10 x 10 as the hair update does. The strand bends so that no two rows coincide.
void setUpTube(NurbsSurface& tube) {
    const float u[11] = {0, 0, 0, 1 / 6.0f, 2 / 6.0f, 3 / 6.0f, 4 / 6.0f, 5 / 6.0f, 1, 1, 1};
    const float v[13] = {0, 0, 0, 0, 1 / 6.0f, 2 / 6.0f, 3 / 6.0f, 4 / 6.0f, 5 / 6.0f, 1, 1, 1, 1};
    float points[8 * 9 * 4];
    for (int a = 0; a < 8; ++a) {
        for (int b = 0; b < 9; ++b) {
            const double angle = 2 * M_PI * b / 8;
            float* p = points + (a * 9 + b) * 4;
            p[0] = static_cast<float>(2 * std::cos(angle) + 0.5 * a * a);
            p[1] = static_cast<float>(2 * std::sin(angle));
            p[2] = 10.0f * a;
            p[3] = 1.0f;
        }
    }
    tube.setup(2, 3, 8, 9, points, u, v, 10, 10);
}

// One draw's log must be samplesU strips, each: line width 1, a triangle strip in the colour (0.9, 0.8,
// 0.9), a normal and a vertex per ring slot, the end. Slot k of strip i is sample k/2 of row i when k and
// i have the same parity and of row i-1 otherwise, so row i leads exactly in the even strips.
void expectStripsOfTheTessellation(NurbsSurface& surface) {
    testing::internal::CaptureStdout();
    SurfaceVertex* records = surface.tessellate();
    testing::internal::GetCapturedStdout();
    clearGlCallLog();
    surface.draw();

    const int perRow = surface.samplesV + 1;
    size_t at = 0;
    auto next = [&]() { return at < glCallLog.size() ? glCallLog[at++] : GlCall{GlFunction::GetError, {}}; };
    for (int i = 1; i <= surface.samplesU; ++i) {
        SCOPED_TRACE(testing::Message() << "strip " << i);
        EXPECT_EQ(next(), (GlCall{GlFunction::LineWidth, {1.0}}));
        EXPECT_EQ(next(), (GlCall{GlFunction::Begin, {GL_TRIANGLE_STRIP}}));
        EXPECT_EQ(next(), (GlCall{GlFunction::Color3f, {0.9f, 0.8f, 0.9f}}));
        for (int k = 0; k < 2 * perRow; ++k) {
            const SurfaceVertex& v = records[(k % 2 == i % 2 ? i : i - 1) * perRow + k / 2];
            EXPECT_EQ(next(), (GlCall{GlFunction::Normal3f, {v.nx, v.ny, v.nz}})) << "slot " << k;
            EXPECT_EQ(next(), (GlCall{GlFunction::Vertex3f, {v.x, v.y, v.z}})) << "slot " << k;
        }
        EXPECT_EQ(next(), (GlCall{GlFunction::End, {}}));
    }
    EXPECT_EQ(at, glCallLog.size());
    delete[] records;
}

}  // namespace

TEST(DrawGl, TubeDrawsTenStripsOfTwentyTwoVertices) {
    NurbsSurface tube;
    setUpTube(tube);
    expectStripsOfTheTessellation(tube);
    EXPECT_EQ(countGlCalls(GlFunction::Begin), 10);
    EXPECT_EQ(countGlCalls(GlFunction::Vertex3f), 10 * 22);
}

TEST(DrawGl, SphereDrawsTwentyStripsOfFortyTwoVertices) {
    NurbsSurface sphere;
    setUpRevolution(sphere, sphereNet(), 20);
    sphere.normalsTowardOrigin = true;
    expectStripsOfTheTessellation(sphere);
    EXPECT_EQ(countGlCalls(GlFunction::Begin), 20);
    EXPECT_EQ(countGlCalls(GlFunction::Vertex3f), 20 * 42);
}

TEST(DrawGl, OneIntervalDrawsOneStripOfFourVertices) {
    const float points[16] = {0, 0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1};
    const float knots[4] = {0, 0, 1, 1};
    NurbsSurface patch;
    patch.setup(1, 1, 2, 2, points, knots, knots, 1, 1);
    expectStripsOfTheTessellation(patch);
    EXPECT_EQ(countGlCalls(GlFunction::Begin), 1);
    EXPECT_EQ(countGlCalls(GlFunction::Vertex3f), 4);
}

TEST(DrawGl, SurfaceNotSetUpMakesNoCall) {
    NurbsSurface surface;
    clearGlCallLog();
    surface.draw();
    EXPECT_TRUE(glCallLog.empty());

    setUpTube(surface);
    surface.release();
    surface.draw();
    EXPECT_TRUE(glCallLog.empty());
}

TEST(DrawGl, RepeatedDrawsAreIdentical) {
    NurbsSurface tube;
    setUpTube(tube);
    clearGlCallLog();
    tube.draw();
    const std::vector<GlCall> first = glCallLog;
    testing::internal::CaptureStdout();
    delete[] tube.tessellate();
    testing::internal::GetCapturedStdout();
    clearGlCallLog();
    tube.draw();
    EXPECT_EQ(glCallLog, first);
}
