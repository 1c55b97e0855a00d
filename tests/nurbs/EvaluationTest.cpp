// Row evaluation against exact surfaces: points on the sphere and the torus, radial unit normals, the
// limit normals at the sphere's collapsed poles, the fallback normal and the inward orientation.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "nurbs/Evaluation.h"
#include "support/RevolutionNet.h"

namespace {

const float kLinearKnots[4] = {0, 0, 1, 1};

// Every sample of the grid, row-major, through the row sweep that drawing and tessellation use.
std::vector<SurfaceVertex> evaluateGrid(NurbsSurface& surface) {
    std::vector<SurfaceVertex> grid;
    sweepRows(surface, [&](int, int parity) {
        for (int j = 0; j <= surface.samplesV; ++j) grid.push_back(surface.vertexRing[2 * j + parity]);
    });
    return grid;
}

double length(double x, double y, double z) {
    return std::sqrt(x * x + y * y + z * z);
}

void expectUnitAndFinite(const SurfaceVertex& v) {
    ASSERT_TRUE(std::isfinite(v.nx) && std::isfinite(v.ny) && std::isfinite(v.nz));
    EXPECT_NEAR(length(v.nx, v.ny, v.nz), 1.0, 1e-5);
}

}  // namespace

// The sphere's normal is radial exactly when it is perpendicular to both derivatives. Rows u = 0.25 and
// 0.75 (columns, once transposed) collapse to the poles, where the cross product of the derivatives
// vanishes; there the limit normal must still be unit and along z. 4 intervals put samples exactly on the
// poles, 20 intervals reach them through accumulated parameters.
TEST(Evaluation, SpherePointsNormalsAndPoles) {
    for (bool swapUV : {false, true}) {
        for (int samples : {4, 20}) {
            SCOPED_TRACE(testing::Message() << "transposed " << swapUV << ", samples " << samples);
            NurbsSurface sphere;
            setUpRevolution(sphere, swapUV ? transposed(sphereNet()) : sphereNet(), samples);
            int poleSamples = 0;
            for (const SurfaceVertex& v : evaluateGrid(sphere)) {
                const double r = length(v.x, v.y, v.z);
                EXPECT_NEAR(r, 100.0, 2e-3);
                expectUnitAndFinite(v);
                EXPECT_NEAR(std::fabs((v.x * v.nx + v.y * v.ny + v.z * v.nz) / r), 1.0, 1e-5);
                if (std::hypot(v.x, v.y) < 1e-3) {
                    ++poleSamples;
                    EXPECT_GT(std::fabs(v.nz), 1.0f - 1e-6f);
                }
            }
            EXPECT_EQ(poleSamples, 2 * (samples + 1));
        }
    }
}

TEST(Evaluation, SphereNormalsTowardOriginAllPointInward) {
    NurbsSurface sphere;
    setUpRevolution(sphere, sphereNet(), 20);
    int outward = 0;
    for (const SurfaceVertex& v : evaluateGrid(sphere)) outward += v.x * v.nx + v.y * v.ny + v.z * v.nz > 0;
    EXPECT_GT(outward, 0);  // the profile circle covers the sphere twice, once with each orientation

    sphere.normalsTowardOrigin = true;
    for (const SurfaceVertex& v : evaluateGrid(sphere))
        EXPECT_LT(v.x * v.nx + v.y * v.ny + v.z * v.nz, -99.0f);

    setUpRevolution(sphere, sphereNet(), 20);
    EXPECT_FALSE(sphere.normalsTowardOrigin);
}

// Every torus point lies 50 from the circle C of radius 100 in the x-y plane; its normal points into the
// tube, toward the nearest point of C.
TEST(Evaluation, TorusPointsAndInwardNormals) {
    NurbsSurface torus;
    setUpRevolution(torus, torusNet(), 20);
    for (const SurfaceVertex& v : evaluateGrid(torus)) {
        const double rho = std::hypot(v.x, v.y);
        const double cx = v.x * 100.0 / rho, cy = v.y * 100.0 / rho;
        EXPECT_NEAR(length(v.x - cx, v.y - cy, v.z), 50.0, 2e-3);
        expectUnitAndFinite(v);
        EXPECT_NEAR(((cx - v.x) * v.nx + (cy - v.y) * v.ny - v.z * v.nz) / 50.0, 1.0, 1e-5);
    }
}

// With all weights 1 the surface is the plain B-spline: the bilinear patch X = (10u, 10v, 8uv), whose
// normal along Dv x Du = (0, 10, 8u) x (10, 0, 8v) is (80v, 80u, -100), normalised.
TEST(Evaluation, BilinearPatchWithUnitWeights) {
    const float points[16] = {0, 0, 0, 1, 0, 10, 0, 1, 10, 0, 0, 1, 10, 10, 8, 1};
    NurbsSurface patch;
    patch.setup(1, 1, 2, 2, points, kLinearKnots, kLinearKnots, 2, 2);
    const std::vector<SurfaceVertex> grid = evaluateGrid(patch);
    ASSERT_EQ(grid.size(), 9u);
    for (int i = 0; i <= 2; ++i) {
        for (int j = 0; j <= 2; ++j) {
            const SurfaceVertex& v = grid[i * 3 + j];
            const double u = i / 2.0, w = j / 2.0;
            EXPECT_FLOAT_EQ(v.x, 10 * u);
            EXPECT_FLOAT_EQ(v.y, 10 * w);
            EXPECT_FLOAT_EQ(v.z, 8 * u * w);
            const double n = length(80 * w, 80 * u, -100);
            EXPECT_NEAR(v.nx, 80 * w / n, 1e-6);
            EXPECT_NEAR(v.ny, 80 * u / n, 1e-6);
            EXPECT_NEAR(v.nz, -100 / n, 1e-6);
            EXPECT_FLOAT_EQ(v.s, u);
            EXPECT_FLOAT_EQ(v.t, w);
        }
    }
}

// A net collapsed to one point has no tangent at all: the fixed normal (0, 1, 0), flipped toward the
// origin on request.
TEST(Evaluation, CollapsedSurfaceGetsTheFallbackNormal) {
    const float points[16] = {1, 2, 3, 1, 1, 2, 3, 1, 1, 2, 3, 1, 1, 2, 3, 1};
    NurbsSurface point;
    point.setup(1, 1, 2, 2, points, kLinearKnots, kLinearKnots, 3, 3);
    for (bool towardOrigin : {false, true}) {
        point.normalsTowardOrigin = towardOrigin;
        for (const SurfaceVertex& v : evaluateGrid(point)) {
            EXPECT_EQ(v.x, 1.0f);
            EXPECT_EQ(v.y, 2.0f);
            EXPECT_EQ(v.z, 3.0f);
            EXPECT_EQ(v.nx, 0.0f);
            EXPECT_EQ(v.ny, towardOrigin ? -1.0f : 1.0f);
            EXPECT_EQ(v.nz, 0.0f);
        }
    }
}
