// Parsing the options of tresslow-sim with CLI11: each option's type, check and line of --help together.
#include "sim/SimOptions.h"

#include <CLI/CLI.hpp>
#include <climits>
#include <cmath>
#include <cstdio>

#include "picture/OffscreenView.h"

// Reads "445x455" or "-40,60", as numberPair has checked it.
std::istream& operator>>(std::istream& in, NumberPair& pair) { return in >> pair.x, in.get(), in >> pair.y; }

namespace {

constexpr int kMostZoomPresses = 50;     // enlarge the scene 9100 times: a hair's width to the whole view
constexpr int kLongestDrag = 1000000;    // pixels; far beyond any screen, and a sum of two stays an int
constexpr double kStepTolerance = 1e-4;  // of a step: above a float's decimal rounding, below any gap

// The options that set what a dump holds (the hair, the settings, the view's modes) or how the hair grows:
// with --resume all of that comes from the file. Every other option runs, writes, times or looks.
constexpr const char* kResumedStateOptions[] = {
    "--shape", "--style",   "--hairs",   "--length", "--rest-angle",       "--thickness",
    "--wind",  "--gravity", "--damping", "--smooth", "--control-polygons", "--seed"};

std::string shortest(double v) {
    char text[32];
    return {text, size_t(std::snprintf(text, 32, "%.10g", v))};
}

// A number from lowest to highest, a whole number of steps from lowest. A whole one is digits after an
// optional minus (no sign, blank, exponent or base), rewritten as plain digits (no octal after a 0).
CLI::Validator number(double lowest, double highest, double step = 1, bool whole = true) {
    const auto check = [=](std::string& text) {
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end), steps = (value - lowest) / step;
        std::string reason;
        if (text.empty() || *end || !std::isfinite(value) ||
            text.find_first_not_of(whole ? "-0123456789" : "-0123456789.eE") != std::string::npos)
            reason = whole ? "needs a whole number" : "needs a number";
        else if (value < lowest || value > highest)
            reason = "must lie between " + shortest(lowest) + " and " + shortest(highest);
        else if (std::fabs(steps - std::round(steps)) > kStepTolerance)
            reason = "must be a whole number of steps of " + shortest(step) + " from " + shortest(lowest);
        if (whole && reason.empty()) text = shortest(value);
        return reason.empty() ? reason : reason + ", not \"" + text + "\"";
    };
    return CLI::Validator(check, "");
}

// Two whole numbers joined by `separator` ("445x455", "-40,60"), each from lowest to highest.
CLI::Validator numberPair(char separator, int lowest, int highest) {
    const auto check = [=](std::string& text) {
        const size_t at = text.find(separator);
        if (at == std::string::npos || text.find(separator, at + 1) != std::string::npos)
            return "needs two whole numbers joined by " + std::string{'\'', separator, '\''} + ", not \"" +
                   text + "\"";
        std::string x = text.substr(0, at), y = text.substr(at + 1), reason = number(lowest, highest)(x);
        if (reason.empty()) reason = number(lowest, highest)(y);
        return reason;
    };
    return CLI::Validator(check, "");
}

// A path whose name ends in one of `endings`, or "-" where `dash` allows standard output.
CLI::Validator fileEnding(std::vector<std::string> endings, bool dash) {
    const auto check = [=](std::string& text) {
        for (const std::string& ending : endings)
            if (text.size() > ending.size() &&
                text.compare(text.size() - ending.size(), ending.size(), ending) == 0)
                return std::string();
        if (dash && text == "-") return std::string();
        std::string names;
        for (const std::string& ending : endings) names += (names.empty() ? "" : " or ") + ending;
        return "needs a file name ending in " + names + (dash ? " (or -)" : "") + ", not \"" + text + "\"";
    };
    return CLI::Validator(check, "");
}

// An option that takes one of the words, stored as its code.
template <typename Code>
void addChoice(CLI::App& app, const char* name, std::optional<Code>& field,
               std::vector<std::pair<std::string, Code>> words) {
    std::string names;
    for (const auto& word : words) names += (names.empty() ? "" : "|") + word.first;
    const auto toCode = [=](std::string& text) {
        for (const auto& [word, code] : words)
            if (text == word) return (text = std::to_string(code), std::string());
        return "must be " + names + ", not \"" + text + "\"";
    };
    app.add_option(name, field)->transform(CLI::Validator(toCode, ""))->type_name(names);
}

// A slider's option: a value that it can hold, whole where its setting is.
template <typename T>
void addSlider(CLI::App& app, const char* name, std::optional<T>& field, const SliderRow& slider) {
    app.add_option(name, field, "the " + std::string(slider.label) + " slider")
        ->transform(number(slider.minimum, slider.maximum, slider.step, std::is_integral_v<T>));
}

}  // namespace

std::string filmsThatDrawNothing(const SimOptions& o, int framesBefore) {
    for (const auto& [name, film] :
         {std::pair{"--png-every", o.film}, std::pair{"--export-every", o.exportFilm}}) {
        // No multiple of K among the frames framesBefore + 1 .. framesBefore + F.
        if (!film || (framesBefore + o.frames) / film->first != framesBefore / film->first) continue;
        const std::string drawsNothing =
            std::string(name) + " " + std::to_string(film->first) + " draws nothing in ";
        return framesBefore ? drawsNothing + "the " + std::to_string(o.frames) + " frames after frame " +
                                  std::to_string(framesBefore)
                            : drawsNothing + std::to_string(o.frames) + " frames";
    }
    return "";
}

std::optional<int> parseSimOptions(int argc, const char* const* argv, SimOptions& o) {
    CLI::App app(
        "Runs Tresslow's hair model without a window, as its commands would, and writes what it shows.\n"
        "FILE may be - for standard output (not for --export). More in the manual page: man tresslow-sim\n",
        "tresslow-sim");
    app.set_version_flag("--version", "tresslow-sim " TRESSLOW_VERSION);
    addChoice<ShapeCode>(app, "--shape", o.shape,
                         {{"plane", kShapePlane}, {"sphere", kShapeSphere}, {"torus", kShapeTorus}});
    addChoice<StyleCode>(app, "--style", o.style, {{"messy", kStyleMessy}, {"combed", kStyleCombed}});
    addSlider(app, "--hairs", o.hairs, kHairsSlider);
    addSlider(app, "--length", o.length, kLengthSlider);
    addSlider(app, "--rest-angle", o.restAngle, kRestAngleSlider);
    addSlider(app, "--thickness", o.thickness, kThicknessSlider);
    addSlider(app, "--wind", o.wind, kWindSlider);
    addSlider(app, "--gravity", o.gravity, kGravitySlider);
    addSlider(app, "--damping", o.damping, kDampingSlider);
    const CLI::Option* frames =
        app.add_option("--frames", o.frames, "default 0, or 1 with --png or an export")
            ->transform(number(0, INT_MAX));
    // A forgotten path would take the next option as its value.
    const CLI::Validator path(
        [](std::string& t) { return t.rfind("--", 0) ? "" : "needs a path, not \"" + t + "\""; }, "");
    app.add_option("--dump", o.dumpPath, "the state after the last frame")->check(path)->type_name("FILE");
    app.add_flag("--bench", o.bench, "times each phase of a frame");
    app.add_option("--png", o.pngPath, "the view after the last frame")->check(path)->type_name("FILE");
    app.add_option("--png-every", o.film, "the view after every K-th frame, as DIR/frame-NNNNNN.png")
        ->transform(number(1, INT_MAX).application_index(0))
        ->check(path.application_index(1))
        ->type_name("K DIR");
    app.add_option("--export", o.exportPath, "the view's geometry after the last frame, as glTF or OBJ")
        ->check(path)
        ->check(fileEnding({".glb", ".obj"}, false))
        ->type_name("FILE.glb|FILE.obj");
    app.add_option("--export-every", o.exportFilm,
                   "the geometry after every K-th frame, as DIR/frame-NNNNNN.glb")
        ->transform(number(1, INT_MAX).application_index(0))
        ->check(path.application_index(1))
        ->type_name("K DIR");
    app.add_option("--export-nurbs", o.nurbsPath, "every surface after the last frame, as OBJ free-form")
        ->check(path)
        ->check(fileEnding({".obj"}, true))
        ->type_name("FILE.obj");
    const CLI::Validator size = numberPair('x', 1, kMaxPictureSide),
                         drag = numberPair(',', -kLongestDrag, kLongestDrag);
    app.add_option("--size", o.size, "of the pictures: 445x455")->transform(size)->type_name("WxH");
    app.add_flag("--smooth", o.smooth, "Model/Smooth, else Wireframe");
    app.add_flag("--control-polygons", o.controlPolygons, "Model/Control Polygons");
    app.add_option("--zoom-in", o.zoomInPresses, "Zoom In presses")->transform(number(0, kMostZoomPresses));
    app.add_option("--rotate", o.rotateDrag, "drag with Rotate")->transform(drag)->type_name("DX,DY");
    app.add_option("--translate", o.translateDrag, "drag with Translate")
        ->transform(drag)
        ->type_name("DX,DY");
    app.add_option("--stats", o.statsPath, "measures of the motion after every frame, as CSV")
        ->check(path)
        ->type_name("FILE");
    app.add_option("--seed", o.seed, "the hair's random stream starts from N, not 1")
        ->transform(number(1, UINT32_MAX));
    app.add_option("--resume", o.resumePath, "goes on from the state of a --dump: F more frames")
        ->check(path)
        ->type_name("FILE");

    std::string reason;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);  // --help or --version, printed
        reason = error.what();
    }
    // A picture is a draw of the view, and every draw is a frame: without --frames, --png draws the first,
    // and the exports write what it shows.
    const char* lastFrameOption = o.pngPath      ? "--png"
                                  : o.exportPath ? "--export"
                                  : o.nurbsPath  ? "--export-nurbs"
                                                 : nullptr;
    if (lastFrameOption && !frames->count()) o.frames = 1;
    if (reason.empty() && lastFrameOption && o.frames == 0)
        reason = std::string(lastFrameOption) + " needs at least one frame to draw";
    for (const char* name : kResumedStateOptions)
        if (reason.empty() && o.resumePath && app.count(name))
            reason = std::string(name) +
                     " cannot be given with --resume: the hair and the settings come from the file";
    // A resumed run's frames are numbered on from the file's: main checks the films once it has read it.
    if (reason.empty() && !o.resumePath) reason = filmsThatDrawNothing(o, 0);
    if (reason.empty()) return std::nullopt;
    std::fprintf(stderr, "tresslow-sim: %s (see --help)\n", reason.c_str());
    return 2;
}
