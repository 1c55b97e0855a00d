// The exports of tresslow-sim: the geometry that the view draws after the last frame (--export: binary glTF,
// or OBJ with its MTL beside it) and after every K-th (--export-every, glTF), and every surface as its exact
// rational B-spline in OBJ's free-form geometry (--export-nurbs). They read the model and need no OpenGL.
#pragma once

#include <optional>
#include <string>

#include "sim/OutputFile.h"
#include "sim/SimOptions.h"

class Exports {
public:
    // `framesBefore` frames ran before this run's first (those of a resumed state): frames are numbered on.
    Exports(const SimOptions& options, int framesBefore) : options_(options), framesBefore_(framesBefore) {}

    // Takes the places of --export (and its MTL) and --export-nurbs and checks the folder of --export-every,
    // before any frame runs: "" or the one-line reason. Does nothing when no export is asked for.
    std::string open();

    // Writes the exports that show frame `frame` (counted on from framesBefore + 1), which has just run: ""
    // or the reason writing one failed.
    std::string afterFrame(int frame);

private:
    std::string writeMesh(int frame);
    std::string writeNurbs(int frame);

    const SimOptions& options_;
    const int framesBefore_;
    std::optional<OutputFile> mesh_, materials_, nurbs_;  // held from open() on; materials_ for OBJ alone
};
