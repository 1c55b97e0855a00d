// The pictures of tresslow-sim: the view after the last frame (--png) and after every K-th (--png-every),
// drawn off screen. A frame that a picture shows is run as a draw of the window's view, which steps the
// model once; every other frame only steps it, with the same result.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "picture/OffscreenView.h"
#include "sim/OutputFile.h"
#include "sim/SimOptions.h"

class HairModel;

class Pictures {
public:
    // `framesBefore` frames ran before this run's first (those of a resumed state): frames are numbered on.
    Pictures(const SimOptions& options, int framesBefore) : options_(options), framesBefore_(framesBefore) {}

    // Takes the place of --png and checks the folder of --png-every, then opens the view: "" or the one-line
    // reason no picture can be made. Does nothing when none is asked for.
    std::string open();

    // Runs frame `frame` (counted on from framesBefore + 1) and writes the pictures that show it: "" or the
    // reason writing one failed.
    std::string runFrame(HairModel& model, int frame);

private:
    bool isFilmFrame(int frame) const { return options_.film && frame % options_.film->first == 0; }
    bool isLastPicture(int frame) const {
        return options_.pngPath && frame == framesBefore_ + options_.frames;
    }
    std::string write(OutputFile& file) const;

    const SimOptions& options_;
    const int framesBefore_;
    std::optional<OutputFile> last_;       // the picture of --png, held from open() on
    std::unique_ptr<OffscreenView> view_;  // null while no picture is asked for
};
