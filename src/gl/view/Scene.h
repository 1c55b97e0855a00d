// The scene of the hair view, drawn with OpenGL into whatever context is current: the window's, or an
// off-screen one. A view's draw is setUpView (once per context), clearFrame, one animation frame, drawScene.
#pragma once

// Lights, material model, depth test, clear colour, viewport and the orthographic box for a view of
// width x height pixels, at the scale of the window's 445 x 455 view times min(width / 445, height / 455).
void setUpView(int width, int height);

// Clears the buffers and sets shading and the polygon mode of renderMode.
void clearFrame();

// The depth range fitted to the zoomed scene; then the scene under the view's pan, turn and zoom: the
// control polygons if shown, the live strands' tubes, and the underlying shape.
void drawScene();
