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
#include "picture/OffscreenView.h"
#include "view/ViewState.h"

const char* const kSimUsage =
    "usage: tresslow-sim [--shape plane|sphere|torus] [--style messy|combed] [--hairs N] [--length L]\n"
    "                    [--rest-angle A] [--thickness T] [--wind W] [--gravity G] [--damping D]\n"
    "                    [--frames F] [--dump FILE] [--bench] [--help] [--version]\n"
    "                    [--png FILE] [--png-every K DIR] [--size WxH] [--smooth] [--control-polygons]\n"
    "                    [--zoom-in N] [--rotate DX,DY] [--translate DX,DY]\n"
    "Grows the hair as the program does at start-up, applies the options as the matching commands would\n"
    "(style, length, rest angle, hairs, shape, thickness, wind, gravity, damping), runs F frames (default "
    "0),\n"
    "then writes the state as JSON to FILE and/or times each phase. A value may also follow an '='.\n"
    "--png writes the picture that the window's view shows after F frames: each draw of the view is one, so\n"
    "the picture is the F-th draw (with --png, F is 1 unless given). --png-every writes "
    "DIR/frame-NNNNNN.png\n"
    "for every K-th frame. Pictures are 445 x 455 pixels unless --size, drawn off screen with Mesa's OSMesa\n"
    "(no X server), Wireframe unless --smooth. --control-polygons shows them; --zoom-in presses N times "
    "with\n"
    "Zoom In on; --rotate and --translate drag DX pixels right and DY down with Rotate or Translate on. The\n"
    "presses and drags step no frame here.\n";

namespace {

// Reads an option's value into its field; returns the reason the value is wrong, or "".
using ReadValue = std::function<std::string(const std::string& name, const std::string& text)>;

struct OptionRule {
    const char* name;
    ReadValue read;                 // for an option with a value
    bool* flag = nullptr;           // for an option without one
    std::string* second = nullptr;  // for an option with a second value: where it goes, as it is
};

// Bounds of the view's commands. 50 presses enlarge the scene 9100 times, a hair's width to the whole view.
constexpr int kMostZoomPresses = 50;
constexpr int kLongestDrag = 1000000;  // pixels; far beyond any screen, and a sum of two stays an int

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

// " must lie between low and high, not " where value lies outside, or "".
std::string outsideRange(double low, double high, double value) {
    if (value >= low && value <= high) return "";
    char reason[80];
    std::snprintf(reason, sizeof reason, " must lie between %.10g and %.10g, not ", low, high);
    return reason;
}

// Why `value` is no value that the slider can hold, or "".
std::string outsideSlider(const SliderRow& slider, double value) {
    const double steps = (value - slider.minimum) / slider.step;
    std::string reason = outsideRange(slider.minimum, slider.maximum, value);
    if (reason.empty() && std::fabs(steps - std::round(steps)) > kStepTolerance) {
        char text[80];
        std::snprintf(text, sizeof text, " must be a whole number of steps of %g from %g, not ", slider.step,
                      slider.minimum);
        reason = text;
    }
    return reason;
}

// A number that the slider can hold, whole for an int field, rounded to single for a float.
template <typename T>
ReadValue onSlider(const SliderRow& slider, std::optional<T>& field) {
    return [&slider, &field](const std::string& name, const std::string& text) {
        double value = 0;
        std::string error = readNumber(name, text, std::is_integral_v<T>, value);
        const std::string reason = error.empty() ? outsideSlider(slider, value) : "";
        if (!reason.empty()) error = name + reason + quoted(text);
        if (error.empty()) field = static_cast<T>(value);
        return error;
    };
}

// A whole number from lowest to highest.
ReadValue count(int lowest, int highest, int& field) {
    return [lowest, highest, &field](const std::string& name, const std::string& text) {
        double value = 0;
        std::string error = readNumber(name, text, true, value);
        const std::string reason = error.empty() ? outsideRange(lowest, highest, value) : "";
        if (!reason.empty()) error = name + reason + quoted(text);
        if (error.empty()) field = static_cast<int>(value);
        return error;
    };
}

// Two whole numbers joined by `separator` ("445x455", "-40,60"), each from lowest to highest.
ReadValue numberPair(char separator, int lowest, int highest, std::function<void(int, int)> store) {
    return [=](const std::string& name, const std::string& text) {
        const size_t at = text.find(separator);
        int first = 0, second = 0;
        std::string error =
            name + " needs two whole numbers joined by '" + separator + "', not " + quoted(text);
        if (at == std::string::npos) return error;
        error = count(lowest, highest, first)(name, text.substr(0, at));
        if (error.empty()) error = count(lowest, highest, second)(name, text.substr(at + 1));
        if (error.empty()) store(first, second);
        return error;
    };
}

// DX,DY of a drag.
ReadValue drag(std::optional<Drag>& field) {
    return numberPair(',', -kLongestDrag, kLongestDrag, [&field](int dx, int dy) { field = Drag{dx, dy}; });
}

ReadValue text(std::optional<std::string>& field) {
    return [&field](const std::string&, const std::string& value) {
        field = value;
        return std::string();
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

// A picture is a draw of the view, and every draw is a frame: without --frames, --png draws the first.
std::string checkFramesOfPictures(SimOptions& options, bool framesGiven) {
    if (options.pngPath && !framesGiven) options.frames = 1;
    if (options.pngPath && options.frames == 0)
        return "--png needs at least one frame: a draw of the view is one";
    if (options.pngEvery > options.frames)
        return "--png-every " + std::to_string(options.pngEvery) + " writes nothing in " +
               std::to_string(options.frames) + " frames";
    return "";
}

// A press in the middle of the view (view pixels count y up from the bottom edge), then a move by `drag`
// with the button down: the mouse's work between two draws of the window's view.
void dragInView(const SimOptions& options, const Drag& drag) {
    const int mx = options.width / 2, my = options.height / 2;
    view::pressView(mx, my);
    view::dragView(mx + drag.dx, my - drag.dy);
}

void applyViewOptions(HairModel& model, const SimOptions& options) {
    if (options.smooth) model.setSmooth();
    if (options.controlPolygons) model.toggleControlPolygons();
    if (options.rotateDrag) {
        model.toggleRotate();
        dragInView(options, *options.rotateDrag);
        model.toggleRotate();
    }
    if (options.translateDrag) {
        model.toggleTranslate();
        dragInView(options, *options.translateDrag);
        model.toggleTranslate();
    }
    if (options.zoomInPresses > 0) {
        model.zoomIn();
        for (int press = 0; press < options.zoomInPresses; press++)
            view::pressView(options.width / 2, options.height / 2);
        model.noZoom();
    }
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
        {"--frames", count(0, INT_MAX, options.frames)},
        {"--dump", text(options.dumpPath)},
        {"--png", text(options.pngPath)},
        {"--png-every", count(1, INT_MAX, options.pngEvery), nullptr, &options.filmFolder},
        {"--size", numberPair('x', 1, kMaxPictureSide,
                              [&](int width, int height) {
                                  options.width = width;
                                  options.height = height;
                              })},
        {"--smooth", nullptr, &options.smooth},
        {"--control-polygons", nullptr, &options.controlPolygons},
        {"--zoom-in", count(0, kMostZoomPresses, options.zoomInPresses)},
        {"--rotate", drag(options.rotateDrag)},
        {"--translate", drag(options.translateDrag)},
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
        if (rule->second) {
            if (a + 1 == argc || std::strncmp(argv[a + 1], "--", 2) == 0)
                return name + " needs a second value";
            *rule->second = argv[++a];
        }
    }
    return checkFramesOfPictures(options, seen.count("--frames") > 0);
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
    applyViewOptions(model, options);
}
