// The animation controls that main adds to the main window once the panel is built.
#pragma once

class MainPanel;
class TimerDisplay;

// Adds, as children of the panel's window, the timer display (below the window's edge, never seen), the
// animation timer of 1000 frames that redraws the hair view (covered by the view) and the Play button
// that drives it. Returns the timer display, which main deletes after the event loop.
TimerDisplay* addAnimationControls(MainPanel& panel);
