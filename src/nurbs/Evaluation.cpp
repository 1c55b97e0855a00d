// Evaluation of a NurbsSurface on its sample grid: the power-basis coefficients of the basis functions, the
// per-sample span, value and derivative tables, and the evaluation of one grid row into the vertex ring.
// Everything is single precision, in a fixed order of operations, so results are reproducible bit for bit.
#include "nurbs/Evaluation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

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

// The kernels below take an order as a template argument where it is known at compile time (the strand
// tubes are 3 x 4, the sphere and the torus 3 x 3), so that every loop over it unrolls; 0 stands for the
// run-time order passed beside it. The operations and their order are the same either way.
template <int Fixed>
int orderOf(int order) {
    return Fixed ? Fixed : order;
}

// A homogeneous point (x*w, y*w, z*w, w) in one register. Each lane of an operation on it does what the
// scalar operation would on that component, so blends keep their results to the bit.
typedef float Float4 __attribute__((vector_size(16)));

Float4 load4(const float* p) {
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// iso[m] = sum over l of nu[l]*P(l, m), isoDer[m] the same with dnu, all four components, where P(l, m) is
// the control point l rows (rowStride floats each) and m points past `corner`.
template <int OrderU, int OrderV>
void blendControlRows(const float* corner, int rowStride, const float* nu, const float* dnu, int runOrderU,
                      int runOrderV, float* iso, float* isoDer) {
    const int orderU = orderOf<OrderU>(runOrderU), orderV = orderOf<OrderV>(runOrderV);
    for (int m = 0; m < orderV; ++m) {
        const Float4 p = load4(corner + 4 * m);
        Float4 a = nu[0] * p;
        Float4 b = dnu[0] * p;
        for (int l = 1; l < orderU; ++l) {
            const Float4 q = load4(corner + 4 * m + l * rowStride);
            a += nu[l] * q;
            b += dnu[l] * q;
        }
        std::memcpy(iso + 4 * m, &a, sizeof a);
        std::memcpy(isoDer + 4 * m, &b, sizeof b);
    }
}

// sum over m of weights[m]*rows[m], four components, summed in order of m.
template <int Order>
Float4 blendRows(const float* rows, const float* weights, int runOrder) {
    const int order = orderOf<Order>(runOrder);
    Float4 sum = weights[0] * load4(rows);
    for (int m = 1; m < order; ++m) sum += weights[m] * load4(rows + 4 * m);
    return sum;
}

// Cartesian derivative of X = S.xyz / S.w from the homogeneous one H: (H.xyz - H.w*X) / S.w, with f = 1/S.w.
Vec3 projectDerivative(const Float4& h, const Vec3& x, float f) {
    return {(h[0] - h[3] * x.x) * f, (h[1] - h[3] * x.y) * f, (h[2] - h[3] * x.z) * f};
}

// Second derivative d2X/dudv of X = S.xyz / S.w: differentiating S.xyz = X*w in u and then in v gives
// Suv = Duv*w + Du*Sv.w + Dv*Su.w + X*Suv.w, solved here for Duv (f = 1/w).
Vec3 mixedDerivative(const Float4& Suv, const Float4& Su, const Float4& Sv, const Vec3& x, const Vec3& du,
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

// Samples of a row evaluated together: their points and the directions of their normals, one array per
// component, so that the normals are made unit in one loop that the compiler vectorises.
constexpr int kChunk = 16;
struct SampleChunk {
    float x[kChunk], y[kChunk], z[kChunk];
    float nx[kChunk], ny[kChunk], nz[kChunk];
};

// One sample of a row: the u-blended rows iso/isoDer of its v span and the sample's v values nv and
// derivatives dnv give the point and the direction of the normal, not yet of unit length, into slot k.
template <int OrderV>
void pointAndDirection(const float* iso, const float* isoDer, const float* nv, const float* dnv, int orderV,
                       SampleChunk& chunk, int k) {
    const Float4 S = blendRows<OrderV>(iso, nv, orderV);
    const Float4 Su = blendRows<OrderV>(isoDer, nv, orderV);
    const Float4 Sv = blendRows<OrderV>(iso, dnv, orderV);
    const float f = 1.0f / S[3];
    const Vec3 x = {S[0] * f, S[1] * f, S[2] * f};
    const Vec3 du = projectDerivative(Su, x, f);
    const Vec3 dv = projectDerivative(Sv, x, f);
    const Vec3 n = normalDirection(du, dv, [&] {
        return mixedDerivative(blendRows<OrderV>(isoDer, dnv, orderV), Su, Sv, x, du, dv, f);
    });
    chunk.x[k] = x.x, chunk.y[k] = x.y, chunk.z[k] = x.z;
    chunk.nx[k] = n.x, chunk.ny[k] = n.y, chunk.nz[k] = n.z;
}

// n / |n| for the first `count` samples, with the root taken in double, and the fallback where n vanishes
// (zero or not finite); then turned toward the origin where asked. The loop vectorises.
void finishNormals(SampleChunk& chunk, int count, bool towardOrigin) {
    for (int k = 0; k < count; ++k) {
        const float nx = chunk.nx[k], ny = chunk.ny[k], nz = chunk.nz[k];
        const float length2 = nx * nx + ny * ny + nz * nz;
        const bool regular = length2 > 0.0f && length2 <= FLT_MAX;
        const float inverse = static_cast<float>(1.0 / std::sqrt(static_cast<double>(length2)));
        const float ux = regular ? nx * inverse : kFallbackNormal.x;
        const float uy = regular ? ny * inverse : kFallbackNormal.y;
        const float uz = regular ? nz * inverse : kFallbackNormal.z;
        const bool flip = towardOrigin && ux * chunk.x[k] + uy * chunk.y[k] + uz * chunk.z[k] > 0.0f;
        chunk.nx[k] = flip ? -ux : ux;
        chunk.ny[k] = flip ? -uy : uy;
        chunk.nz[k] = flip ? -uz : uz;
    }
}

// Row i of the surface's grid into the ring slots of the given parity, kChunk samples at a time.
template <int OrderU, int OrderV>
void evaluateRowOf(NurbsSurface& surface, int i, int parity, float s) {
    const int orderU = orderOf<OrderU>(surface.orderU), orderV = orderOf<OrderV>(surface.orderV);
    const int r = surface.sampleSpanU[i];
    const float* nu = surface.sampleBasisU + i * orderU;
    const float* dnu = surface.sampleDerivU + i * orderU;
    const float dt = 1.0f / surface.samplesV;
    int cachedSpan = -1;  // the v span that isoPoints and isoDerivs hold; none at the start of a row
    float t = 0.0f;
    SampleChunk chunk;
    for (int first = 0; first <= surface.samplesV; first += kChunk) {
        const int count = std::min(kChunk, surface.samplesV + 1 - first);
        for (int k = 0; k < count; ++k) {
            const int j = first + k;
            const int q = surface.sampleSpanV[j];
            if (q != cachedSpan) {
                cachedSpan = q;
                const float* corner = surface.controlPoints +
                                      ((r - surface.degreeU) * surface.countV + (q - surface.degreeV)) * 4;
                blendControlRows<OrderU, OrderV>(corner, surface.countV * 4, nu, dnu, orderU, orderV,
                                                 surface.isoPoints, surface.isoDerivs);
            }
            pointAndDirection<OrderV>(surface.isoPoints, surface.isoDerivs, surface.sampleBasisV + j * orderV,
                                      surface.sampleDerivV + j * orderV, orderV, chunk, k);
        }
        finishNormals(chunk, count, surface.normalsTowardOrigin);
        for (int k = 0; k < count; ++k) {
            surface.vertexRing[2 * (first + k) + parity] = {chunk.x[k],  chunk.y[k],  chunk.z[k], chunk.nx[k],
                                                            chunk.ny[k], chunk.nz[k], s,          t};
            t += dt;
        }
    }
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
    if (orderU == 3 && orderV == 4) return evaluateRowOf<3, 4>(*this, i, parity, s);
    if (orderU == 3 && orderV == 3) return evaluateRowOf<3, 3>(*this, i, parity, s);
    evaluateRowOf<0, 0>(*this, i, parity, s);
}
