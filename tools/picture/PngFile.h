// Encoding pixels as PNG with libpng, into a stream that the caller opened and will complete.
#pragma once

#include <cstdio>
#include <string>

// Writes width x height RGBA pixels, rows from the bottom up as OpenGL leaves them, to `out` as an 8-bit RGB
// PNG (the alpha is dropped: the window shows the view opaque). Returns "" or the one-line reason it failed:
// the system's for a failed write, else libpng's.
std::string writePng(std::FILE* out, int width, int height, const unsigned char* rgbaBottomUp);
