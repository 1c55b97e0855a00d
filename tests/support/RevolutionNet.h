// Test fixture: the 9 x 9 rational control net of a whole circle swept once around the z axis, with its
// knot vector, as the sphere (radius 100) and the torus (tube radius 50 around the circle of radius 100) use.
#pragma once

#include "nurbs/NurbsSurface.h"

struct RevolutionNet {
    float points[9 * 9 * 4];  // point (i, j) at (i*9 + j)*4: i along the profile (u), j around the axis (v)
    float knots[12];          // 0,0,0, .25,.25, .5,.5, .75,.75, 1,1,1 for both directions
};

// Profile circle of radius profileRadius centred at distance axisOffset from the z axis.
RevolutionNet makeRevolutionNet(float profileRadius, float axisOffset);

// The net with u and v swapped: the sphere's collapsed rows become collapsed columns.
RevolutionNet transposed(const RevolutionNet& net);

// Sets the surface up as degree 2 x 2 on the net with samples x samples intervals, as the shape commands do.
void setUpRevolution(NurbsSurface& surface, const RevolutionNet& net, int samples);

inline RevolutionNet sphereNet() {
    return makeRevolutionNet(100.0f, 0.0f);
}
inline RevolutionNet torusNet() {
    return makeRevolutionNet(50.0f, 100.0f);
}
