// A fixture with a model and every global setting back at the value it holds once the program's model
// exists (the constructor's values, the start values of the float settings): all tests share one process.
#pragma once

#include <gtest/gtest.h>

#include "app/HairModel.h"

void resetSettings();

class DefaultSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { resetSettings(); }

    HairModel model;  // built before SetUp, so the reset follows whatever its constructor did
};
