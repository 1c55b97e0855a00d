// The float settings of a freshly started program, which the model's constructor leaves alone.
#include "support/DefaultSettings.h"

#include "app/Settings.h"
#include "hair/Random.h"

void resetFloatSettings() {
    thickness = 1.0f;
    wind = 0.05f;
    gravity = -0.05f;
    springConstant = 0.1f;
    damping = 0.01f;
}

void resetAsNewProcess() {
    resetFloatSettings();
    resetRandom();
}
