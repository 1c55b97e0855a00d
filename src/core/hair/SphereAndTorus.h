// The sphere and the torus: exact rational surfaces of revolution about the z axis, one whole circle
// (the profile) swept once around the axis on a 9 x 9 net, each with hair grown on it.
#pragma once

#include "nurbs/NurbsSurface.h"

namespace hair {

// Sets `surface` to the profile circle of radius r whose centre lies R from the z axis, swept around it:
// degree 2 x 2, 9 x 9 points, 20 x 20 sample intervals.
void buildSurfaceOfRevolution(NurbsSurface& surface, float r, float R);

void makeSphere();  // shapeType = sphere; shapeSurface = radius 100 about the origin; hair grown on it
void makeTorus();   // shapeType = torus; shapeSurface = tube radius 50 about the circle of radius 100

}  // namespace hair
