// The model tests' fixture: the settings at the values they hold once the program's model exists.
#pragma once

#include <gtest/gtest.h>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "hair/Random.h"

inline void resetFloatSettings() {
    thickness = 1.0f;
    wind = 0.05f;
    gravity = -0.05f;
    springConstant = 0.1f;
    damping = 0.01f;
}

inline void resetAsNewProcess() {
    resetFloatSettings();
    resetRandom();
}

class DefaultSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { resetFloatSettings(); }
    HairModel model;
};
