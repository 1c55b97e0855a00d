// Applying tresslow-sim's options to the model, as the window's commands and mouse would.
#pragma once

#include "sim/SimOptions.h"

class HairModel;

// Applies the given options as the matching commands would, in the order style, length, rest angle,
// hairs, shape, thickness, wind, gravity, damping; then the view's: Smooth, Control Polygons, a drag with
// Rotate on, a drag with Translate on, presses with Zoom In (each mode off again after its use). Here
// presses and drags step no frame; in the window each draws the view, which is one.
void applySimOptions(HairModel& model, const SimOptions& options);
