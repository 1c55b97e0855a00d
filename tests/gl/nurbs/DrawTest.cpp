// The surface renderer through the recording GL double: a triangle strip per pair of sample rows.
#include "nurbs/NurbsSurface.h"
#include "support/RecordingGl.h"

// The bilinear patch x = 10u, y = 10v, z = 8uv on 4 x 2 intervals: sample j of row i lies at (2.5i, 5j, ij),
// exact in float, so each vertex names its row and sample; it comes with the normal that the tessellation
// evaluates at that sample.
TEST(DrawGl, FourByTwoPatchDrawsFourStripsOfAlternatingWinding) {
    const float points[16] = {0, 0, 0, 1, 0, 10, 0, 1, 10, 0, 0, 1, 10, 10, 8, 1}, knots[4] = {0, 0, 1, 1};
    NurbsSurface patch;
    patch.setup(1, 1, 2, 2, points, knots, knots, 4, 2);
    const std::vector<SurfaceVertex> grid = patch.evaluateGrid();
    // Strip i takes its vertices from rows i-1 and i alternately, from row i-1 first when i is odd:
    // consecutive strips wind oppositely.
    const int stripRows[4][2] = {{0, 1}, {2, 1}, {2, 3}, {4, 3}};
    Calls expected;
    for (const auto& rows : stripRows) {
        expected =
            calls(expected, "glLineWidth", 1, "glBegin", GL_TRIANGLE_STRIP, "glColor3f", 0.9f, 0.8f, 0.9f);
        for (int j = 0; j <= 2; ++j)
            for (int row : rows) {
                const SurfaceVertex& n = grid[3 * row + j];
                expected =
                    calls(expected, "glNormal3f", n.nx, n.ny, n.nz, "glVertex3f", 2.5f * row, 5 * j, row * j);
            }
        expected = calls(expected, "glEnd");
    }
    const Calls first = recorded([&] { patch.draw(); });
    EXPECT_TRUE(sameCalls(first, expected)) << "first draw";
    EXPECT_TRUE(sameCalls(recorded([&] { patch.draw(); }), first)) << "second draw";
}
