// The reference forms of the dynamics step, the tube net and the row evaluation: straightforward loops in
// the order of operations that the program must keep, with nothing cached and no specialised orders.
#include "support/ReferenceModel.h"

#include <cfloat>
#include <cmath>

#include "app/Settings.h"

namespace {

// ---- Dynamics ------------------------------------------------------------------------------------------

void computeReferenceForces(ReferenceHair& hair, float springConstant) {
    for (HairPoint& point : hair.points) {
        point.force[0] = point.force[1] = point.force[2] = 0.0f;
        if (point.pinned) continue;
        for (int c = 0; c < 3; ++c) point.force[c] += hair.wind;
        point.force[2] = static_cast<float>(point.force[2] - static_cast<double>(hair.gravity) * point.mass);
    }
    for (const HairSpring& spring : hair.springs) {
        HairPoint& a = hair.points[spring.inner];
        HairPoint& b = hair.points[spring.outer];
        for (int c = 0; c < 3; ++c)
            if (a.position[c] == b.position[c]) b.position[c] += 0.001f;
        double d[3];
        for (int c = 0; c < 3; ++c) d[c] = static_cast<double>(a.position[c]) - b.position[c];
        double q = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        if (q == 0.0) q = 0.01;
        const double length = std::sqrt(q);
        float f[3];
        for (int c = 0; c < 3; ++c) {
            const double k = springConstant, damp = hair.damping;
            const double relativeVelocity = static_cast<double>(a.velocity[c]) - b.velocity[c];
            f[c] = static_cast<float>(-(k * (length - spring.restLength) * spring.stiffness +
                                        relativeVelocity * damp * d[c] / length) *
                                      d[c] / length);
        }
        for (int c = 0; c < 3; ++c) {
            if (!a.pinned) a.force[c] += f[c];
            if (!b.pinned) b.force[c] -= f[c];
        }
    }
}

void computeReferenceDerivatives(const ReferenceHair& hair, float* derivatives) {
    for (size_t i = 0; i < hair.points.size(); ++i) {
        const HairPoint& point = hair.points[i];
        const bool immovable = point.mass == 0.0f;
        for (int c = 0; c < 3; ++c) {
            derivatives[6 * i + c] = immovable ? 0.0f : point.velocity[c];
            derivatives[6 * i + 3 + c] = immovable ? 0.0f : point.force[c] / point.mass;
        }
    }
}

// position = from + dt * derivative, velocity likewise; dt * derivative is exact in double.
void advanceReference(ReferenceHair& hair, const HairPoint* from, const float* derivatives, double dt) {
    for (size_t i = 0; i < hair.points.size(); ++i) {
        for (int c = 0; c < 3; ++c) {
            hair.points[i].position[c] =
                static_cast<float>(from[i].position[c] + dt * derivatives[6 * i + c]);
            hair.points[i].velocity[c] =
                static_cast<float>(from[i].velocity[c] + dt * derivatives[6 * i + 3 + c]);
        }
    }
}

void referenceDynamicsStep(ReferenceHair& hair) {
    const size_t count = hair.points.size();
    float* derivatives = new float[count * 6];
    HairPoint* saved = new HairPoint[count];
    computeReferenceForces(hair, 0.1f);
    computeReferenceDerivatives(hair, derivatives);
    for (size_t i = 0; i < count; ++i) saved[i] = hair.points[i];
    advanceReference(hair, saved, derivatives, 0.1f / 2.0);
    computeReferenceForces(hair, 0.1f);
    computeReferenceDerivatives(hair, derivatives);
    advanceReference(hair, saved, derivatives, 0.1f);
    delete[] saved;
    delete[] derivatives;
}

// ---- Row evaluation ------------------------------------------------------------------------------------

struct Vec3 {
    float x, y, z;
};

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - b.y * a.z, b.x * a.z - a.x * b.z, a.x * b.y - b.x * a.y};
}

float dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// sum over m of weights[m] * rows[m], four components, in order of m.
void blend(const float* rows, const float* weights, int order, float* sum) {
    for (int c = 0; c < 4; ++c) sum[c] = weights[0] * rows[c];
    for (int m = 1; m < order; ++m)
        for (int c = 0; c < 4; ++c) sum[c] += weights[m] * rows[4 * m + c];
}

Vec3 project(const float* h, const Vec3& x, float f) {
    return {(h[0] - h[3] * x.x) * f, (h[1] - h[3] * x.y) * f, (h[2] - h[3] * x.z) * f};
}

// The unit normal from Dv x Du, with the limit directions where one derivative vanishes against the
// other (ratio of squares 1e-12) and (0, 1, 0) where the cross product is zero or not finite.
Vec3 unitNormal(const Vec3& du, const Vec3& dv, const float* isoDer, const float* dnv, int orderV,
                const float* Su, const float* Sv, const Vec3& x, float f) {
    auto mixed = [&] {
        float Suv[4];
        blend(isoDer, dnv, orderV, Suv);
        return Vec3{(Suv[0] - Su[3] * dv.x - Sv[3] * du.x - Suv[3] * x.x) * f,
                    (Suv[1] - Su[3] * dv.y - Sv[3] * du.y - Suv[3] * x.y) * f,
                    (Suv[2] - Su[3] * dv.z - Sv[3] * du.z - Suv[3] * x.z) * f};
    };
    const float du2 = dot(du, du);
    const float dv2 = dot(dv, dv);
    Vec3 n;
    if (dv2 <= 1e-12f * du2)
        n = cross(mixed(), du);
    else if (du2 <= 1e-12f * dv2)
        n = cross(dv, mixed());
    else
        n = cross(dv, du);
    const float length2 = n.x * n.x + n.y * n.y + n.z * n.z;
    if (!(length2 > 0.0f && length2 <= FLT_MAX)) return {0.0f, 1.0f, 0.0f};
    const float inverse = static_cast<float>(1.0 / std::sqrt(static_cast<double>(length2)));
    return {n.x * inverse, n.y * inverse, n.z * inverse};
}

void referenceRow(const NurbsSurface& surface, int i, int parity, float s, SurfaceVertex* ring) {
    const int orderU = surface.orderU, orderV = surface.orderV;
    const int r = surface.sampleSpanU[i];
    const float* nu = surface.sampleBasisU + i * orderU;
    const float* dnu = surface.sampleDerivU + i * orderU;
    std::vector<float> iso(orderV * 4), isoDer(orderV * 4);
    const float dt = 1.0f / surface.samplesV;
    int cachedSpan = -1;
    float t = 0.0f;
    for (int j = 0; j <= surface.samplesV; ++j) {
        const int q = surface.sampleSpanV[j];
        if (q != cachedSpan) {
            cachedSpan = q;
            for (int m = 0; m < orderV; ++m) {
                for (int c = 0; c < 4; ++c) {
                    auto point = [&](int l) {
                        const int row = r - surface.degreeU + l, column = q - surface.degreeV + m;
                        return surface.controlPoints[(row * surface.countV + column) * 4 + c];
                    };
                    iso[4 * m + c] = nu[0] * point(0);
                    isoDer[4 * m + c] = dnu[0] * point(0);
                    for (int l = 1; l < orderU; ++l) {
                        iso[4 * m + c] += nu[l] * point(l);
                        isoDer[4 * m + c] += dnu[l] * point(l);
                    }
                }
            }
        }
        const float* nv = surface.sampleBasisV + j * orderV;
        const float* dnv = surface.sampleDerivV + j * orderV;
        float S[4], Su[4], Sv[4];
        blend(iso.data(), nv, orderV, S);
        blend(isoDer.data(), nv, orderV, Su);
        blend(iso.data(), dnv, orderV, Sv);
        const float f = 1.0f / S[3];
        const Vec3 x = {S[0] * f, S[1] * f, S[2] * f};
        const Vec3 du = project(Su, x, f);
        const Vec3 dv = project(Sv, x, f);
        Vec3 n = unitNormal(du, dv, isoDer.data(), dnv, orderV, Su, Sv, x, f);
        if (surface.normalsTowardOrigin && dot(n, x) > 0.0f) n = {-n.x, -n.y, -n.z};
        ring[2 * j + parity] = {x.x, x.y, x.z, n.x, n.y, n.z, s, t};
        t += dt;
    }
}

}  // namespace

ReferenceHair captureLiveHair() {
    ReferenceHair hair;
    hair.points.assign(hairPoints, hairPoints + livePointCount());
    hair.springs.assign(hairSprings, hairSprings + liveSpringCount());
    hair.wind = wind;
    hair.gravity = gravity;
    hair.damping = damping;
    hair.thickness = thickness;
    return hair;
}

void referenceStepFrame(ReferenceHair& hair) {
    hair.wind = -hair.wind;
    hair.gravity = -hair.gravity;
    for (int step = 0; step < 10; ++step) referenceDynamicsStep(hair);
}

std::vector<float> referenceTubeNet(const ReferenceHair& hair, int s) {
    const float c = 0.707107f, t = hair.thickness;
    const float xz[9][2] = {{1, 0}, {c, c}, {0, 1}, {-c, c}, {-1, 0}, {-c, -c}, {0, -1}, {c, -c}, {1, 0}};
    std::vector<float> net;
    for (int k = 0; k < 8; ++k) {
        const float* p = hair.points[8 * s + k].position;
        for (int j = 0; j < 9; ++j)
            net.insert(net.end(), {p[0] + xz[j][0] * t, p[1] + 0.0f, p[2] + xz[j][1] * t, 1.0f});
    }
    return net;
}

void setUpReferenceTube(NurbsSurface& tube, const ReferenceHair& hair, int s) {
    const float u[11] = {0, 0, 0, 1.0f / 6, 2.0f / 6, 3.0f / 6, 4.0f / 6, 5.0f / 6, 1, 1, 1};
    const float v[13] = {0, 0, 0, 0, 1.0f / 6, 2.0f / 6, 3.0f / 6, 4.0f / 6, 5.0f / 6, 1, 1, 1, 1};
    tube.setup(2, 3, 8, 9, referenceTubeNet(hair, s).data(), u, v, 10, 10);
}

std::vector<SurfaceVertex> referenceGrid(const NurbsSurface& surface) {
    std::vector<SurfaceVertex> grid, ring(2 * (surface.samplesV + 1));
    const float ds = 1.0f / surface.samplesU;
    float s = 0.0f;
    for (int i = 0; i <= surface.samplesU; ++i) {
        referenceRow(surface, i, i % 2, s, ring.data());
        s += ds;
        for (int j = 0; j <= surface.samplesV; ++j) grid.push_back(ring[2 * j + i % 2]);
    }
    return grid;
}
