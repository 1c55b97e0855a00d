// Reading a growth's settings and drawing the combed profile.
#include "hair/Growth.h"

#include "hair/Random.h"

namespace hair {

Growth currentGrowth() {
    return {hairDensity, static_cast<float>(hairLength), static_cast<float>(restAngle), hairStyle};
}

CombedProfile drawCombedProfile(float length, float angle) {
    CombedProfile profile{};
    for (int k = 1; k < 8; ++k) {
        profile.a[k] = profile.a[k - 1] + uniformDraw(length);
        profile.b[k] = uniformDraw(angle);
        profile.c[k] = uniformDraw(angle);
    }
    return profile;
}

}  // namespace hair
