// Storage of the hair store and of the surface objects; all zero or empty before main runs.
#include "hair/HairStore.h"

HairPoint hairPoints[kMaxPoints];
HairSpring hairSprings[kMaxSprings];
float springStiffness = 1.0f;

// Constructed in this order (the shape, then the tubes by index) and destroyed in reverse at exit.
NurbsSurface shapeSurface;
NurbsSurface strandSurfaces[kMaxStrands];

void resetPoint(HairPoint& point, bool pinned) {
    point.pinned = pinned;
    point.mass = 1.0f;
    for (int c = 0; c < 3; ++c) {
        point.velocity[c] = 0.0f;
        point.force[c] = 0.0f;
    }
}
