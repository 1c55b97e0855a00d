// Evaluation of a NurbsSurface on its sample grid: the power-basis coefficients of the basis functions, the
// per-sample span, value and derivative tables, and the evaluation of one grid row into the vertex ring.
// Everything is single precision, in a fixed order of operations, so results are reproducible bit for bit.
#include "nurbs/Evaluation.h"

#include <cfloat>
#include <cmath>

namespace {

// left/d1 + right/d2 with a term left out where its two knots coincide (d = 0): the recursion's 0/0 = 0.
float combineTerms(float left, float d1, float right, float d2) {
    if (d1 == 0.0f) return d2 == 0.0f ? 0.0f : right / d2;
    if (d2 == 0.0f) return left / d1;
    return left / d1 + right / d2;
}

struct Vec3 {
    float x, y, z;
};

// a x b
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - b.y * a.z, b.x * a.z - a.x * b.z, a.x * b.y - b.x * a.y};
}

float dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// A derivative shorter than 1e-6 of the other (compared squared) is rounding noise around a zero.
constexpr float kVanishingRatioSquared = 1e-12f;
constexpr Vec3 kFallbackNormal = {0.0f, 1.0f, 0.0f};

// iso[m] = sum over l of nu[l]*P(l, m), isoDer[m] the same with dnu, all four components, where P(l, m) is
// the control point l rows (rowStride floats each) and m points past `corner`.
void blendControlRows(const float* __restrict corner, int rowStride, const float* __restrict nu,
                      const float* __restrict dnu, int orderU, int orderV, float* __restrict iso,
                      float* __restrict isoDer) {
    for (int m = 0; m < orderV; ++m) {
        const float* p = corner + 4 * m;
        float* a = iso + 4 * m;
        float* b = isoDer + 4 * m;
        for (int c = 0; c < 4; ++c) {
            a[c] = nu[0] * p[c];
            b[c] = dnu[0] * p[c];
        }
        for (int l = 1; l < orderU; ++l) {
            const float* q = p + l * rowStride;
            for (int c = 0; c < 4; ++c) {
                a[c] += nu[l] * q[c];
                b[c] += dnu[l] * q[c];
            }
        }
    }
}

// sum over m of weights[m]*rows[m], four components, summed in order of m.
void blendRows(const float* __restrict rows, const float* __restrict weights, int order,
               float* __restrict sum) {
    for (int c = 0; c < 4; ++c) sum[c] = weights[0] * rows[c];
    for (int m = 1; m < order; ++m)
        for (int c = 0; c < 4; ++c) sum[c] += weights[m] * rows[4 * m + c];
}

// Cartesian derivative of X = S.xyz / S.w from the homogeneous one H: (H.xyz - H.w*X) / S.w, with f = 1/S.w.
Vec3 projectDerivative(const float* h, const Vec3& x, float f) {
    return {(h[0] - h[3] * x.x) * f, (h[1] - h[3] * x.y) * f, (h[2] - h[3] * x.z) * f};
}

// Second derivative d2X/dudv of X = S.xyz / S.w: differentiating S.xyz = X*w in u and then in v gives
// Suv = Duv*w + Du*Sv.w + Dv*Su.w + X*Suv.w, solved here for Duv (f = 1/w).
Vec3 mixedDerivative(const float* Suv, const float* Su, const float* Sv, const Vec3& x, const Vec3& du,
                     const Vec3& dv, float f) {
    return {(Suv[0] - Su[3] * dv.x - Sv[3] * du.x - Suv[3] * x.x) * f,
            (Suv[1] - Su[3] * dv.y - Sv[3] * du.y - Suv[3] * x.y) * f,
            (Suv[2] - Su[3] * dv.z - Sv[3] * du.z - Suv[3] * x.z) * f};
}

// Dv x Du. Where a whole row (column) of control points collapses to one point, Dv (Du) vanishes along it
// and near it Dv ~ (u - u0)*Duv (Du ~ (v - v0)*Duv), so Duv x Du (Dv x Duv) gives the limit direction.
template <typename MixedDerivative>
Vec3 normalDirection(const Vec3& du, const Vec3& dv, MixedDerivative duv) {
    const float du2 = dot(du, du);
    const float dv2 = dot(dv, dv);
    if (dv2 <= kVanishingRatioSquared * du2) return cross(duv(), du);
    if (du2 <= kVanishingRatioSquared * dv2) return cross(dv, duv());
    return cross(dv, du);
}

// n / |n| with the root taken in double; the fallback where n vanishes.
Vec3 normalized(const Vec3& n) {
    const float length2 = n.x * n.x + n.y * n.y + n.z * n.z;
    if (!(length2 > 0.0f && length2 <= FLT_MAX)) return kFallbackNormal;
    const float inverse = static_cast<float>(1.0 / std::sqrt(static_cast<double>(length2)));
    return {n.x * inverse, n.y * inverse, n.z * inverse};
}

// One sample of a row: the u-blended rows iso/isoDer of its v span and the sample's v values nv and
// derivatives dnv give the point and the unit normal; s and t are its grid coordinates.
SurfaceVertex evaluateSample(const float* iso, const float* isoDer, const float* nv, const float* dnv,
                             int orderV, bool towardOrigin, float s, float t) {
    float S[4], Su[4], Sv[4];
    blendRows(iso, nv, orderV, S);
    blendRows(isoDer, nv, orderV, Su);
    blendRows(iso, dnv, orderV, Sv);
    const float f = 1.0f / S[3];
    const Vec3 x = {S[0] * f, S[1] * f, S[2] * f};
    const Vec3 du = projectDerivative(Su, x, f);
    const Vec3 dv = projectDerivative(Sv, x, f);
    Vec3 n = normalized(normalDirection(du, dv, [&] {
        float Suv[4];
        blendRows(isoDer, dnv, orderV, Suv);
        return mixedDerivative(Suv, Su, Sv, x, du, dv, f);
    }));
    if (towardOrigin && dot(n, x) > 0.0f) n = {-n.x, -n.y, -n.z};
    return {x.x, x.y, x.z, n.x, n.y, n.z, s, t};
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
    fillBasisCoefficients(knotsU, degreeU, spanCountU, basisCoefU);
    fillBasisCoefficients(knotsV, degreeV, spanCountV, basisCoefV);
}

void NurbsSurface::computeSampleTables() {
    fillSampleTables(knotsU, basisCoefU, degreeU, spanCountU, samplesU, sampleSpanU, sampleBasisU,
                     sampleDerivU);
    fillSampleTables(knotsV, basisCoefV, degreeV, spanCountV, samplesV, sampleSpanV, sampleBasisV,
                     sampleDerivV);
}

void NurbsSurface::evaluateRow(int i, int parity, float s) {
    const int r = sampleSpanU[i];
    const float* nu = sampleBasisU + i * orderU;
    const float* dnu = sampleDerivU + i * orderU;
    const float dt = 1.0f / samplesV;
    int cachedSpan = -1;  // the v span that isoPoints and isoDerivs hold; none at the start of a row
    float t = 0.0f;
    for (int j = 0; j <= samplesV; ++j) {
        const int q = sampleSpanV[j];
        if (q != cachedSpan) {
            cachedSpan = q;
            const float* corner = controlPoints + ((r - degreeU) * countV + (q - degreeV)) * 4;
            blendControlRows(corner, countV * 4, nu, dnu, orderU, orderV, isoPoints, isoDerivs);
        }
        vertexRing[2 * j + parity] =
            evaluateSample(isoPoints, isoDerivs, sampleBasisV + j * orderV, sampleDerivV + j * orderV, orderV,
                           normalsTowardOrigin, s, t);
        t += dt;
    }
}
