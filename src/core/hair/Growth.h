// What shapes a growth of hair, on the plane or on a curved shape: the settings it reads once at its start,
// and the profile that combed hair shares among all strands of one growth.
#pragma once

#include "app/Settings.h"

namespace hair {

struct Growth {
    int density;      // n: n*n strands grow (1..kMaxDensity)
    float length;     // L, the hair length: scale of the steps along a strand, world units
    float angle;      // A, the rest angle read as a distance: largest sideways offset from the root
    StyleCode style;  // messy: a random shape per strand; combed: one profile for all
};

// hairDensity, hairLength, restAngle and hairStyle as they stand.
Growth currentGrowth();

// a[k] running heights (a[0] = 0), b[k] and c[k] sideways offsets along x and z, for k = 1..7.
struct CombedProfile {
    float a[8], b[8], c[8];
};
// Draws a[k], b[k], c[k] for each k in turn (21 draws): steps of 0..L, offsets of 0..A.
CombedProfile drawCombedProfile(float length, float angle);

}  // namespace hair
