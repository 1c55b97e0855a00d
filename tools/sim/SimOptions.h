// The command line of tresslow-sim: which commands to apply to the model, how many frames to run, and
// what to write. Every value must be one that the slider it stands for can hold.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "app/Settings.h"
#include "view/ViewState.h"

// Two whole numbers: a picture's width x and height y in pixels, or a mouse drag in the view, x pixels to
// the right and y downward, as the pointer moves on the screen.
struct NumberPair {
    int x, y;
};

struct SimOptions {
    std::optional<ShapeCode> shape;
    std::optional<StyleCode> style;
    std::optional<int> hairs, length, restAngle;
    std::optional<float> thickness, wind, gravity, damping;
    int frames = 0, zoomInPresses = 0;
    std::optional<std::string> dumpPath, pngPath;           // "-" for standard output
    std::optional<std::pair<int, std::string>> film;        // --png-every: every K-th frame into folder DIR
    std::optional<std::string> exportPath;                  // --export: ends in .glb or .obj
    std::optional<std::string> nurbsPath;                   // --export-nurbs: ends in .obj, or "-"
    std::optional<std::pair<int, std::string>> exportFilm;  // --export-every: every K-th frame into DIR
    NumberPair size = {kViewWidth, kViewHeight};            // of the pictures
    std::optional<NumberPair> rotateDrag, translateDrag;
    bool smooth = false, controlPolygons = false, bench = false;  // smooth, else Wireframe

    std::optional<std::string> statsPath;   // "-" for standard output
    std::optional<std::string> resumePath;  // a dump to go on from
    std::optional<uint32_t> seed;           // the random stream's start: 1 .. 2^32 - 1
};

// Fills `options` from the arguments: empty to go on, else the exit status (0 once --help or --version has
// printed, 2 once one line on stderr has said what is wrong). --png, --export or --export-nurbs without
// --frames runs one frame. With --resume, the options that set what a dump holds are refused.
std::optional<int> parseSimOptions(int argc, const char* const* argv, SimOptions& options);

// "" or why --png-every or --export-every would write nothing in the frames after `framesBefore`.
std::string filmsThatDrawNothing(const SimOptions& options, int framesBefore);
