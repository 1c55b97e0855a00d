// The hair store: fixed-capacity arrays of point masses and springs for up to 400 strands of 8 points,
// and the surface objects of the underlying shape and of every strand's tube.
#pragma once

#include "app/Settings.h"
#include "nurbs/NurbsSurface.h"

constexpr int kMaxStrands = kMaxDensity * kMaxDensity;
constexpr int kPointsPerStrand = 8;    // root = point 0, tip = point 7
constexpr int kSpringsPerStrand = 13;  // 7 stretch springs, then 6 bend springs
constexpr int kMaxPoints = kMaxStrands * kPointsPerStrand;
constexpr int kMaxSprings = kMaxStrands * kSpringsPerStrand;

struct HairPoint {
    float mass;         // 1.0 on every grown point; a live point of mass 0 does not move
    float position[3];  // world units
    float velocity[3];
    float force[3];  // accumulated by the latest force evaluation of the dynamics
    bool pinned;     // no force reaches it: roots, and on the plane the tips of border strands
};

struct HairSpring {
    int outer;         // index into hairPoints of the end farther from the root
    int inner;         // index into hairPoints of the end nearer the root
    float restLength;  // world units
    float stiffness;   // factor of this spring
};

// Live part with n = hairDensity: strands 0..n*n-1, points 0..8n*n-1, springs 0..13n*n-1.
// Point k of strand s is hairPoints[8s + k]; the springs of strand s are hairSprings[13s .. 13s+12].
// Records beyond the live part keep what was last written there and are never read.
extern HairPoint hairPoints[kMaxPoints];
extern HairSpring hairSprings[kMaxSprings];
extern float springStiffness;  // 1.0: stiffness of a stretch spring (a bend spring has half)

extern NurbsSurface shapeSurface;                 // the sphere or torus; drawn only while that is the shape
extern NurbsSurface strandSurfaces[kMaxStrands];  // element s: the tube of strand s

// A freshly grown point: mass 1, at rest, no force, pinned or free.
void resetPoint(HairPoint& point, bool pinned);

// Size of the live part for the current hairDensity.
inline int liveStrandCount() { return hairDensity * hairDensity; }
inline int livePointCount() { return kPointsPerStrand * liveStrandCount(); }
inline int liveSpringCount() { return kSpringsPerStrand * liveStrandCount(); }
