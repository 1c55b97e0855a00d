// The basis tables of a NurbsSurface, as raw kernels over the plain arrays of one parameter direction that
// the surface's setup, the tests and the benchmarks call directly: power-basis coefficients of every basis
// function on every span, and the span, value and derivative of the non-zero functions at every sample.
#pragma once

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
