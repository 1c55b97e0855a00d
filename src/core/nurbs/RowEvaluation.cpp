// The row evaluation of a NurbsSurface: the point and unit normal of every sample of one grid row, from
// the control net and the basis tables, into the vertex ring. Single precision in a fixed order of
// operations, so that results are reproducible bit for bit; the loops are arranged to vectorise.
//
// Per sample j of row i, with Nu, dNu the row's u basis values and derivatives and Nv, dNv the sample's:
//   iso[m]    = sum_l Nu[l] P(l, m),   isoDer[m] = sum_l dNu[l] P(l, m)    (u blend, once per v span)
//   S  = sum_m Nv[m] iso[m],   Su = sum_m Nv[m] isoDer[m],   Sv = sum_m dNv[m] iso[m]   (homogeneous)
//   X  = S.xyz / S.w,          Du = (Su.xyz - Su.w X) / S.w,   Dv = (Sv.xyz - Sv.w X) / S.w
//   n  = Dv x Du, or the limit direction where Du or Dv vanishes (normalDirection); a derivative vanishes
//        when no longer than 1e-6 of the other or than M eps |X| sum|dN|, its rounding residue (Residues)
//   n  = n / |n| (the root in double), or the fallback where n vanishes; turned the way the surface faces
#include "nurbs/RowEvaluation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

struct Vec3 {
    float x, y, z;
};

// a x b
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - b.y * a.z, b.x * a.z - a.x * b.z, a.x * b.y - b.x * a.y};
}

float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A derivative shorter than 1e-6 of the other (compared squared) is rounding noise around a zero.
constexpr float kVanishingRatioSquared = 1e-12f;
constexpr float kResidueMargin = 16.0f;  // in float epsilons: see Residues
constexpr Vec3 kFallbackNormal = {0.0f, 1.0f, 0.0f};
constexpr Vec3 kNoDirection = {0.0f, 0.0f, 0.0f};  // finishNormals gives it the fallback

// The kernels below take an order as a template argument where it is known at compile time (the strand
// tubes are 3 x 4, the sphere and the torus 3 x 3), so that every loop over it unrolls, or kRunTimeOrder
// to use the order passed beside it. The operations and their order are the same either way.
constexpr int kRunTimeOrder = 0;
template <int Order>
int orderOrRunTime(int runTimeOrder) {
    return Order == kRunTimeOrder ? runTimeOrder : Order;
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
    const int orderU = orderOrRunTime<OrderU>(runOrderU), orderV = orderOrRunTime<OrderV>(runOrderV);
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
void blendRows(const float* rows, const float* weights, int runOrder, float* sum) {
    const int order = orderOrRunTime<Order>(runOrder);
    Float4 total = weights[0] * load4(rows);
    for (int m = 1; m < order; ++m) total += weights[m] * load4(rows + 4 * m);
    std::memcpy(sum, &total, sizeof total);
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

// Where a derivative sum_l dN[l] P(l) is zero because its points coincide (a collapsed strand, the
// sphere's pole), rounding still leaves in it a residue of its terms' size, sum_l |dN[l]| |P|, times a
// fraction of a float epsilon (below 0.4 on collapsed tubes and on the poles). The points that a sample
// blends lie within their spread of the sample X, |P| <= |X| + spread, and the spread shows in the other,
// non-vanishing derivative: that part of a first derivative's residue lies well below the relative test's
// 1e-6 of it, and the rest below kResidueMargin epsilons of |X| times the basis terms' size. The true
// derivatives of the tubes and the shapes lie over a thousand times higher. Residues per unit of size:
struct Residues {
    float u, v, uv;  // of Du, Dv, Duv: kResidueMargin eps times the basis terms in u, in v, in both
};

Residues residuesPerUnit(float termsU, float termsV) {
    const float unit = kResidueMargin * FLT_EPSILON;
    return {unit * termsU, unit * termsV, unit * termsU * termsV};
}

// A derivative whose squared length a2 is below 1e-12 of the other's b2, or below its squared rounding
// residue, is noise around a zero. The relative test alone misses the residue of a collapsed tube away
// from the origin, next to the short other derivative around its ring.
bool vanishes(float a2, float b2, float residue2) {
    return a2 <= std::max(kVanishingRatioSquared * b2, residue2);
}

// Dv x Du at a sample X, x2 = |X|^2. Where a whole row (column) of control points collapses to one point,
// Dv (Du) vanishes along it and near it Dv ~ (u - u0)*Duv (Du ~ (v - v0)*Duv), so Duv x Du (Dv x Duv)
// gives the limit direction. Where Duv vanishes too (its residue taken at the points' size, |X| plus the
// other derivative's reach, whose square is at most 2 (|X|^2 + |D|^2)), or both first derivatives do,
// there is no direction and finishNormals gives the fallback. A strand's tube is such a case wherever
// neighbouring strand points coincide (or all do): its ring is the same at every strand point, so there
// Du = sum_l dNu[l] (P(l) + ring) vanishes all around the ring, and so does Duv, its change around the
// ring. Those rows get the fallback (0, 1, 0), the normal of the horizontal plane of the ring that they
// collapse onto.
template <typename MixedDerivative>
Vec3 normalDirection(const Vec3& du, const Vec3& dv, const Residues& perUnit, float x2, MixedDerivative duv) {
    const float du2 = dot(du, du);
    const float dv2 = dot(dv, dv);
    const bool uVanishes = vanishes(du2, dv2, perUnit.u * perUnit.u * x2);
    const bool vVanishes = vanishes(dv2, du2, perUnit.v * perUnit.v * x2);
    if (uVanishes == vVanishes) return uVanishes ? kNoDirection : cross(dv, du);
    const Vec3 mixed = duv();
    const float reach2 = 2.0f * (x2 + (uVanishes ? dv2 : du2));
    if (dot(mixed, mixed) <= perUnit.uv * perUnit.uv * reach2) return kNoDirection;
    return vVanishes ? cross(mixed, du) : cross(dv, mixed);
}

// The point X = S.xyz / S.w of a sample and its derivatives in u and v, from the homogeneous sums.
struct Projection {
    float f;  // 1 / S.w
    Vec3 x, du, dv;
};

Projection project(const float* S, const float* Su, const float* Sv) {
    const float f = 1.0f / S[3];
    const Vec3 x = {S[0] * f, S[1] * f, S[2] * f};
    return {f, x, projectDerivative(Su, x, f), projectDerivative(Sv, x, f)};
}

// Samples of a row evaluated together. Their homogeneous sums are blended sample by sample (the u blend
// changes with the v span); points, normals and unit normals then follow in loops over the chunk that the
// compiler vectorises, one sample per lane, each lane doing what the scalar code would. A chunk holds a
// whole row of the tubes (11 samples) and of the shapes (21).
constexpr int kChunk = 24;
struct SampleChunk {
    float S[kChunk][4], Su[kChunk][4], Sv[kChunk][4];  // the homogeneous point and its u and v derivatives
    float x[kChunk], y[kChunk], z[kChunk];
    float x2[kChunk];                          // |X|^2
    float nx[kChunk], ny[kChunk], nz[kChunk];  // Dv x Du, unit once finishNormals has run
    int limit[kChunk];                         // a derivative vanishes: the normal needs normalDirection
};

// The points and the normal directions Dv x Du of the first `count` samples, marking those where a
// derivative may vanish: the shorter one within the relative test or within the larger of the two
// residues. normalDirection then decides which vanishes, if any.
void pointsAndDirections(SampleChunk& chunk, int count, const Residues& perUnit) {
    const float residue2 = std::max(perUnit.u * perUnit.u, perUnit.v * perUnit.v);
    for (int k = 0; k < count; ++k) {
        const Projection p = project(chunk.S[k], chunk.Su[k], chunk.Sv[k]);
        const Vec3 n = cross(p.dv, p.du);
        const float du2 = dot(p.du, p.du);
        const float dv2 = dot(p.dv, p.dv);
        chunk.x[k] = p.x.x, chunk.y[k] = p.x.y, chunk.z[k] = p.x.z;
        chunk.x2[k] = dot(p.x, p.x);
        chunk.nx[k] = n.x, chunk.ny[k] = n.y, chunk.nz[k] = n.z;
        chunk.limit[k] = vanishes(std::min(du2, dv2), std::max(du2, dv2), residue2 * chunk.x2[k]);
    }
}

// The normal direction of marked sample k through normalDirection, with its mixed derivative blended from
// isoDer, the u blend of its span, and dnv, its v derivatives.
template <int OrderV>
void limitDirection(const float* isoDer, const float* dnv, int orderV, const Residues& perUnit,
                    SampleChunk& chunk, int k) {
    const Projection p = project(chunk.S[k], chunk.Su[k], chunk.Sv[k]);
    const Vec3 n = normalDirection(p.du, p.dv, perUnit, chunk.x2[k], [&] {
        float Suv[4];
        blendRows<OrderV>(isoDer, dnv, orderV, Suv);
        return mixedDerivative(Suv, chunk.Su[k], chunk.Sv[k], p.x, p.du, p.dv, p.f);
    });
    chunk.nx[k] = n.x, chunk.ny[k] = n.y, chunk.nz[k] = n.z;
}

// n / |n| for the first `count` samples, with the root taken in double, and the fallback where n vanishes
// (zero or not finite); then turned the way the surface faces:
//   toward the origin: flipped where n.X > 0;
//   into the tube: with R the ring's horizontal offset from the strand's centre line and Dv the ring's
//   tangent, n.R = (Dv x Du).R = Du.(R x Dv), and R x Dv = (0, -c, 0), c > 0, for a ring turning from +x
//   toward +z, so n points out of the tube exactly where Du.y < 0. Du.y = (Su.y - Su.w X.y) / S.w, S.w > 0,
//   and a tube's weights are 1, so S.w is 1 up to rounding. Where the strand runs horizontally (or stands
//   still), Du.y is 0 up to its rounding residue, residueU |X| (see Residues), whatever its sign: there
//   the flat tube keeps its normal.
template <NormalFacing Facing>
void finishNormalsFacing(SampleChunk& chunk, int count, float residueU) {
    for (int k = 0; k < count; ++k) {
        const float nx = chunk.nx[k], ny = chunk.ny[k], nz = chunk.nz[k];
        const float length2 = nx * nx + ny * ny + nz * nz;
        const bool regular = length2 > 0.0f && length2 <= FLT_MAX;
        const float inverse = static_cast<float>(1.0 / std::sqrt(static_cast<double>(length2)));
        const float ux = regular ? nx * inverse : kFallbackNormal.x;
        const float uy = regular ? ny * inverse : kFallbackNormal.y;
        const float uz = regular ? nz * inverse : kFallbackNormal.z;
        bool flip = false;
        if (Facing == kNormalsTowardOrigin) flip = ux * chunk.x[k] + uy * chunk.y[k] + uz * chunk.z[k] > 0.0f;
        if (Facing == kNormalsIntoTube) {
            const float duy = chunk.Su[k][1] - chunk.Su[k][3] * chunk.y[k];
            flip = (duy < 0.0f) & (duy * duy > residueU * residueU * chunk.x2[k]);
        }
        chunk.nx[k] = flip ? -ux : ux;
        chunk.ny[k] = flip ? -uy : uy;
        chunk.nz[k] = flip ? -uz : uz;
    }
}

void finishNormals(SampleChunk& chunk, int count, NormalFacing facing, float residueU) {
    switch (facing) {
        case kNormalsTowardOrigin:
            return finishNormalsFacing<kNormalsTowardOrigin>(chunk, count, residueU);
        case kNormalsIntoTube:
            return finishNormalsFacing<kNormalsIntoTube>(chunk, count, residueU);
        default:
            return finishNormalsFacing<kNormalsAsEvaluated>(chunk, count, residueU);
    }
}

// The lanes from `count` up to the next multiple of 4 take copies of the last sample, so that the loop
// over the chunk runs in whole vectors instead of two or three samples one by one after them (a single
// sample left over runs alone, for less); the copies' results go unused. Returns the lanes to evaluate.
int padToWholeVectors(SampleChunk& chunk, int count) {
    const int padded = count % 4 >= 2 ? (count + 3) & ~3 : count;
    for (int k = count; k < padded; ++k) {
        std::memcpy(chunk.S[k], chunk.S[count - 1], sizeof chunk.S[k]);
        std::memcpy(chunk.Su[k], chunk.Su[count - 1], sizeof chunk.Su[k]);
        std::memcpy(chunk.Sv[k], chunk.Sv[count - 1], sizeof chunk.Sv[k]);
    }
    return padded;
}

// Row i of the surface's grid into the ring slots of the given parity, kChunk samples at a time.
template <int OrderU, int OrderV>
void evaluateRowOf(NurbsSurface& surface, int i, int parity, float s) {
    const int orderU = orderOrRunTime<OrderU>(surface.orderU),
              orderV = orderOrRunTime<OrderV>(surface.orderV);
    const int r = surface.sampleSpanU[i];
    const float* nu = surface.sampleBasisU + i * orderU;
    const float* dnu = surface.sampleDerivU + i * orderU;
    const Residues perUnit = residuesPerUnit(surface.derivativeTermsU, surface.derivativeTermsV);
    const float* iso = surface.isoPoints;
    const float* isoDer = surface.isoDerivs;
    int cachedSpan = -1;  // the v span that isoPoints and isoDerivs hold; none at the start of a row
    auto blendControlRowsOfSpan = [&](int j) {
        const int q = surface.sampleSpanV[j];
        if (q == cachedSpan) return;
        cachedSpan = q;
        const float* corner =
            surface.controlPoints + ((r - surface.degreeU) * surface.countV + (q - surface.degreeV)) * 4;
        blendControlRows<OrderU, OrderV>(corner, surface.countV * 4, nu, dnu, orderU, orderV,
                                         surface.isoPoints, surface.isoDerivs);
    };
    const float dt = 1.0f / surface.samplesV;
    float t = 0.0f;
    SampleChunk chunk;
    for (int first = 0; first <= surface.samplesV; first += kChunk) {
        const int count = std::min(kChunk, surface.samplesV + 1 - first);
        for (int k = 0; k < count; ++k) {
            const float* nv = surface.sampleBasisV + (first + k) * orderV;
            const float* dnv = surface.sampleDerivV + (first + k) * orderV;
            blendControlRowsOfSpan(first + k);
            blendRows<OrderV>(iso, nv, orderV, chunk.S[k]);
            blendRows<OrderV>(isoDer, nv, orderV, chunk.Su[k]);
            blendRows<OrderV>(iso, dnv, orderV, chunk.Sv[k]);
        }
        pointsAndDirections(chunk, padToWholeVectors(chunk, count), perUnit);
        for (int k = 0; k < count; ++k) {
            if (!chunk.limit[k]) continue;
            blendControlRowsOfSpan(first + k);
            limitDirection<OrderV>(isoDer, surface.sampleDerivV + (first + k) * orderV, orderV, perUnit,
                                   chunk, k);
        }
        finishNormals(chunk, count, surface.normalFacing, perUnit.u);
        for (int k = 0; k < count; ++k) {
            surface.vertexRing[2 * (first + k) + parity] = {chunk.x[k],  chunk.y[k],  chunk.z[k], chunk.nx[k],
                                                            chunk.ny[k], chunk.nz[k], s,          t};
            t += dt;
        }
    }
}

}  // namespace

void NurbsSurface::evaluateRow(int i, int parity, float s) {
    if (orderU == 3 && orderV == 4) return evaluateRowOf<3, 4>(*this, i, parity, s);
    if (orderU == 3 && orderV == 3) return evaluateRowOf<3, 3>(*this, i, parity, s);
    evaluateRowOf<kRunTimeOrder, kRunTimeOrder>(*this, i, parity, s);
}
