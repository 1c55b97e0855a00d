// The command line of tresslow-sim: which commands to apply to the model, how many frames to run, and
// what to write. Every value must be one that the slider it stands for can hold: within its range and a
// whole number of its steps from its minimum.
#pragma once

#include <optional>
#include <string>

class HairModel;

struct SimOptions {
    std::optional<int> shape;  // a ShapeCode
    std::optional<int> style;  // a StyleCode
    std::optional<int> hairs, length, restAngle;
    std::optional<float> thickness, wind, gravity, damping;
    int frames = 0;
    std::optional<std::string> dumpPath;
    bool bench = false;
    bool help = false;
    bool version = false;
};

extern const char* const kSimUsage;

// Fills `options` from the arguments (`--name value` or `--name=value`, each option at most once);
// returns an empty string, or the one-line reason they are wrong.
std::string parseSimOptions(int argc, const char* const* argv, SimOptions& options);

// Applies the given options as the matching commands would, in the order style, length, rest angle,
// hairs, shape, thickness, wind, gravity, damping.
void applySimOptions(HairModel& model, const SimOptions& options);
