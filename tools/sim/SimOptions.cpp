// Parsing and applying the options of tresslow-sim.
#include "sim/SimOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/HairModel.h"
#include "app/Settings.h"

const char* const kSimUsage =
    "usage: tresslow-sim [--shape plane|sphere|torus] [--style messy|combed] [--hairs N] [--length L]\n"
    "                    [--rest-angle A] [--thickness T] [--wind W] [--gravity G] [--damping D]\n"
    "                    [--frames F] [--dump FILE] [--bench] [--help]\n"
    "Grows the hair as the program does at start-up, applies the options as the matching commands would,\n"
    "runs F frames (default 0), then writes the state as JSON to FILE and/or times each phase.\n";

namespace {

struct Range {
    double low, high;
};

// A number that fills the whole argument and lies within the range; whole numbers only where asked.
std::string readNumber(const char* name, const char* text, Range range, bool whole, double& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text, &end);
    if (*text == '\0' || *end != '\0' || errno != 0 || !std::isfinite(value))
        return std::string(name) + " needs a number, not \"" + text + "\"";
    if (whole && value != std::floor(value)) return std::string(name) + " needs a whole number, not " + text;
    if (value < range.low || value > range.high) {
        char message[160];
        std::snprintf(message, sizeof message, "%s must lie between %g and %g, not %s", name, range.low,
                      range.high, text);
        return message;
    }
    return "";
}

std::string readChoice(const char* name, const char* text, const char* first, const char* second,
                       const char* third, int codes[3], std::optional<int>& choice) {
    const char* names[3] = {first, second, third};
    for (int i = 0; i < 3; i++)
        if (names[i] && std::strcmp(text, names[i]) == 0) {
            choice = codes[i];
            return "";
        }
    return std::string(name) + " does not know \"" + text + "\"";
}

}  // namespace

std::string parseSimOptions(int argc, const char* const* argv, SimOptions& options) {
    for (int a = 1; a < argc; a++) {
        const char* name = argv[a];
        if (std::strcmp(name, "--help") == 0) {
            options.help = true;
            continue;
        }
        if (std::strcmp(name, "--bench") == 0) {
            options.bench = true;
            continue;
        }
        if (a + 1 >= argc) return std::strncmp(name, "--", 2) == 0 && std::strlen(name) > 2
                                      ? std::string(name) + " needs a value"
                                      : std::string("unknown option \"") + name + "\"";
        const char* text = argv[a + 1];
        std::string error;
        double value = 0;
        auto whole = [&](Range range, std::optional<int>& field) {
            error = readNumber(name, text, range, true, value);
            if (error.empty()) field = static_cast<int>(value);
        };
        auto real = [&](Range range, std::optional<float>& field) {
            error = readNumber(name, text, range, false, value);
            if (error.empty()) field = static_cast<float>(value);
        };
        if (std::strcmp(name, "--shape") == 0) {
            int codes[3] = {kShapePlane, kShapeSphere, kShapeTorus};
            error = readChoice(name, text, "plane", "sphere", "torus", codes, options.shape);
        } else if (std::strcmp(name, "--style") == 0) {
            int codes[3] = {kStyleMessy, kStyleCombed, 0};
            error = readChoice(name, text, "messy", "combed", nullptr, codes, options.style);
        } else if (std::strcmp(name, "--hairs") == 0) {
            whole({1, 20}, options.hairs);
        } else if (std::strcmp(name, "--length") == 0) {
            whole({1, 50}, options.length);
        } else if (std::strcmp(name, "--rest-angle") == 0) {
            whole({0, 90}, options.restAngle);
        } else if (std::strcmp(name, "--thickness") == 0) {
            real({0.5, 5}, options.thickness);
        } else if (std::strcmp(name, "--wind") == 0) {
            real({0, 0.2}, options.wind);
        } else if (std::strcmp(name, "--gravity") == 0) {
            real({-0.2, 0}, options.gravity);
        } else if (std::strcmp(name, "--damping") == 0) {
            real({0.001, 0.1}, options.damping);
        } else if (std::strcmp(name, "--frames") == 0) {
            std::optional<int> frames;
            whole({0, 1e9}, frames);
            options.frames = frames.value_or(0);
        } else if (std::strcmp(name, "--dump") == 0) {
            options.dumpPath = text;
        } else {
            return std::string("unknown option \"") + name + "\"";
        }
        if (!error.empty()) return error;
        a++;
    }
    return "";
}

void applySimOptions(HairModel& model, const SimOptions& options) {
    if (options.style) *options.style == kStyleCombed ? model.styleCombed() : model.styleMessy();
    if (options.length) model.applyLength(*options.length);
    if (options.restAngle) model.applyRestAngle(*options.restAngle);
    if (options.hairs) model.applyHairs(*options.hairs);
    if (options.shape == kShapePlane) model.makePlane();
    if (options.shape == kShapeSphere) model.makeSphere();
    if (options.shape == kShapeTorus) model.makeTorus();
    if (options.thickness) model.applyThickness(*options.thickness);
    if (options.wind) model.applyWind(*options.wind);
    if (options.gravity) model.applyGravity(*options.gravity);
    if (options.damping) model.applyDamping(*options.damping);
}
