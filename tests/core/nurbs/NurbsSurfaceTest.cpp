// A surface's basis tables and normals against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

#include "nurbs/NurbsSurface.h"

const float kLinear[4] = {0, 0, 1, 1};  // the knots of one linear span

// The u direction on the given knots and degree with `samples` intervals; v is linear on 0,0,1,1.
static void setUpU(NurbsSurface& surface, const std::vector<float>& knots, int degree, int samples) {
    const int count = static_cast<int>(knots.size()) - degree - 1;
    const std::vector<float> points(count * 2 * 4, 1.0f);
    surface.setup(degree, 1, count, 2, points.data(), knots.data(), kLinear, samples, 1);
}

// v on 0,0,1,1: 1-t, t. u on 0,0,0,1,1,1 at t = 0.5: (1-t)^2, 2t(1-t), t^2, derivatives -2(1-t), 2-4t, 2t;
// their largest sum of sizes is at the ends. 0.25 lies in span 4 (not the empty span 3), 1 in the last.
// Clamped, values sum to 1, derivatives to 0.
TEST(NurbsSurface, BasisTables) {
    NurbsSurface s;
    setUpU(s, {0, 0, 0, 1, 1, 1}, 2, 2);
    EXPECT_EQ(s.basisCoefV, (std::vector<float>{1, -1, 0, 1}));
    EXPECT_EQ(std::vector<float>(&s.sampleBasisU[3], &s.sampleBasisU[6]), (std::vector<float>{.25, .5, .25}));
    EXPECT_EQ(std::vector<float>(&s.sampleDerivU[3], &s.sampleDerivU[6]), (std::vector<float>{-1, 0, 1}));
    EXPECT_TRUE(s.derivativeTermsU == 4 && s.derivativeTermsV == 2);  // |-2| + |2| at t = 0; |-1| + |1|
    const std::vector<float> circle = {0, 0, 0, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1, 1, 1};
    setUpU(s, {0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 7, 7}, 2, 4);  // the same layout but for the knots
    setUpU(s, circle, 2, 4);
    EXPECT_EQ(s.sampleSpanU, (std::vector<int>{2, 4, 6, 8, 8}));
    const std::vector<float> cubic = {0, 0, 0, 0, 1 / 6.0f, 2 / 6.0f, 0.5f, 4 / 6.0f, 5 / 6.0f, 1, 1, 1, 1};
    for (int degree : {2, 3}) {
        setUpU(s, degree == 2 ? circle : cubic, degree, 20);
        for (int i = 0; i <= 20; ++i) {
            const float *values = &s.sampleBasisU[i * s.orderU], *derivs = &s.sampleDerivU[i * s.orderU];
            EXPECT_NEAR(std::accumulate(values, values + s.orderU, 0.0f), 1.0f, 1e-4f) << degree << " " << i;
            EXPECT_NEAR(std::accumulate(derivs, derivs + s.orderU, 0.0f), 0.0f, 1e-4f) << degree << " " << i;
        }
    }
}

// The normal of a bilinear patch with one weight 2, by hand at u = v = 1/2: the homogeneous corners
// (0,0,0,1), (0,20,0,2) along v, (10,0,0,1) along u and (10,10,5,1) blend to S = (5, 7.5, 1.25, 1.25), X =
// (4, 6, 1); Su = (10, -5, 2.5, -0.5), Sv = (0, 15, 2.5, 0.5); Du = (Su - Su.w X)/S.w = (9.6, -1.6, 2.4), Dv
// = (-1.6, 9.6, 1.6); Dv x Du = 6.4 (4, 3, -14). Then the limit normals of two flat triangles at z = 0, made
// with the corners of their first row (u = 0) or first column (v = 0) pinched into one point: there the
// derivative across that edge vanishes, and Duv x Du (Dv x Duv) must give the side that every other sample
// has, -z.
TEST(NurbsSurface, NormalsOfARationalPatchAndAtPinchedEdges) {
    const float rational[16] = {0, 0, 0, 1, 0, 20, 0, 2, 10, 0, 0, 1, 10, 10, 5, 1};
    NurbsSurface patch;
    patch.setup(1, 1, 2, 2, rational, kLinear, kLinear, 2, 2);
    std::vector<SurfaceVertex> r = patch.evaluateGrid();
    const SurfaceVertex& middle = r[4];  // row 1, sample 1 of 3 x 3
    const double length = std::sqrt(221.0);
    EXPECT_TRUE(middle.x == 4 && middle.y == 6 && middle.z == 1);
    EXPECT_NEAR(middle.nx, 4 / length, 1e-6);  // float rounding of a unit vector
    EXPECT_NEAR(middle.ny, 3 / length, 1e-6);
    EXPECT_NEAR(middle.nz, -14 / length, 1e-6);
    const struct {
        const char* edge;
        float points[16];
    } pinched[] = {
        {"row u = 0 pinched", {0, 0, 0, 1, 0, 0, 0, 1, 10, 0, 0, 1, 10, 10, 0, 1}},
        {"column v = 0 pinched", {0, 0, 0, 1, 0, 10, 0, 1, 0, 0, 0, 1, 10, 10, 0, 1}},
        {"row pinched, weights twisted, at z = 10", {0, 0, 10, 1, 0, 0, 10, 1, 10, 0, 10, 1, 20, 20, 20, 2}},
        {"column pinched, weights twisted, at z = 10",
         {0, 0, 10, 1, 0, 10, 10, 1, 0, 0, 10, 1, 20, 20, 20, 2}}};
    for (const auto& triangle : pinched) {
        patch.setup(1, 1, 2, 2, triangle.points, kLinear, kLinear, 4, 4);
        r = patch.evaluateGrid();
        for (int k = 0; k < 25; ++k)
            EXPECT_TRUE(std::fabs(r[k].nx) < 1e-6 && std::fabs(r[k].ny) < 1e-6 && r[k].nz < -1 + 1e-6)
                << triangle.edge << ", sample " << k << ": " << r[k].nx << " " << r[k].ny << " " << r[k].nz;
    }
}
