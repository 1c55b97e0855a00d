// The model tests' fixture: the settings at the values they hold once the program's model exists.
#pragma once

#include <gtest/gtest.h>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "hair/Random.h"
#include "view/ViewState.h"

inline void resetFloatSettings() {
    thickness = kThicknessSlider.start;
    wind = kWindSlider.start;
    gravity = kGravitySlider.start;
    springConstant = kSpringConstant;
    damping = kDampingSlider.start;
}

// The state a new process starts with, before the model exists: the float settings, the view state and
// the random stream (the store's contents beyond what a growth writes are never read).
inline void resetAsNewProcess() {
    resetFloatSettings();
    zoomFactor = 1.0f;
    rotationX = rotationZ = panX = panY = 0.0f;
    lastMouseX = lastMouseY = 0;
    hair::resetRandom();
}

class DefaultSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { resetFloatSettings(); }
    HairModel model;
};
