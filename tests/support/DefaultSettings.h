// A fixture with every global setting back at the value it holds once the program's model exists: the
// model's constructor sets its defaults, SetUp puts the float settings back at their start values. All
// tests share one process.
#pragma once

#include <gtest/gtest.h>

#include "app/HairModel.h"

void resetFloatSettings();
// As in a new process before its model exists: the float settings at their start values and the random
// stream at its first value.
void resetAsNewProcess();

class DefaultSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { resetFloatSettings(); }

    HairModel model;  // built before SetUp
};
