// Raw kernels of the surface evaluation over plain arrays (the basis coefficients and the sample tables of
// one parameter direction), which the surface's tables, the tests and the benchmarks call directly, and the
// row sweep that drawing and tessellation share.
#pragma once

#include "nurbs/NurbsSurface.h"

// Coefficient of t^k (t the absolute parameter) of B-spline basis function i of degree p on knot span
// `span` over `knots`: the Cox-de Boor recursion carried out on polynomial coefficients. Reads only knots.
float basisCoefficient(const float* knots, int span, int i, int p, int k);

// The spanCount coefficient blocks of one direction, for the spans degree .. degree+spanCount-1:
// coef[(s*order + j)*order + k] = coefficient of t^k of function s+j on span degree+s.
void fillBasisCoefficients(const float* knots, int degree, int spanCount, float* coef);

// The sample tables of one direction at samples+1 parameters evenly spaced from knots[degree] to
// knots[degree+spanCount]: spans[i] is the span of sample i, values[i*order + j] and derivs[i*order + j]
// the value and derivative there of function spans[i]-degree+j.
void fillSampleTables(const float* knots, const float* coef, int degree, int spanCount, int samples,
                      int* spans, float* values, float* derivs);

// Evaluates rows 0 .. samplesU in order with parity 0, 1, 0, ... and s accumulated by 1/samplesU, and calls
// visit(i, parity) as soon as row i lies in the ring slots of its parity (row i-1 still in the others).
template <typename Visit>
void sweepRows(NurbsSurface& surface, Visit visit) {
    const float ds = 1.0f / surface.samplesU;
    float s = 0.0f;
    int parity = 0;
    for (int i = 0; i <= surface.samplesU; ++i) {
        surface.evaluateRow(i, parity, s);
        s += ds;
        visit(i, parity);
        parity = 1 - parity;
    }
}
