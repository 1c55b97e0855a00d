// The command line of tresslow-sim: which commands to apply to the model, how many frames to run, and
// what to write. Every value must be one that the slider it stands for can hold: within its range and a
// whole number of its steps from its minimum.
#pragma once

#include <optional>
#include <string>

#include "view/ViewState.h"

class HairModel;

// A mouse drag in the view, in pixels: dx to the right, dy downward, as the pointer moves on the screen.
struct Drag {
    int dx, dy;
};

struct SimOptions {
    std::optional<int> shape;  // a ShapeCode
    std::optional<int> style;  // a StyleCode
    std::optional<int> hairs, length, restAngle;
    std::optional<float> thickness, wind, gravity, damping;
    int frames = 0;
    std::optional<std::string> dumpPath;

    // The picture of the view, drawn as the window draws it, and the commands that change only the view.
    std::optional<std::string> pngPath;  // the view after the last frame
    int pngEvery = 0;                    // a picture every pngEvery frames into filmFolder; 0 for none
    std::string filmFolder;
    int width = kViewWidth, height = kViewHeight;  // of the pictures, pixels
    bool smooth = false;                           // else Wireframe
    bool controlPolygons = false;
    int zoomInPresses = 0;
    std::optional<Drag> rotateDrag, translateDrag;

    bool bench = false;
    bool help = false;
    bool version = false;
};

extern const char* const kSimUsage;

// Fills `options` from the arguments (`--name value` or `--name=value`, each option at most once);
// returns an empty string, or the one-line reason they are wrong. With a picture and no --frames, one frame
// runs: every draw of the window's view is one.
std::string parseSimOptions(int argc, const char* const* argv, SimOptions& options);

// Applies the given options as the matching commands would, in the order style, length, rest angle,
// hairs, shape, thickness, wind, gravity, damping; then the view's: Smooth, Control Polygons, a drag with
// Rotate on, a drag with Translate on, presses with Zoom In (each mode off again after its use). Here
// presses and drags step no frame; in the window each draws the view, which is one.
void applySimOptions(HairModel& model, const SimOptions& options);
