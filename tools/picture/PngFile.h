// Writing pixels as a PNG file with libpng, whole or not at all.
#pragma once

#include <string>

// Writes width x height RGBA pixels, rows from the bottom up as OpenGL leaves them, to `path` as an 8-bit
// RGB PNG (the alpha is dropped: the window shows the view opaque). The file is written under a temporary
// name beside `path` and renamed over it once complete. Returns "" or the one-line reason it failed; then
// neither the temporary file nor a new `path` is left.
std::string writePngFile(const std::string& path, int width, int height, const unsigned char* rgbaBottomUp);
