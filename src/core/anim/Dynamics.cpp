// One animation frame of the hair: ten explicit midpoint steps of the mass-spring system under wind,
// gravity and damped springs, then the rebuild of the tubes.
#include "anim/Dynamics.h"

#include <algorithm>
#include <cmath>

#include "anim/StrandTubes.h"

float* pointDerivatives = nullptr;

namespace anim {

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

// The outer end moves, pinned or not, so that no coordinate of the two ends stays equal (up to rounding
// far from the origin).
void separateSharedCoordinates(const HairPoint& inner, HairPoint& outer) {
    for (int c = 0; c < 3; ++c) {
        if (inner.position[c] == outer.position[c]) outer.position[c] += kNudge;
    }
}

// With d = inner - outer and L = |d|, per axis c:
//   f.c = -( k (L - rest) stiffness + (vInner.c - vOuter.c) damping d.c / L ) d.c / L,
// the force on the inner end (the outer end gets -f). A stretched spring pulls the ends together. The
// damping term takes the relative velocity along one axis times that axis's share of the direction.
void springForce(const HairPoint& inner, const HairPoint& outer, const HairSpring& spring,
                 double springConstant, double damping, float f[3]) {
    double d[3];
    for (int c = 0; c < 3; ++c) d[c] = static_cast<double>(inner.position[c]) - outer.position[c];
    double q = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    if (q == 0.0) q = kCoincidentSquaredLength;
    const double length = std::sqrt(q);
    const double elongation = springConstant * (length - spring.restLength) * spring.stiffness;
    for (int c = 0; c < 3; ++c) {
        const double relativeVelocity = static_cast<double>(inner.velocity[c]) - outer.velocity[c];
        f[c] = static_cast<float>(-(elongation + relativeVelocity * damping * d[c] / length) * d[c] / length);
    }
}

}  // namespace

void accumulateSpringForces(HairPoint* points, const HairSpring* springs, int springCount,
                            float springConstant, float damping) {
    for (int s = 0; s < springCount; ++s) {
        HairPoint& inner = points[springs[s].inner];
        HairPoint& outer = points[springs[s].outer];
        separateSharedCoordinates(inner, outer);
        float f[3];
        springForce(inner, outer, springs[s], springConstant, damping, f);
        for (int c = 0; c < 3; ++c) {
            if (!inner.pinned) inner.force[c] += f[c];
            if (!outer.pinned) outer.force[c] -= f[c];
        }
    }
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

// Wind and gravity change sign every frame, so the hair keeps swaying instead of settling. The steps of
// a frame share one context.
void stepFrame() {
    springConstant = kSpringConstant;
    wind = -wind;
    gravity = -gravity;
    StepContext step;
    for (int k = 0; k < kStepsPerFrame; ++k) dynamicsStep(step);
    updateHairShape();
}

// Explicit midpoint: derivatives at the current state, a half step to the midpoint, derivatives there,
// then a full step from the state saved before the half step (which keeps the first evaluation's nudges).
void dynamicsStep(StepContext& step) {
    const int count = livePointCount();
    pointDerivatives = step.derivatives;
    computeForces();
    computeDerivatives(step);
    std::copy(hairPoints, hairPoints + count, step.savedPoints);
    advancePoints(hairPoints, step.savedPoints, step.derivatives, count, kTimeStep / 2.0);
    computeForces();
    computeDerivatives(step);
    advancePoints(hairPoints, step.savedPoints, step.derivatives, count, kTimeStep);
    pointDerivatives = nullptr;
}

void dynamicsStep() {
    StepContext step;
    dynamicsStep(step);
}

void computeForces() {
    applyExternalForces(hairPoints, livePointCount(), wind, gravity);
    accumulateSpringForces(hairPoints, hairSprings, liveSpringCount(), springConstant, damping);
}

void computeDerivatives(StepContext& step) {
    computePointDerivatives(hairPoints, livePointCount(), step.derivatives);
}

}  // namespace anim
