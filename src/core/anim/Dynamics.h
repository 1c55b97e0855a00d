// One animation frame of the hair: the frame and step operations, the mass-spring kernels they drive over
// plain arrays of points and springs, and the scratch that the operations of a step share.
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

// Flips wind and gravity, resets springConstant, runs kStepsPerFrame dynamics steps on the live part of
// the store, then rebuilds every live tube.
void stepFrame();
// One explicit midpoint step of the live points: derivatives, half step, derivatives there, full step.
void dynamicsStep();
void computeForces();       // the force on every live point, from the settings and the live springs
void computeDerivatives();  // pointDerivatives of every live point, from its velocity and force

}  // namespace anim

// pointDerivatives[6i .. 6i+5]: the derivatives of live point i. Non-null only while a step runs.
extern float* pointDerivatives;
