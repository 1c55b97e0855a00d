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

// The farthest from the origin that a hair point can lie, in world units, at the longest hair. Combed hair
// on the torus reaches farthest: its root lies up to 150 out (the tube's centre circle, 100, plus its
// radius, 50), and each of its 7 points advances from the one before along the unit normal by the running
// sum a[k] <= k L, so the tip stands up to (1 + 2 + ... + 7) L = 28 L farther out, plus a jitter of 0 to 5
// per point on each axis (35 sqrt 3 < 61 in all). Messy hair reaches 7 L along the normal and A across it,
// hair on the plane less. Swaying, a strand is drawn toward its springs' rest lengths, 7 L from its root,
// and the strongest wind and gravity stretch it a little beyond (under 600 out in 1000 frames).
constexpr float kHairReach = 150.0f + 28.0f * kLengthSlider.maximum + 61.0f;

}  // namespace hair
