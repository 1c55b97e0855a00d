// The first strand of a growth on each shape in each style, worked out here step by step from the growth
// rules with a stream of random numbers of the test's own, and the store beyond the live strands untouched.
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "support/DefaultSettings.h"

namespace {

// The generator of the growers, written out again: s = s*214013 + 2531011 mod 2^32 from 1, r = bits 16-30.
struct Stream {
    uint32_t s = 1;
    int r() { return (s = s * 214013u + 2531011u) >> 16 & 0x7FFF; }
    double U(double x) { return r() * x / 32767; }  // stays double until the sum it enters is stored
    int J() { return r() * 5 / 32767; }
};

constexpr double L = 20, A = 45;  // the start-up length and rest angle

// a[k] running heights, b[k] and c[k] offsets along x and z: 21 draws, each stored as a float.
struct Profile {
    float a[8] = {}, b[8] = {}, c[8] = {};
};
Profile drawProfile(Stream& draw) {
    Profile p;
    for (int k = 1; k < 8; ++k) {
        p.a[k] = float(p.a[k - 1] + draw.U(L));
        p.b[k] = float(draw.U(A));
        p.c[k] = float(draw.U(A));
    }
    return p;
}

// The strands of an n x n growth on the plane: strand i*n + j from a spot of cell (j, i), whose corner the
// cursor reaches by float additions of the cell size 200/n from (-100, -100).
std::vector<HairPoint> planeStrands(int n, bool combed) {
    Stream draw;
    const Profile p = combed ? drawProfile(draw) : Profile{};
    const float cell = float(200.0 / n);
    std::vector<HairPoint> q(8 * n * n);
    float z = -100;
    for (int i = 0; i < n; ++i, z += cell) {
        float x = -100;
        for (int j = 0; j < n; ++j, x += cell) {
            HairPoint* h = &q[8 * (i * n + j)];
            h[0].position[0] = float(x + draw.U(cell)), h[0].position[1] = 0,
            h[0].position[2] = float(z + draw.U(cell));
            for (int k = 1; k < 8; ++k) {
                float* at = h[k].position;
                const float* root = h[0].position;
                if (combed) {
                    at[1] = float(draw.J() + double(p.a[k]));
                    at[0] = float(draw.J() + double(root[0]) + p.b[k]);
                    at[2] = float(draw.J() + double(root[2]) + p.c[k]);
                } else {
                    at[1] = float(h[k - 1].position[1] + draw.U(L));
                    at[0] = float(root[0] + draw.U(A));
                    at[2] = float(root[2] + draw.U(A));
                }
            }
        }
    }
    return q;
}

// The n x n strands of a growth on the sphere or torus: each from sample r*440/32767 of the 21 x 21 samples,
// growing against the sample normal nv (which points into the solid); on an axis where |nv| < 1e-6 the
// points scatter from the root instead.
std::vector<HairPoint> surfaceStrands(int n, bool combed, const SurfaceVertex* samples) {
    Stream draw;
    const Profile p = combed ? drawProfile(draw) : Profile{};
    std::vector<HairPoint> q(8 * n * n);
    for (int s = 0; s < n * n; ++s) {
        HairPoint* h = &q[8 * s];
        const SurfaceVertex& root = samples[draw.r() * 440 / 32767];
        const float nv[3] = {root.nx, root.ny, root.nz};
        h[0].position[0] = root.x, h[0].position[1] = root.y, h[0].position[2] = root.z;
        for (int k = 1; k < 8; ++k) {
            for (int c = 0; c < 3; ++c) {
                const double m = -nv[c];
                const bool flat = std::fabs(nv[c]) < 1e-6f;
                const float sideways = c == 2 ? p.c[k] : p.b[k], from = h[flat ? 0 : k - 1].position[c];
                if (combed) {
                    h[k].position[c] = float(draw.J() + m * (flat ? sideways : p.a[k]) + from);
                } else {
                    h[k].position[c] = float(from + (flat ? draw.U(A) : draw.U(L) * m));
                }
            }
        }
    }
    return q;
}

using GrowthTest = DefaultSettingsTest;

// Every strand of a 3 x 3 growth on the plane and of a 10 x 10 growth on the curved shapes, whose roots
// include samples with a flat axis; the store's strands beyond the live ones stay as they were.
TEST_F(GrowthTest, EveryStrandOfEveryShapeAndStyleFollowsTheGrowthRules) {
    const HairPoint stale = {2.5f, {777, 777, 777}, {7, 7, 7}, {7, 7, 7}, false};
    for (ShapeCode shape : {kShapePlane, kShapeSphere, kShapeTorus}) {
        for (StyleCode style : {kStyleMessy, kStyleCombed}) {
            const char* shapeName = shape == kShapePlane    ? "plane"
                                    : shape == kShapeSphere ? "sphere"
                                                            : "torus";
            SCOPED_TRACE(std::string(shapeName) + (style == kStyleMessy ? ", messy" : ", combed"));
            hairStyle = style;
            hairDensity = shape == kShapePlane ? 3 : 10;
            const int live = livePointCount();
            std::fill(hairPoints + live, hairPoints + kMaxPoints, stale);
            hair::resetRandom();
            testing::internal::CaptureStdout();
            shape == kShapePlane    ? model.makePlane()
            : shape == kShapeSphere ? model.makeSphere()
                                    : model.makeTorus();
            testing::internal::GetCapturedStdout();
            std::unique_ptr<SurfaceVertex[]> samples(shapeSurface.evaluateGrid());
            const bool combed = style == kStyleCombed;
            const std::vector<HairPoint> expected = shape == kShapePlane
                                                        ? planeStrands(hairDensity, combed)
                                                        : surfaceStrands(hairDensity, combed, samples.get());
            for (int i = 0; i < 3 * live; ++i) {
                ASSERT_EQ(hairPoints[i / 3].position[i % 3], expected[i / 3].position[i % 3])
                    << "strand " << i / 24 << ", point " << i / 3 % 8 << ' ' << "xyz"[i % 3];
            }
            EXPECT_TRUE(hairPoints[live].position[0] == 777 && hairPoints[live].mass == 2.5f)
                << "beyond the live strands";
        }
    }
}

}  // namespace
