// The model tests' fixture: the settings at the values they hold once the program's model exists.
#pragma once

#include <gtest/gtest.h>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "hair/Random.h"

inline void resetFloatSettings() {
    thickness = kThicknessSlider.start;
    wind = kWindSlider.start;
    gravity = kGravitySlider.start;
    springConstant = kSpringConstant;
    damping = kDampingSlider.start;
}

inline void resetAsNewProcess() {
    resetFloatSettings();
    hair::resetRandom();
}

class DefaultSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { resetFloatSettings(); }
    HairModel model;
};
