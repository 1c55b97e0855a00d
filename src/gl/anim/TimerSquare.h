// The picture of the animation timer's display: a yellow square on black, turned about the centre as the
// timer goes round.
#pragma once

#include <optional>

struct TimerProgress {
    double value, maximum;  // the timer's frame and its frame count
};

// Draws the square turned anticlockwise by value / maximum of a whole turn, or unturned when there is no
// timer to show. Sets its own orthographic projection of -1..1.
void drawTimerSquare(std::optional<TimerProgress> progress);
