// Every strand of a growth on each shape in each style, worked out here from the growth rules with a
// random stream of the test's own; mass and pins; the store beyond the live strands untouched.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "support/DefaultSettings.h"

namespace {

// The growers' generator written out again, and its two draws: U stays double until its sum is stored.
struct Stream {
    uint32_t s = 1;
    int r() { return (s = s * 214013u + 2531011u) >> 16 & 0x7FFF; }
    double U(double x) { return r() * x / 32767; }
    int J() { return r() * 5 / 32767; }
};

constexpr double L = 20, A = 45;  // the start-up length and rest angle

// n x n strands grown by the rules: each point's y, x, z in that order of draws (x, y, z on a curved
// shape), stored as floats. On the plane strand i*n + j roots in cell (j, i), whose corner the cursor
// reaches by float additions of 200/n from -100; on a curved shape at sample r*440/32767, stepping against
// its normal (which points into the solid), or scattering from the root on an axis where |n| < 1e-6.
std::vector<HairPoint> grownByTheRules(int n, bool combed, const SurfaceVertex* samples) {
    Stream draw;
    float a[8] = {}, b[8] = {}, c[8] = {};  // the combed profile: heights, offsets along x and z
    for (int k = 1; k < 8 && combed; ++k)
        a[k] = float(a[k - 1] + draw.U(L)), b[k] = float(draw.U(A)), c[k] = float(draw.U(A));
    std::vector<HairPoint> q(8 * n * n);
    const float cell = float(200.0 / n);
    float cursor[2] = {-100, -100};  // x, z
    for (int s = 0; s < n * n; ++s) {
        HairPoint* h = &q[8 * s];
        const int i = s / n, j = s % n;
        const bool border = !samples && (i == 0 || j == 0 || i == n - 1 || j == n - 1);
        for (int k = 0; k < 8; ++k) h[k].mass = 1, h[k].pinned = k == 0 || (k == 7 && border);
        float nv[3] = {0, -1, 0};  // the plane grows toward +y
        if (samples) {
            const SurfaceVertex& root = samples[draw.r() * 440 / 32767];
            h[0].position[0] = root.x, h[0].position[1] = root.y, h[0].position[2] = root.z;
            nv[0] = root.nx, nv[1] = root.ny, nv[2] = root.nz;
        } else {
            if (j == 0 && i > 0) cursor[0] = -100, cursor[1] += cell;
            h[0].position[0] = float(cursor[0] + draw.U(cell)),
            h[0].position[2] = float(cursor[1] + draw.U(cell));
            cursor[0] += cell;
        }
        for (int k = 1; k < 8; ++k) {
            for (int axis : {samples ? 0 : 1, samples ? 1 : 0, 2}) {
                float& at = h[k].position[axis];
                const double m = -nv[axis];
                const bool flat = std::fabs(nv[axis]) < 1e-6f;
                const float from = h[flat ? 0 : k - 1].position[axis], offset = axis == 2 ? c[k] : b[k];
                if (combed && samples) at = float(draw.J() + m * (flat ? offset : a[k]) + from);
                if (combed && !samples)
                    at = float(draw.J() + double(flat ? from : 0) + (flat ? offset : a[k]));
                if (!combed) at = float(from + (flat ? draw.U(A) : draw.U(L) * m));
            }
        }
    }
    return q;
}

using GrowthTest = DefaultSettingsTest;

// A 3 x 3 plane (one strand with a free tip) and 10 x 10 sphere and torus, whose roots include samples
// with a flat axis.
TEST_F(GrowthTest, EveryStrandOfEveryShapeAndStyleFollowsTheGrowthRules) {
    const HairPoint stale = {2.5f, {777, 777, 777}, {7, 7, 7}, {7, 7, 7}, false};
    for (ShapeCode shape : {kShapePlane, kShapeSphere, kShapeTorus}) {
        for (StyleCode style : {kStyleMessy, kStyleCombed}) {
            const char* name = shape == kShapePlane ? "plane" : shape == kShapeSphere ? "sphere" : "torus";
            SCOPED_TRACE(std::string(name) + (style == kStyleMessy ? ", messy" : ", combed"));
            hairStyle = style;
            hairDensity = shape == kShapePlane ? 3 : 10;
            const int live = livePointCount();
            std::fill(hairPoints, hairPoints + kMaxPoints, stale);
            hair::resetRandom();
            testing::internal::CaptureStdout();
            shape == kShapePlane    ? model.makePlane()
            : shape == kShapeSphere ? model.makeSphere()
                                    : model.makeTorus();
            testing::internal::GetCapturedStdout();
            const std::vector<SurfaceVertex> samples =
                shape == kShapePlane ? std::vector<SurfaceVertex>() : shapeSurface.evaluateGrid();
            const std::vector<HairPoint> expected = grownByTheRules(
                hairDensity, style == kStyleCombed, samples.empty() ? nullptr : samples.data());
            for (int i = 0; i < live; ++i) {
                const HairPoint &p = hairPoints[i], &e = expected[i];
                ASSERT_TRUE(std::equal(p.position, p.position + 3, e.position) && p.mass == 1 &&
                            p.pinned == e.pinned && std::count(p.velocity, p.velocity + 3, 0.0f) == 3 &&
                            std::count(p.force, p.force + 3, 0.0f) == 3)
                    << "strand " << i / 8 << ", point " << i % 8 << ": " << p.position[0] << ' '
                    << p.position[1] << ' ' << p.position[2] << " for " << e.position[0] << ' '
                    << e.position[1] << ' ' << e.position[2];
            }
            EXPECT_EQ(hairPoints[live].position[0], 777) << "beyond the live strands";
        }
    }
}

}  // namespace
