// The basis coefficient blocks and the per-sample tables against hand-worked B-spline values.
#include <gtest/gtest.h>

#include <vector>

#include "nurbs/Evaluation.h"

namespace {

const float kSphereKnots[12] = {0, 0, 0, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1, 1, 1};
const float kLinearKnots[4] = {0, 0, 1, 1};

// A surface whose u direction has the given degree, knots and sampling; v is linear on 0,0,1,1 with one
// interval. Only the tables matter here, so every control point is the origin with weight 1.
void setUpTables(NurbsSurface& surface, int degreeU, int countU, const float* knotsU, int samplesU) {
    std::vector<float> points(countU * 2 * 4, 0.0f);
    for (int k = 3; k < static_cast<int>(points.size()); k += 4) points[k] = 1.0f;
    surface.setup(degreeU, 1, countU, 2, points.data(), knotsU, kLinearKnots, samplesU, 1);
}

void expectFloats(const float* actual, const std::vector<float>& expected) {
    for (size_t k = 0; k < expected.size(); ++k) EXPECT_FLOAT_EQ(actual[k], expected[k]) << "at " << k;
}

}  // namespace

TEST(Basis, LinearAndQuadraticBlocksAreBernsteinPolynomials) {
    NurbsSurface surface;
    const float knots[6] = {0, 0, 0, 1, 1, 1};
    setUpTables(surface, 2, 3, knots, 2);

    expectFloats(surface.basisCoefV, {1, -1, 0, 1});  // 1 - t, t
    expectFloats(surface.basisCoefU, {1, -2, 1, 0, 2, -2, 0, 0, 1});
    // Sample 1 lies at t = 0.5: (1-t)^2, 2t(1-t), t^2 and their derivatives.
    expectFloats(surface.sampleBasisU + 3, {0.25f, 0.5f, 0.25f});
    expectFloats(surface.sampleDerivU + 3, {-1, 0, 1});
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(surface.sampleSpanU[i], 2);
}

TEST(Basis, DegreeZeroGivesOneConstantFunctionPerSpan) {
    NurbsSurface surface;
    const float knots[3] = {0, 1, 2};
    setUpTables(surface, 0, 2, knots, 4);  // samples at 0, 0.5, 1, 1.5, 2

    const int expectedSpans[5] = {0, 0, 1, 1, 1};
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(surface.sampleSpanU[i], expectedSpans[i]);
        EXPECT_EQ(surface.sampleBasisU[i], 1.0f);
        EXPECT_EQ(surface.sampleDerivU[i], 0.0f);
    }
}

TEST(Basis, DoubleKnotsOfTheSphere) {
    NurbsSurface surface;
    setUpTables(surface, 2, 9, kSphereKnots, 4);  // samples exactly at 0, 0.25, 0.5, 0.75, 1

    ASSERT_EQ(surface.spanCountU, 7);
    // A sample on a double knot belongs to the span that begins there, not to the empty one before it;
    // the end of the domain stays in the last span.
    const int expectedSpans[5] = {2, 4, 6, 8, 8};
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(surface.sampleSpanU[i], expectedSpans[i]) << "sample " << i;

    // Span 4 is [0.25, 0.5): functions 2, 3, 4 are 16(0.5-t)^2, 32(t-0.25)(0.5-t), 16(t-0.25)^2 in the
    // absolute parameter t.
    expectFloats(surface.basisCoefU + 2 * 9, {4, -16, 16, -4, 24, -32, 1, -8, 16});
    expectFloats(surface.sampleBasisU + 1 * 3, {1, 0, 0});
    expectFloats(surface.sampleDerivU + 1 * 3, {-8, 8, 0});
    expectFloats(surface.sampleBasisU + 4 * 3, {0, 0, 1});
}

// The coefficients are in the absolute parameter, so near t = 1 large terms cancel (216t^3 - 540t^2 + ...
// on the last span of the tube's cubic): the sums hold to about 1e-4, not to the last float bit.
TEST(Basis, ClampedKnotsSumToOneWithDerivativesSummingToZero) {
    struct Direction {
        std::vector<float> knots;
        int degree;
        int samples;
    };
    const float sixth = 1.0f / 6.0f;
    const std::vector<Direction> directions = {
        {std::vector<float>(kSphereKnots, kSphereKnots + 12), 2, 20},
        {{0, 0, 0, sixth, 2 * sixth, 3 * sixth, 4 * sixth, 5 * sixth, 1, 1, 1}, 2, 10},
        {{0, 0, 0, 0, sixth, 2 * sixth, 3 * sixth, 4 * sixth, 5 * sixth, 1, 1, 1, 1}, 3, 10},
        {{0, 0, 0, 0, 0.1f, 0.7f, 0.7f, 2.5f, 2.5f, 2.5f, 2.5f}, 3, 37},
    };
    for (const Direction& d : directions) {
        const int order = d.degree + 1;
        const int spanCount = static_cast<int>(d.knots.size()) - 2 * d.degree - 1;
        std::vector<float> coef(spanCount * order * order);
        std::vector<int> spans(d.samples + 1);
        std::vector<float> values((d.samples + 1) * order), derivs((d.samples + 1) * order);
        fillBasisCoefficients(d.knots.data(), d.degree, spanCount, coef.data());
        fillSampleTables(d.knots.data(), coef.data(), d.degree, spanCount, d.samples, spans.data(),
                         values.data(), derivs.data());
        for (int i = 0; i <= d.samples; ++i) {
            float sum = 0.0f, derivativeSum = 0.0f;
            for (int j = 0; j < order; ++j) {
                EXPECT_GE(values[i * order + j], -1e-4f);
                sum += values[i * order + j];
                derivativeSum += derivs[i * order + j];
            }
            EXPECT_NEAR(sum, 1.0f, 1e-4f) << "degree " << d.degree << " sample " << i;
            EXPECT_NEAR(derivativeSum, 0.0f, 1e-4f) << "degree " << d.degree << " sample " << i;
            EXPECT_GE(spans[i], d.degree);
            EXPECT_LE(spans[i], d.degree + spanCount - 1);
            if (i > 0) {
                EXPECT_GE(spans[i], spans[i - 1]);
            }
        }
    }
}
