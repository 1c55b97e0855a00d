// Reading a growth's settings and drawing the combed profile.
#include "hair/Growth.h"

#include "hair/Random.h"

namespace hair {

Growth currentGrowth() {
    return {hairDensity, static_cast<float>(hairLength), static_cast<float>(restAngle), hairStyle};
}

// The table entries are stored floats: a[k-1] + U(L) is summed in double and rounded once.
CombedProfile drawCombedProfile(float length, float angle) {
    CombedProfile profile{};
    for (int k = 1; k < 8; ++k) {
        profile.a[k] = static_cast<float>(profile.a[k - 1] + uniformDraw(length));
        profile.b[k] = static_cast<float>(uniformDraw(angle));
        profile.c[k] = static_cast<float>(uniformDraw(angle));
    }
    return profile;
}

}  // namespace hair
