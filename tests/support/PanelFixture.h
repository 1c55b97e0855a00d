// The main window built in process (no display until shown), and commands fired on it as the toolkit
// fires them.
#pragma once

#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <vector>

#include "app/MainPanel.h"
#include "hair/HairStore.h"

inline std::vector<float> livePositions() {
    std::vector<float> values;
    for (int i = 0; i < livePointCount(); i++)
        values.insert(values.end(), hairPoints[i].position, hairPoints[i].position + 3);
    return values;
}

class MainPanelUi : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!mainPanel) mainPanel = new MainPanel;  // one panel for the binary, as in the program
    }
    // A command fired as the toolkit fires it: a menu entry picked, a slider moved and its callback run.
    static void pick(const char* path) { mainPanel->menuBar->picked(mainPanel->menuBar->find_item(path)); }
    static void slide(Fl_Value_Slider* slider, double value) {
        slider->value(value);
        slider->do_callback();
    }
};
