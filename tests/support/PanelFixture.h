// The main window built in process (no display until shown), and commands fired on it as the toolkit
// fires them.
#pragma once

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>

#include <vector>

#include "app/HairModel.h"
#include "app/MainPanel.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"
#include "view/HairView.h"

inline std::vector<float> livePositions() {
    std::vector<float> values;
    for (int i = 0; i < livePointCount(); i++)
        values.insert(values.end(), hairPoints[i].position, hairPoints[i].position + 3);
    return values;
}

// Every test starts from the program's start-up state: a new panel on the state of a new process, with no
// check mark in the menu (the toolkit writes the marks into the one static menu table).
class MainPanelUi : public testing::Test {
protected:
    void SetUp() override {
        if (mainPanel) {
            delete mainPanel->window;
            delete mainPanel->hairModel;
            delete mainPanel;
        }
        resetAsNewProcess();
        mainPanel = new MainPanel;
        Fl_Menu_Bar& bar = *mainPanel->menuBar;
        for (int i = 0; i < bar.size(); i++) bar.mode(i, bar.mode(i) & ~FL_MENU_VALUE);
    }
    // A command fired as the toolkit fires it: a menu entry picked, a slider moved and its callback run.
    static void pick(const char* path) { mainPanel->menuBar->picked(mainPanel->menuBar->find_item(path)); }
    static void slide(Fl_Value_Slider* slider, double value) {
        slider->value(value);
        slider->do_callback();
    }
};

// The same, shown on the X server that CTest starts for it, so that a redraw request of the view shows as
// damage. Nothing is drawn: no event is handled, so no frame runs unless a test asks for one.
class ShownPanelUi : public MainPanelUi {
protected:
    void SetUp() override {
        MainPanelUi::SetUp();
        mainPanel->show();
        mainPanel->window->clear_damage();
        mainPanel->hairView->clear_damage();
    }
};
