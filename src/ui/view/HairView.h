// HairView: the OpenGL window of the scene. Every draw first runs one animation frame, then draws the
// control polygons, the strand tubes and the underlying shape; the mouse zooms, turns and pans the scene.
#pragma once

#include <FL/Fl_Gl_Window.H>

class HairView : public Fl_Gl_Window {
public:
    HairView(int x, int y, int w, int h, const char* label = nullptr) : Fl_Gl_Window(x, y, w, h, label) {}
    ~HairView() override = default;
    void draw() override;
    int handle(int event) override;
};
