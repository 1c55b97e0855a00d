// The sphere and the torus: exact rational surfaces of revolution about the z axis, one whole circle
// (the profile) swept once around the axis on a 9 x 9 net, each with hair grown on it.
#pragma once

#include "app/Settings.h"
#include "nurbs/NurbsSurface.h"

namespace hair {

// Sets `surface` to the profile circle of radius profileRadius whose centre lies axisDistance from the z
// axis, swept around it: degree 2 x 2, 9 x 9 points, 20 x 20 sample intervals, its normals turned as
// `facing` says.
void buildSurfaceOfRevolution(NurbsSurface& surface, float profileRadius, float axisDistance,
                              NormalFacing facing);

// shapeSurface = the surface of `shape`, a sphere or a torus, with no hair grown and nothing printed.
void buildShapeSurface(ShapeCode shape);

void makeSphere();  // shapeType = sphere; shapeSurface = radius 100 about the origin; hair grown on it
void makeTorus();   // shapeType = torus; shapeSurface = tube radius 50 about the circle of radius 100

}  // namespace hair
