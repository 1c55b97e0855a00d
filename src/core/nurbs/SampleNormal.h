// The point and unit normal of one sample of a rational surface, from its homogeneous sums: the
// mathematics alone, in scalar form. sampleNormal at the end is the whole chain for one sample;
// RowEvaluation.cpp blends the sums and runs the same pieces over a whole row at once.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "nurbs/NurbsSurface.h"

struct Vec3 {
    float x, y, z;
};

// a x b
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - b.y * a.z, b.x * a.z - a.x * b.z, a.x * b.y - b.x * a.y};
}

inline float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The sample X = S.xyz / S.w and its first derivatives, from the homogeneous point S = (x w, y w, z w, w)
// and its derivatives Su, Sv. By the quotient rule, with f = 1 / S.w:
//   Du = (Su.xyz - Su.w X) f,   Dv = (Sv.xyz - Sv.w X) f.
struct Projection {
    float f;
    Vec3 x, du, dv;
};

inline Vec3 projectDerivative(const float* h, const Vec3& x, float f) {
    return {(h[0] - h[3] * x.x) * f, (h[1] - h[3] * x.y) * f, (h[2] - h[3] * x.z) * f};
}

inline Projection project(const float* S, const float* Su, const float* Sv) {
    const float f = 1.0f / S[3];
    const Vec3 x = {S[0] * f, S[1] * f, S[2] * f};
    return {f, x, projectDerivative(Su, x, f), projectDerivative(Sv, x, f)};
}

// The mixed derivative Duv: S.xyz = X w differentiated in u, then in v, gives
//   Suv = Duv w + Du Sv.w + Dv Su.w + X Suv.w,   so   Duv = (Suv.xyz - Su.w Dv - Sv.w Du - Suv.w X) f.
inline Vec3 mixedDerivative(const float* Suv, const float* Su, const float* Sv, const Projection& p) {
    return {(Suv[0] - Su[3] * p.dv.x - Sv[3] * p.du.x - Suv[3] * p.x.x) * p.f,
            (Suv[1] - Su[3] * p.dv.y - Sv[3] * p.du.y - Suv[3] * p.x.y) * p.f,
            (Suv[2] - Su[3] * p.dv.z - Sv[3] * p.du.z - Suv[3] * p.x.z) * p.f};
}

// When a derivative vanishes. Where the points that it blends coincide (a collapsed strand, the sphere's
// pole), sum_l dN[l] P(l) is zero, but rounding leaves up to about eps sum_l |dN[l]| |P| in it (under 0.4 of
// that on the tubes and the poles); |P| is |X| up to the points' spread, which the other derivative shows.
// So a derivative vanishes when its length is at most 16 eps |X| sum|dN| (its residue), or 1e-6 of the
// other derivative's. The true derivatives of the tubes and the shapes are over a thousand times longer.
constexpr float kVanishingRatioSquared = 1e-12f;
constexpr float kResidueMargin = 16.0f;  // in float epsilons

// Residues per unit of |X|: of Du, Dv and Duv, whose basis terms sum to termsU, termsV and their product.
struct Residues {
    float u, v, uv;
};

inline Residues residuesPerUnit(float termsU, float termsV) {
    const float unit = kResidueMargin * FLT_EPSILON;
    return {unit * termsU, unit * termsV, unit * termsU * termsV};
}

// |a|^2 = a2 against |b|^2 = b2 and the squared residue.
inline bool vanishes(float a2, float b2, float residue2) {
    return a2 <= std::max(kVanishingRatioSquared * b2, residue2);
}

constexpr Vec3 kNoDirection = {0.0f, 0.0f, 0.0f};  // unitNormal gives it the fallback

// The normal's direction at X, x2 = |X|^2: Dv x Du. Where a row of control points collapses to one point,
// Dv vanishes along it and near it Dv ~ (u - u0) Duv, so the limit direction is Duv x Du; likewise
// Dv x Duv where Du vanishes. None where both vanish, or Duv does too (its residue taken at the points'
// reach, |X| plus the other derivative, squared at most 2 (|X|^2 + |D|^2)): a strand whose points coincide
// has the same ring at each, so Du and Duv vanish all around it.
inline Vec3 normalDirection(const Projection& p, float x2, const Residues& perUnit, const float* Suv,
                            const float* Su, const float* Sv) {
    const float du2 = dot(p.du, p.du);
    const float dv2 = dot(p.dv, p.dv);
    const bool uVanishes = vanishes(du2, dv2, perUnit.u * perUnit.u * x2);
    const bool vVanishes = vanishes(dv2, du2, perUnit.v * perUnit.v * x2);
    if (uVanishes == vVanishes) return uVanishes ? kNoDirection : cross(p.dv, p.du);
    const Vec3 duv = mixedDerivative(Suv, Su, Sv, p);
    const float reach2 = 2.0f * (x2 + (uVanishes ? dv2 : du2));
    if (dot(duv, duv) <= perUnit.uv * perUnit.uv * reach2) return kNoDirection;
    return vVanishes ? cross(duv, p.du) : cross(p.dv, duv);
}

// n / |n|, the root taken in double; where n vanishes (zero or not finite) the fallback (0, 1, 0), the
// normal of the horizontal plane that a collapsed strand's rings lie in.
inline Vec3 unitNormal(const Vec3& n) {
    const float length2 = dot(n, n);
    const bool regular = length2 > 0.0f && length2 <= FLT_MAX;
    const float inverse = static_cast<float>(1.0 / std::sqrt(static_cast<double>(length2)));
    return {regular ? n.x * inverse : 0.0f, regular ? n.y * inverse : 1.0f, regular ? n.z * inverse : 0.0f};
}

// Whether the unit normal n at X must be turned round to face as the surface does:
//   toward the origin: where n.X > 0;
//   into the tube: with R the ring's horizontal offset from the strand and Dv the ring's tangent,
//   n.R = (Dv x Du).R = Du.(R x Dv), and R x Dv = (0, -c, 0), c > 0, for a ring turning from +x toward +z:
//   n points out where Du.y < 0, that is Su.y - Su.w X.y < 0 (S.w > 0). Where the strand runs
//   horizontally that is 0 up to its residue, perUnit.u |X|, of either sign: the flat tube keeps n.
inline bool turnsAway(NormalFacing facing, const Vec3& n, const Vec3& x, float x2, const float* Su,
                      float residueU) {
    if (facing == kNormalsTowardOrigin) return dot(n, x) > 0.0f;
    if (facing != kNormalsIntoTube) return false;
    const float duy = Su[1] - Su[3] * x.y;
    return (duy < 0.0f) & (duy * duy > residueU * residueU * x2);  // no branch: the row loop vectorises
}

inline Vec3 turned(const Vec3& n, bool away) {
    return {away ? -n.x : n.x, away ? -n.y : n.y, away ? -n.z : n.z};
}

// The whole chain for one sample: the point X and its unit normal, turned the way the surface faces.
struct SamplePoint {
    Vec3 x, n;
};

inline SamplePoint sampleNormal(const float* S, const float* Su, const float* Sv, const float* Suv,
                                const Residues& perUnit, NormalFacing facing) {
    const Projection p = project(S, Su, Sv);
    const float x2 = dot(p.x, p.x);
    const Vec3 n = unitNormal(normalDirection(p, x2, perUnit, Suv, Su, Sv));
    return {p.x, turned(n, turnsAway(facing, n, p.x, x2, Su, perUnit.u))};
}
