// The surface renderer through the recording GL double: a triangle strip per pair of sample rows.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "nurbs/NurbsSurface.h"
#include "support/RecordingGl.h"

// A curved patch (z = 8uv) sampled 10 x 10: strip i takes slot k from row i when k and i have the same
// parity, else from row i-1, so consecutive strips wind oppositely. Nothing is drawn before setup.
TEST(DrawGl, TenByTenGridDrawsTenStripsOfTwentyTwoVertices) {
    const float points[16] = {0, 0, 0, 1, 0, 10, 0, 1, 10, 0, 0, 1, 10, 10, 8, 1}, knots[4] = {0, 0, 1, 1};
    NurbsSurface patch;
    glCallLog.clear();
    patch.draw();
    EXPECT_TRUE(glCallLog.empty());
    patch.setup(1, 1, 2, 2, points, knots, knots, 10, 10);
    std::unique_ptr<SurfaceVertex[]> records(patch.evaluateGrid());
    std::vector<GlCall> expected;
    for (int i = 1; i <= 10; ++i) {
        expected.push_back({"glLineWidth", {1}});
        expected.push_back({"glBegin", {GL_TRIANGLE_STRIP}});
        expected.push_back({"glColor3f", {0.9f, 0.8f, 0.9f}});
        for (int k = 0; k < 22; ++k) {
            const SurfaceVertex& v = records[(k % 2 == i % 2 ? i : i - 1) * 11 + k / 2];
            expected.push_back({"glNormal3f", {v.nx, v.ny, v.nz}});
            expected.push_back({"glVertex3f", {v.x, v.y, v.z}});
        }
        expected.push_back({"glEnd", {}});
    }
    for (int draw = 0; draw < 2; ++draw) {  // the second draw repeats the first
        glCallLog.clear();
        patch.draw();
        EXPECT_TRUE(glCallLog == expected);
    }
}
