// Parsing and applying the options of tresslow-sim.
#include "sim/SimOptions.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/HairModel.h"
#include "app/Settings.h"

const char* const kSimUsage =
    "usage: tresslow-sim [--shape plane|sphere|torus] [--style messy|combed] [--hairs N] [--length L]\n"
    "                    [--rest-angle A] [--thickness T] [--wind W] [--gravity G] [--damping D]\n"
    "                    [--frames F] [--dump FILE] [--bench] [--help] [--version]\n"
    "Grows the hair as the program does at start-up, applies the options as the matching commands would\n"
    "(style, length, rest angle, hairs, shape, thickness, wind, gravity, damping), runs F frames (default "
    "0),\n"
    "then writes the state as JSON to FILE and/or times each phase. A value may also follow an '='.\n";

namespace {

// Reads an option's value into its field; returns the reason the value is wrong, or "".
using ReadValue = std::function<std::string(const std::string& name, const std::string& text)>;

struct OptionRule {
    const char* name;
    ReadValue read;        // for an option with a value
    bool* flag = nullptr;  // for an option without one
};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// A number that fills the whole text; a whole number where asked.
std::string readNumber(const std::string& name, const std::string& text, bool whole, double& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(value))
        return name + " needs a number, not " + quoted(text);
    if (whole && value != std::floor(value)) return name + " needs a whole number, not " + quoted(text);
    return "";
}

// A value within a 1e-4 step of a whole number of steps counts as one: that is far more than the rounding
// of a float written out in decimal, and far less than any value in between.
constexpr double kStepTolerance = 1e-4;

// Why `value` is no value that the slider can hold, or "".
std::string outsideSlider(const SliderSpec& slider, double value) {
    char reason[80] = "";
    const double steps = (value - slider.minimum) / slider.step;
    if (value < slider.minimum || value > slider.maximum) {
        std::snprintf(reason, sizeof reason, " must lie between %g and %g, not ", slider.minimum,
                      slider.maximum);
    } else if (std::fabs(steps - std::round(steps)) > kStepTolerance) {
        std::snprintf(reason, sizeof reason, " must be a whole number of steps of %g from %g, not ",
                      slider.step, slider.minimum);
    }
    return reason;
}

// A number that the slider can hold, whole for an int field, rounded to single for a float.
template <typename T>
ReadValue onSlider(const SliderSpec& slider, std::optional<T>& field) {
    return [&slider, &field](const std::string& name, const std::string& text) {
        double value = 0;
        std::string error = readNumber(name, text, std::is_integral_v<T>, value);
        if (error.empty()) {
            const std::string reason = outsideSlider(slider, value);
            if (!reason.empty()) error = name + reason + quoted(text);
        }
        if (error.empty()) field = static_cast<T>(value);
        return error;
    };
}

ReadValue frameCount(int& frames) {
    return [&frames](const std::string& name, const std::string& text) {
        double value = 0;
        std::string error = readNumber(name, text, true, value);
        if (error.empty() && value < 0) error = "negative frame count " + quoted(text);
        if (error.empty() && value > INT_MAX) error = "too many frames " + quoted(text);
        if (error.empty()) frames = static_cast<int>(value);
        return error;
    };
}

// One of the words, stored as its code.
ReadValue choice(std::vector<std::pair<std::string, int>> words, std::optional<int>& field) {
    return [words, &field](const std::string& name, const std::string& text) {
        std::string known;
        for (const auto& [word, code] : words) {
            if (text == word) {
                field = code;
                return std::string();
            }
            known += (known.empty() ? "" : "|") + word;
        }
        return name + " must be " + known + ", not " + quoted(text);
    };
}

}  // namespace

std::string parseSimOptions(int argc, const char* const* argv, SimOptions& options) {
    const std::vector<OptionRule> rules = {
        {"--shape",
         choice({{"plane", kShapePlane}, {"sphere", kShapeSphere}, {"torus", kShapeTorus}}, options.shape)},
        {"--style", choice({{"messy", kStyleMessy}, {"combed", kStyleCombed}}, options.style)},
        {"--hairs", onSlider(kHairsSlider, options.hairs)},
        {"--length", onSlider(kLengthSlider, options.length)},
        {"--rest-angle", onSlider(kRestAngleSlider, options.restAngle)},
        {"--thickness", onSlider(kThicknessSlider, options.thickness)},
        {"--wind", onSlider(kWindSlider, options.wind)},
        {"--gravity", onSlider(kGravitySlider, options.gravity)},
        {"--damping", onSlider(kDampingSlider, options.damping)},
        {"--frames", frameCount(options.frames)},
        {"--dump",
         [&](const std::string&, const std::string& text) {
             options.dumpPath = text;
             return std::string();
         }},
        {"--bench", nullptr, &options.bench},
        {"--help", nullptr, &options.help},
        {"--version", nullptr, &options.version},
    };
    std::set<std::string> seen;
    const char* lastFlag = nullptr;  // the previous argument when it was a flag
    for (int a = 1; a < argc; a++) {
        std::string name = argv[a];
        std::optional<std::string> value;  // the part after '=' of --name=value
        const size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto rule =
            std::find_if(rules.begin(), rules.end(), [&](const OptionRule& r) { return name == r.name; });
        if (rule == rules.end()) {
            if (name[0] == '-') return "unknown option " + quoted(name);
            if (lastFlag) return std::string(lastFlag) + " takes no value, not " + quoted(name);
            return "unexpected argument " + quoted(name);
        }
        if (!seen.insert(name).second) return name + " is given twice";
        lastFlag = nullptr;
        if (rule->flag) {
            if (value) return name + " takes no value, not " + quoted(*value);
            *rule->flag = true;
            lastFlag = rule->name;
            continue;
        }
        if (!value) {
            // A following option means this one's value is missing (negative numbers have one dash).
            if (a + 1 == argc || std::strncmp(argv[a + 1], "--", 2) == 0) return name + " needs a value";
            value = argv[++a];
        }
        const std::string error = rule->read(name, *value);
        if (!error.empty()) return error;
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
