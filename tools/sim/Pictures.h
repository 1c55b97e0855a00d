// The pictures of tresslow-sim: the view after the last frame (--png) and after every K-th (--png-every),
// drawn off screen. A frame that a picture shows is run as a draw of the window's view, which steps the
// model once; every other frame only steps it, with the same result.
#pragma once

#include <memory>
#include <string>

#include "picture/OffscreenView.h"
#include "sim/SimOptions.h"

class HairModel;

class Pictures {
public:
    explicit Pictures(const SimOptions& options) : options_(options) {}

    // Checks where the pictures go and opens the view, before the model exists: "" or the one-line reason
    // no picture can be made. Does nothing when none is asked for.
    std::string open();

    // Runs frame `frame` (counted from 1) and writes the pictures that show it: "" or the reason writing
    // one failed.
    std::string runFrame(HairModel& model, int frame);

private:
    bool isFilmFrame(int frame) const { return options_.pngEvery > 0 && frame % options_.pngEvery == 0; }
    bool isLastPicture(int frame) const { return options_.pngPath && frame == options_.frames; }

    const SimOptions& options_;
    std::unique_ptr<OffscreenView> view_;  // null while no picture is asked for
};
