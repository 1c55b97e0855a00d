// The basis tables of a NurbsSurface: the Cox-de Boor recursion on polynomial coefficients, and the
// evaluation of those polynomials by Horner's rule at every sample of the grid. Single precision, in a
// fixed order of operations.
#include "nurbs/BasisTables.h"

#include <algorithm>
#include <cmath>

#include "nurbs/NurbsSurface.h"

namespace {

// left/d1 + right/d2 with a term left out where its two knots coincide (d = 0): the recursion's 0/0 = 0.
float combineTerms(float left, float d1, float right, float d2) {
    if (d1 == 0.0f) return d2 == 0.0f ? 0.0f : right / d2;
    if (d2 == 0.0f) return left / d1;
    return left / d1 + right / d2;
}

// The largest sum over j of |derivs[i*order + j]| over the samples i = 0 .. samples.
float largestDerivativeTerms(const float* derivs, int order, int samples) {
    float largest = 0.0f;
    for (int i = 0; i <= samples; ++i) {
        float sum = 0.0f;
        for (int j = 0; j < order; ++j) sum += std::fabs(derivs[i * order + j]);
        largest = std::max(largest, sum);
    }
    return largest;
}

}  // namespace

float basisCoefficient(const float* knots, int span, int i, int p, int k) {
    if (p == 0) return i == span ? 1.0f : 0.0f;
    const float d1 = knots[i + p] - knots[i];
    const float d2 = knots[i + p + 1] - knots[i + 1];
    const float left = knots[i];
    const float right = knots[i + p + 1];
    // N(i,p) = (t - left)/d1 * N(i,p-1) + (right - t)/d2 * N(i+1,p-1); a factor (t - c) shifts the
    // coefficients one power up and subtracts c times them. Terms with d = 0 are never evaluated.
    auto a = [&](int kk) { return d1 == 0.0f ? 0.0f : basisCoefficient(knots, span, i, p - 1, kk); };
    auto b = [&](int kk) { return d2 == 0.0f ? 0.0f : basisCoefficient(knots, span, i + 1, p - 1, kk); };
    if (k == 0) return combineTerms(-left * a(0), d1, right * b(0), d2);
    if (k == p) return combineTerms(a(p - 1), d1, -b(p - 1), d2);
    if (k > p) return 0.0f;
    return combineTerms(a(k - 1) - left * a(k), d1, -(b(k - 1) - right * b(k)), d2);
}

void fillBasisCoefficients(const float* knots, int degree, int spanCount, float* coef) {
    const int order = degree + 1;
    for (int s = 0; s < spanCount; ++s)
        for (int j = 0; j < order; ++j)
            for (int k = 0; k < order; ++k)
                coef[(s * order + j) * order + k] = basisCoefficient(knots, degree + s, s + j, degree, k);
}

void fillSampleTables(const float* knots, const float* coef, int degree, int spanCount, int samples,
                      int* spans, float* values, float* derivs) {
    const int order = degree + 1;
    const float dt = (knots[degree + spanCount] - knots[degree]) / samples;
    float t = knots[degree];
    int b = 0;  // coefficient block of the current span, span - degree; only moves forward
    for (int i = 0; i <= samples; ++i) {
        // A sample on an inner knot belongs to the span that begins there; the end stays in the last span.
        while (b < spanCount - 1 && t >= knots[b + degree + 1]) ++b;
        spans[i] = b + degree;
        for (int j = 0; j < order; ++j) {
            const float* c = coef + (b * order + j) * order;
            float value = c[degree];
            float derivative = degree * c[degree];
            for (int k = degree - 1; k >= 0; --k) {
                value = t * value + c[k];
                if (k > 0) derivative = t * derivative + k * c[k];
            }
            values[i * order + j] = value;
            derivs[i * order + j] = derivative;
        }
        t += dt;
    }
}

void NurbsSurface::computeBasisCoefficients() {
    fillBasisCoefficients(knotsU.data(), degreeU, spanCountU, basisCoefU.data());
    fillBasisCoefficients(knotsV.data(), degreeV, spanCountV, basisCoefV.data());
}

void NurbsSurface::computeSampleTables() {
    fillSampleTables(knotsU.data(), basisCoefU.data(), degreeU, spanCountU, samplesU, sampleSpanU.data(),
                     sampleBasisU.data(), sampleDerivU.data());
    fillSampleTables(knotsV.data(), basisCoefV.data(), degreeV, spanCountV, samplesV, sampleSpanV.data(),
                     sampleBasisV.data(), sampleDerivV.data());
    derivativeTermsU = largestDerivativeTerms(sampleDerivU.data(), orderU, samplesU);
    derivativeTermsV = largestDerivativeTerms(sampleDerivV.data(), orderV, samplesV);
}
