// One animation frame of the hair: the frame and step operations, the mass-spring kernels they drive over
// plain arrays of points and springs, and the context that carries a step's scratch.
#pragma once

#include "hair/HairStore.h"

namespace anim {

constexpr int kStepsPerFrame = 10;
constexpr float kTimeStep = 0.1f;                  // h of one midpoint step
constexpr float kNudge = 0.001f;                   // separates a coordinate that both ends of a spring share
constexpr double kCoincidentSquaredLength = 0.01;  // taken when the ends still coincide: length 0.1
constexpr int kDerivativesPerPoint = 6;            // dx, dy, dz (the velocity), dvx, dvy, dvz (force / mass)

// Zeroes every force, then gives each free point the wind on every axis and the gravity along -z.
void applyExternalForces(HairPoint* points, int count, float wind, float gravity);
// Adds the force of every spring to its free ends, after nudging apart the coordinates its ends share.
void accumulateSpringForces(HairPoint* points, const HairSpring* springs, int springCount,
                            float springConstant, float damping);
// A point of mass 0 is immovable: both its derivatives are 0.
void computePointDerivatives(const HairPoint* points, int count, float* derivatives);
// position = from.position + dt * (dx, dy, dz), velocity = from.velocity + dt * (dvx, dvy, dvz). The three
// arrays do not overlap.
void advancePoints(HairPoint* points, const HairPoint* from, const float* derivatives, int count, double dt);

// The scratch of midpoint steps over the live points, made for a frame (or one lone step) and handed to
// each of its steps. Room for the whole store, so that it lives on the stack: a frame allocates nothing
// (fresh heap memory for it on every frame cost a fifth of the frame).
struct StepContext {
    // [6i .. 6i+5]: dx, dy, dz (the velocity), dvx, dvy, dvz (force / mass) of live point i
    float derivatives[kMaxPoints * kDerivativesPerPoint];
    HairPoint savedPoints[kMaxPoints];  // the live points as they stood after the step's first evaluation
};

// Flips wind and gravity, resets springConstant, runs kStepsPerFrame dynamics steps on the live part of
// the store, then rebuilds every live tube.
void stepFrame();
// One explicit midpoint step of the live points: derivatives, half step, derivatives there, full step.
void dynamicsStep(StepContext& step);
void dynamicsStep();   // the same with a context of its own
void computeForces();  // the force on every live point, from the settings and the live springs
void computeDerivatives(StepContext& step);  // the derivatives of every live point: velocity, force / mass

}  // namespace anim

// The derivatives of the step that runs, StepContext::derivatives; null between steps.
extern float* pointDerivatives;
