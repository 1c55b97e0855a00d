// One animation frame of the hair: ten explicit midpoint steps of the mass-spring system under wind,
// gravity and damped springs, then the rebuild of the tubes.
#include "anim/Dynamics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/HairModel.h"

float* pointDerivatives = nullptr;

void applyExternalForces(HairPoint* points, int count, float wind, float gravity) {
    for (int i = 0; i < count; ++i) {
        HairPoint& point = points[i];
        point.force[0] = point.force[1] = point.force[2] = 0.0f;
        if (point.pinned) continue;
        for (int c = 0; c < 3; ++c) point.force[c] += wind;
        point.force[2] = static_cast<float>(point.force[2] - static_cast<double>(gravity) * point.mass);
    }
}

namespace {

// Scratch that lives from one step to the next: it only grows, so a frame allocates nothing once the
// largest hair has been stepped. Single-threaded, like the whole dynamics.
template <typename T>
T* growOnly(std::vector<T>& buffer, size_t count) {
    if (buffer.size() < count) buffer.resize(count);
    return buffer.data();
}

// What the force of spring s needs, one array per quantity so that the force pass runs over plain arrays:
// d[c][s] = inner - outer and v[c][s] = vInner - vOuter on axis c, in double; f[c][s], the force on the
// inner end.
struct SpringTerms {
    double* d[3];
    double* v[3];
    float* f[3];
};

SpringTerms springTerms(int springCount) {
    static std::vector<double> doubles;
    static std::vector<float> floats;
    const size_t n = static_cast<size_t>(springCount);
    double* d = growOnly(doubles, 6 * n);
    float* f = growOnly(floats, 3 * n);
    return {{d, d + n, d + 2 * n}, {d + 3 * n, d + 4 * n, d + 5 * n}, {f, f + n, f + 2 * n}};
}

// The outer end moves, pinned or not, so that no coordinate of the two ends stays equal (up to rounding
// far from the origin).
void separateSharedCoordinates(const HairPoint& inner, HairPoint& outer) {
    for (int c = 0; c < 3; ++c) {
        if (inner.position[c] == outer.position[c]) outer.position[c] += kNudge;
    }
}

// In spring order, as the nudges of one spring move points that later springs read: nudge, then take the
// difference and the relative velocity of the ends as they stand. Returns 1 + the highest point index.
int gatherSpringTerms(HairPoint* points, const HairSpring* springs, int springCount, const SpringTerms& t) {
    int pointCount = 0;
    for (int s = 0; s < springCount; ++s) {
        const HairPoint& inner = points[springs[s].inner];
        HairPoint& outer = points[springs[s].outer];
        separateSharedCoordinates(inner, outer);
        for (int c = 0; c < 3; ++c) {
            t.d[c][s] = static_cast<double>(inner.position[c]) - outer.position[c];
            t.v[c][s] = static_cast<double>(inner.velocity[c]) - outer.velocity[c];
        }
        pointCount = std::max({pointCount, springs[s].inner + 1, springs[s].outer + 1});
    }
    return pointCount;
}

// With d = inner - outer and L = |d|, per axis c:
//   f.c = -( k (L - rest) stiffness + (vInner.c - vOuter.c) damping d.c / L ) d.c / L,
// the force on the inner end (the outer end gets -f). A stretched spring pulls the ends together. The
// damping term takes the relative velocity along one axis times that axis's share of the direction.
// Springs are independent here, so the loop vectorises; each lane does the same operations in order.
void computeSpringForces(const HairSpring* springs, int springCount, double springConstant, double damping,
                         const SpringTerms& t) {
    for (int s = 0; s < springCount; ++s) {
        const double dx = t.d[0][s], dy = t.d[1][s], dz = t.d[2][s];
        double q = dx * dx + dy * dy + dz * dz;
        q = q == 0.0 ? kCoincidentSquaredLength : q;
        const double length = std::sqrt(q);
        const double elongation = springConstant * (length - springs[s].restLength) * springs[s].stiffness;
        auto axisForce = [&](double relativeVelocity, double d) {
            return static_cast<float>(-(elongation + relativeVelocity * damping * d / length) * d / length);
        };
        t.f[0][s] = axisForce(t.v[0][s], dx);
        t.f[1][s] = axisForce(t.v[1][s], dy);
        t.f[2][s] = axisForce(t.v[2][s], dz);
    }
}

// x, y, z and a spare lane that stays 0: one register, so that a point's force is read and written whole.
typedef float Float4 __attribute__((vector_size(16)));

// In spring order, so that every force sums its contributions in the same order. The sums run in whole
// registers (each lane adds as the scalar would), which spares the partial stores of a float[3] that the
// next spring's load of the same point could not take over.
void addSpringForces(HairPoint* points, const HairSpring* springs, int springCount, int pointCount,
                     const SpringTerms& t) {
    static std::vector<Float4> scratch;
    Float4* sums = growOnly(scratch, pointCount);
    for (int i = 0; i < pointCount; ++i)
        sums[i] = Float4{points[i].force[0], points[i].force[1], points[i].force[2], 0.0f};
    for (int s = 0; s < springCount; ++s) {
        const int inner = springs[s].inner, outer = springs[s].outer;
        const Float4 f = {t.f[0][s], t.f[1][s], t.f[2][s], 0.0f};
        if (!points[inner].pinned) sums[inner] += f;
        if (!points[outer].pinned) sums[outer] -= f;
    }
    for (int i = 0; i < pointCount; ++i)
        for (int c = 0; c < 3; ++c) points[i].force[c] = sums[i][c];
}

}  // namespace

void accumulateSpringForces(HairPoint* points, const HairSpring* springs, int springCount,
                            float springConstant, float damping) {
    const SpringTerms terms = springTerms(springCount);
    const int pointCount = gatherSpringTerms(points, springs, springCount, terms);
    computeSpringForces(springs, springCount, springConstant, damping, terms);
    addSpringForces(points, springs, springCount, pointCount, terms);
}

// force / 1 is force to the bit, so the mass of every grown point spares the divisions.
void computePointDerivatives(const HairPoint* points, int count, float* derivatives) {
    for (int i = 0; i < count; ++i) {
        const HairPoint& point = points[i];
        float* derivative = &derivatives[i * kDerivativesPerPoint];
        const bool immovable = point.mass == 0.0f;
        const bool unitMass = point.mass == 1.0f;
        for (int c = 0; c < 3; ++c) {
            derivative[c] = immovable ? 0.0f : point.velocity[c];
            derivative[3 + c] = immovable ? 0.0f : unitMass ? point.force[c] : point.force[c] / point.mass;
        }
    }
}

// h and a derivative are floats, so dt * derivative is exact in double for dt = h or h/2: the half step's
// (h * derivative) / 2 and the full step's h * derivative each round once, when added and stored.
void advancePoints(HairPoint* __restrict points, const HairPoint* __restrict from,
                   const float* __restrict derivatives, int count, double dt) {
    for (int i = 0; i < count; ++i) {
        const float* derivative = &derivatives[i * kDerivativesPerPoint];
        for (int c = 0; c < 3; ++c) {
            points[i].position[c] = static_cast<float>(from[i].position[c] + dt * derivative[c]);
            points[i].velocity[c] = static_cast<float>(from[i].velocity[c] + dt * derivative[3 + c]);
        }
    }
}

// Wind and gravity change sign every frame, so the hair keeps swaying instead of settling.
void HairModel::stepFrame() {
    springConstant = 0.1f;
    wind = -wind;
    gravity = -gravity;
    for (int step = 0; step < kStepsPerFrame; ++step) dynamicsStep();
    updateHairShape();
}

// Explicit midpoint: derivatives at the current state, a half step to the midpoint, derivatives there,
// then a full step from the state saved before the half step (which keeps the first evaluation's nudges).
// The scratch of a step outlives it (grow-only), but pointDerivatives points to it only while the step runs.
void HairModel::dynamicsStep() {
    static std::vector<float> derivativeScratch;
    static std::vector<HairPoint> savedScratch;
    const int count = livePointCount();
    pointDerivatives = growOnly(derivativeScratch, count * kDerivativesPerPoint);
    HairPoint* savedPoints = growOnly(savedScratch, count);

    computeForces();
    computeDerivatives();
    std::copy(hairPoints, hairPoints + count, savedPoints);
    advancePoints(hairPoints, savedPoints, pointDerivatives, count, kTimeStep / 2.0);
    computeForces();
    computeDerivatives();
    advancePoints(hairPoints, savedPoints, pointDerivatives, count, kTimeStep);

    pointDerivatives = nullptr;
}

void HairModel::computeForces() {
    applyExternalForces(hairPoints, livePointCount(), wind, gravity);
    accumulateSpringForces(hairPoints, hairSprings, liveSpringCount(), springConstant, damping);
}

void HairModel::computeDerivatives() {
    computePointDerivatives(hairPoints, livePointCount(), pointDerivatives);
}
