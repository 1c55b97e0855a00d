// Reading a dump back with nlohmann-json: the text parsed into a tree, then every key, size, type and
// range checked as it is stored into the settings and the store. A refusal names its place in the file: a
// JSON pointer (/points/17/velocity/2), or the line and column where the text stops being JSON.
#include "sim/Resume.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <nlohmann/json.hpp>

#include "anim/StrandTubes.h"
#include "hair/HairStore.h"
#include "hair/SphereAndTorus.h"

namespace {

using nlohmann::json;

struct Refusal {
    std::string place, reason;  // no place: the whole file
};

// A value of the file and where it stands.
struct Node {
    const json& value;
    json::json_pointer place;

    Node operator[](const std::string& key) const { return {value.at(key), place / key}; }
    Node operator[](size_t index) const { return {value.at(index), place / index}; }
    // A number, a string or a flag is quoted in the message; an array or an object is not.
    [[noreturn]] void refuse(const std::string& reason) const {
        throw Refusal{place.to_string(), value.is_structured() ? reason : reason + ", not " + value.dump()};
    }
};

// The library's own tree builder, which also keeps where in the text parsing stopped: at a syntax error, or
// at a number too large for a double (1e999; JSON has no infinity, and no NaN).
struct LocatingParser : nlohmann::detail::json_sax_dom_parser<json> {
    using json_sax_dom_parser::json_sax_dom_parser;
    template <class Exception>
    bool parse_error(size_t position, const std::string&, const Exception& error) {
        stoppedAt = position;
        failure = error.what();
        return false;
    }
    size_t stoppedAt = 0;  // characters read, the one that failed included
    std::string failure;   // "[json.exception.NAME] what went wrong"
};

json parse(const std::string& text) {
    json tree;
    LocatingParser parser(tree, false);
    if (json::sax_parse(text, &parser)) return tree;
    const size_t end = std::min(parser.stoppedAt, text.size());
    const size_t lineStart = end == 0 ? 0 : text.rfind('\n', end - 1) + 1;  // npos + 1 on the first line
    std::string reason = parser.failure.substr(parser.failure.find("] ") + 2);
    if (reason.rfind("parse error", 0) == 0) reason.erase(0, reason.find(": ") + 2);  // its own place
    throw Refusal{"line " + std::to_string(std::count(text.begin(), text.begin() + lineStart, '\n') + 1) +
                      ", column " + std::to_string(std::max<size_t>(end - lineStart, 1)),
                  reason};
}

// An object of the `required` keys and of none but the `optional` ones besides.
void expectKeys(const Node& node, std::initializer_list<const char*> required,
                std::initializer_list<const char*> optional = {}) {
    if (!node.value.is_object()) node.refuse("needs an object");
    for (const auto& item : node.value.items()) {
        const auto named = [&](const char* key) { return item.key() == key; };
        if (std::none_of(required.begin(), required.end(), named) &&
            std::none_of(optional.begin(), optional.end(), named))
            Node{item.value(), node.place / item.key()}.refuse("is no key of a dump");
    }
    for (const char* key : required)
        if (!node.value.contains(key)) node.refuse("lacks \"" + std::string(key) + "\"");
}

void expectArray(const Node& node, size_t size) {
    if (!node.value.is_array()) node.refuse("needs an array");
    if (node.value.size() != size)
        node.refuse("needs " + std::to_string(size) + " entries, not " + std::to_string(node.value.size()));
}

// A bound as a float setting holds it: 0.1, not 0.100000001.
std::string shortest(double value) {
    char text[32];
    return {text, size_t(std::snprintf(text, sizeof text, "%.7g", value))};
}

int whole(const Node& node, double lowest, double highest) {
    if (!node.value.is_number_integer()) node.refuse("needs a whole number");
    const double value = node.value.get<double>();
    if (value < lowest || value > highest)
        node.refuse("must lie between " + std::to_string(int(lowest)) + " and " +
                    std::to_string(int(highest)));
    return static_cast<int>(value);
}

template <typename Code>
Code code(const Node& node, std::initializer_list<Code> codes) {
    const int value = whole(node, INT_MIN, INT_MAX);
    std::string names;
    for (const Code c : codes) {
        if (value == c) return c;
        names += (names.empty() ? "" : ", ") + std::to_string(c);
    }
    node.refuse("needs one of " + names);
}

bool flag(const Node& node) {
    if (!node.value.is_boolean()) node.refuse("needs true or false");
    return node.value.get<bool>();
}

// A number that a float holds, as that float: the dump's nine digits read back to the float written.
float number(const Node& node) {
    if (!node.value.is_number()) node.refuse("needs a number");
    const double value = node.value.get<double>();
    if (!(std::fabs(value) <= FLT_MAX)) node.refuse("needs a number that a float holds");
    return static_cast<float>(value);
}

// From lowest to highest, compared as the floats that the settings hold.
float within(const Node& node, double lowest, double highest) {
    const float value = number(node);
    if (value < static_cast<float>(lowest) || value > static_cast<float>(highest))
        node.refuse(lowest == highest ? "must be " + shortest(lowest)
                                      : "must lie between " + shortest(lowest) + " and " + shortest(highest));
    return value;
}

float slider(const Node& node, const SliderRow& row) { return within(node, row.minimum, row.maximum); }

// Wind and gravity change sign every frame: a dump holds the slider's value or its negative.
float signedSlider(const Node& node, const SliderRow& row) {
    const double largest = std::max(std::fabs(row.minimum), std::fabs(row.maximum));
    return within(node, -largest, largest);
}

// A mass or a stiffness: 0 or more. A rest length: more than 0, as the strain divides by it.
float notNegative(const Node& node, bool zeroAllowed) {
    const float value = number(node);
    if (value < 0 || (value == 0 && !zeroAllowed))
        node.refuse(zeroAllowed ? "must be 0 or more" : "must be more than 0");
    return value;
}

void readSettings(const Node& node) {
    expectKeys(node, {"shapeType", "hairStyle", "restAngle", "hairLength", "hairDensity", "thickness", "wind",
                      "gravity", "springConstant", "damping", "renderMode", "zoomMode", "showControlPolygons",
                      "showControlPolygon", "rotateMode", "translateMode"});
    shapeType = code(node["shapeType"], {kShapePlane, kShapeSphere, kShapeTorus});
    hairStyle = code(node["hairStyle"], {kStyleMessy, kStyleCombed});
    restAngle = whole(node["restAngle"], kRestAngleSlider.minimum, kRestAngleSlider.maximum);
    hairLength = whole(node["hairLength"], kLengthSlider.minimum, kLengthSlider.maximum);
    hairDensity = whole(node["hairDensity"], kHairsSlider.minimum, kHairsSlider.maximum);
    thickness = slider(node["thickness"], kThicknessSlider);
    wind = signedSlider(node["wind"], kWindSlider);
    gravity = signedSlider(node["gravity"], kGravitySlider);
    springConstant =
        within(node["springConstant"], kSpringConstant, kSpringConstant);  // as every frame sets it
    damping = slider(node["damping"], kDampingSlider);
    renderMode = code(node["renderMode"], {kRenderWireframe, kRenderSmooth});
    zoomMode = code(node["zoomMode"], {kZoomIn, kZoomOut, kNoZoom});
    showControlPolygons = flag(node["showControlPolygons"]);
    showControlPolygon = flag(node["showControlPolygon"]);
    rotateMode = flag(node["rotateMode"]);
    translateMode = flag(node["translateMode"]);
}

void readVector(const Node& node, float* vector) {
    expectArray(node, 3);
    for (size_t c = 0; c < 3; c++) vector[c] = number(node[c]);
}

// The live points, 8 n^2 for the file's n; the force is scratch that every evaluation recomputes.
void readPoints(const Node& node) {
    expectArray(node, livePointCount());
    for (int i = 0; i < livePointCount(); i++) {
        const Node point = node[i];
        expectKeys(point, {"position", "velocity", "mass", "pinned"});
        HairPoint& p = hairPoints[i];
        readVector(point["position"], p.position);
        readVector(point["velocity"], p.velocity);
        p.mass = notNegative(point["mass"], true);
        p.pinned = flag(point["pinned"]);
    }
}

// The live springs, 13 n^2, each joining two live points; a negative stiffness would push its ends apart
// without bound.
void readSprings(const Node& node) {
    expectArray(node, liveSpringCount());
    for (int s = 0; s < liveSpringCount(); s++) {
        const Node spring = node[s];
        expectArray(spring, 4);
        HairSpring& record = hairSprings[s];
        record.outer = whole(spring[0], 0, livePointCount() - 1);
        record.inner = whole(spring[1], 0, livePointCount() - 1);
        record.restLength = notNegative(spring[2], false);
        record.stiffness = notNegative(spring[3], true);
    }
}

// "" once `text` holds the whole file, else the system's reason.
std::string readFile(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::strerror(errno);
    char buffer[1 << 16];
    for (size_t count; (count = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, count);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    return error ? std::strerror(error) : "";
}

}  // namespace

std::string resumeState(const std::string& path, int framesToRun, int& frames) {
    std::string text;
    if (const std::string reason = readFile(path, text); !reason.empty())
        return "cannot read the state to resume \"" + path + "\": " + reason;
    try {
        const json tree = parse(text);
        const Node root{tree, json::json_pointer()};
        // The shape's samples and the tubes follow from the rest: they are made again, not read.
        expectKeys(root, {"settings", "frames", "points", "springs"}, {"shapeSamples", "tubes"});
        readSettings(root["settings"]);
        frames = whole(root["frames"], 0, INT_MAX - framesToRun);
        readPoints(root["points"]);
        readSprings(root["springs"]);
    } catch (const Refusal& refusal) {
        return "cannot resume from \"" + path + "\": " + refusal.place + (refusal.place.empty() ? "" : ": ") +
               refusal.reason;
    }
    if (isCurvedShape(shapeType)) hair::buildShapeSurface(shapeType);
    if (frames > 0) anim::updateHairShape();
    return "";
}
