// The plain forms of the hot paths, kept as the reference that the optimised code must match bit for bit:
// the midpoint step written out plainly, the tube net of a strand, and the row
// evaluation of a surface blending every sample with loops over the run-time orders.
#pragma once

#include <vector>

#include "hair/HairStore.h"
#include "nurbs/NurbsSurface.h"

// A copy of the live hair and of the settings that move it, stepped apart from the program's store.
struct ReferenceHair {
    std::vector<HairPoint> points;
    std::vector<HairSpring> springs;
    float wind, gravity, damping, thickness;
};

ReferenceHair captureLiveHair();  // the live part of the store and the current settings

// One frame: the signs of wind and gravity flip, then ten midpoint steps with springConstant 0.1, each
// allocating and freeing its own scratch.
void referenceStepFrame(ReferenceHair& hair);

// The 8 x 9 homogeneous control net of the tube of strand s of the copy.
std::vector<float> referenceTubeNet(const ReferenceHair& hair, int s);

// A fresh surface set up as the tube of strand s of the copy.
void setUpReferenceTube(NurbsSurface& tube, const ReferenceHair& hair, int s);

// Every sample of the surface's grid, row-major, evaluated from its tables with scratch of its own: rows
// 0 .. samplesU with s accumulated by 1/samplesU, as drawing and tessellation sweep them.
std::vector<SurfaceVertex> referenceGrid(const NurbsSurface& surface);
