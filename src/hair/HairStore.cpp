// Storage of the hair store and of the surface objects; all zero or empty before main runs.
#include "hair/HairStore.h"

HairPoint hairPoints[kMaxPoints];
HairSpring hairSprings[kMaxSprings];
float springStiffness = 1.0f;

// Constructed in this order (the shape, then the tubes by index) and destroyed in reverse at exit.
NurbsSurface shapeSurface;
NurbsSurface strandSurfaces[kMaxStrands];
