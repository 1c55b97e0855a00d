// The hair view drawn off screen: the window's scene code, rendered into memory by Mesa's OSMesa and
// encoded as PNG. The drawing lives in the plug-in tresslow-picture.so, which openOffscreenView loads with
// OSMesa only when a picture is asked for, so that tresslow-sim runs without either otherwise.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class HairModel;

class OffscreenView {
public:
    virtual ~OffscreenView() = default;

    // One draw of the view, as the window draws: the set-up on the first, then clear, one animation frame
    // of `model`, and the scene.
    virtual void draw(HairModel& model) = 0;

    // Writes the last draw to `out` as an RGB PNG; "" or the one-line reason it failed.
    virtual std::string writePng(std::FILE* out) const = 0;
};

// The plug-in's entry point, found by this name: a view of width x height pixels (1..kMaxPictureSide
// each), or null and the reason in `error`.
using OpenOffscreenView = OffscreenView* (*)(int width, int height, std::string& error);
constexpr const char* kOpenOffscreenViewSymbol = "tresslowOpenOffscreenView";

constexpr int kMaxPictureSide = 8192;  // pixels; a view of 8192 x 8192 holds 512 MB of colour and depth

// Loads OSMesa (named by the environment variable TRESSLOW_OSMESA, else its Debian name) and the plug-in,
// then opens a view; empty, with the one-line reason in `error`, when any of them fails.
std::unique_ptr<OffscreenView> openOffscreenView(int width, int height, std::string& error);
