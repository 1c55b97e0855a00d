// Soak of the command layer: 20,000 commands picked at random (every menu command, every slider at, next to
// and between its bounds), each followed by a frame, the live hair checked after every frame and the heap in
// use compared between frame 1,000 and frame 20,000. Release builds only: it runs for tens of seconds.
#include <gtest/gtest.h>
#include <malloc.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

constexpr int kCommands = 20000;
constexpr int kFirstMeasure = 1000;    // frames before the first heap measure
constexpr long kHeapSlack = 1L << 20;  // bytes the heap in use may move between the two measures
constexpr int kTubeSamples = 11 * 11;  // samples of a tube's grid: 10 x 10 intervals

struct MenuCommand {
    const char* name;
    void (HairModel::*run)();
};

const MenuCommand kMenuCommands[] = {
    {"loadHairData", &HairModel::loadHairData},
    {"saveHairData", &HairModel::saveHairData},
    {"makePlane", &HairModel::makePlane},
    {"makeSphere", &HairModel::makeSphere},
    {"makeTorus", &HairModel::makeTorus},
    {"styleMessy", &HairModel::styleMessy},
    {"styleCombed", &HairModel::styleCombed},
    {"toggleControlPolygons", &HairModel::toggleControlPolygons},
    {"toggleControlPolygon", &HairModel::toggleControlPolygon},
    {"setWireframe", &HairModel::setWireframe},
    {"setSmooth", &HairModel::setSmooth},
    {"toggleRotate", &HairModel::toggleRotate},
    {"toggleTranslate", &HairModel::toggleTranslate},
    {"zoomIn", &HairModel::zoomIn},
    {"zoomOut", &HairModel::zoomOut},
    {"noZoom", &HairModel::noZoom},
};
constexpr int kMenuCount = sizeof(kMenuCommands) / sizeof(kMenuCommands[0]);
constexpr int kTorusCommand = 4;

// Where a slider value falls: each slot's weight is its share of the picks.
enum Slot { kLowest, kAboveLowest, kBetween, kBelowHighest, kHighest, kSlotCount };

// A slider as its command sees it: values index / stepsPerUnit for every index from lowest to highest (the
// toolkit rounds a slider's value to a whole number of steps). An int setting takes the value truncated, a
// float setting rounded to single precision: exactly one of each pair of pointers is set.
struct SliderCommand {
    const char* name;
    int lowest, highest;
    double stepsPerUnit;
    void (HairModel::*applyWhole)(int);
    void (HairModel::*applyReal)(float);
    const int* wholeSetting;
    const float* realSetting;  // wind and gravity flip sign every frame
    double startValue;         // the slider's value at start-up
    const int* weights;        // kSlotCount weights
};

constexpr int kEvenly[kSlotCount] = {1, 1, 1, 1, 1};
// A frame at 400 strands costs ten times one at 20 or fewer: the dense end of "Hairs" is picked less often.
constexpr int kMostlySparse[kSlotCount] = {4, 4, 4, 1, 1};

const SliderCommand kSliders[] = {
    {"Length of Hair", 1, 50, 1, &HairModel::applyLength, nullptr, &hairLength, nullptr, 20, kEvenly},
    {"Rest Angle", 0, 90, 1, &HairModel::applyRestAngle, nullptr, &restAngle, nullptr, 45, kEvenly},
    {"Hairs", 1, 20, 1, &HairModel::applyHairs, nullptr, &hairDensity, nullptr, 1, kMostlySparse},
    {"Thickness", 5, 50, 10, nullptr, &HairModel::applyThickness, nullptr, &thickness, 1.0, kEvenly},
    {"Wind", 0, 20, 100, nullptr, &HairModel::applyWind, nullptr, &wind, 0.05, kEvenly},
    {"Gravity", -20, 0, 100, nullptr, &HairModel::applyGravity, nullptr, &gravity, -0.05, kEvenly},
    {"Damping", 1, 100, 1000, nullptr, &HairModel::applyDamping, nullptr, &damping, 0.01, kEvenly},
};
constexpr int kSliderCount = sizeof(kSliders) / sizeof(kSliders[0]);
constexpr int kHairsSlider = 2;

// The value a setting holds once its slider command has taken v.
double converted(const SliderCommand& slider, double v) {
    return slider.applyWhole ? double(static_cast<int>(v)) : double(static_cast<float>(v));
}

double storedSetting(const SliderCommand& slider) {
    return slider.wholeSetting ? double(*slider.wholeSetting) : double(*slider.realSetting);
}

void applySlider(HairModel& model, const SliderCommand& slider, double v) {
    if (slider.applyWhole) (model.*slider.applyWhole)(static_cast<int>(v));
    if (slider.applyReal) (model.*slider.applyReal)(static_cast<float>(v));
}

double sliderValue(const SliderCommand& slider, std::mt19937& rng) {
    int total = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) total += slider.weights[slot];
    int r = static_cast<int>(rng() % total);
    int slot = 0;
    while (r >= slider.weights[slot]) r -= slider.weights[slot++];
    const int between = slider.lowest + 2 + static_cast<int>(rng() % (slider.highest - slider.lowest - 3));
    const int index[kSlotCount] = {slider.lowest, slider.lowest + 1, between, slider.highest - 1,
                                   slider.highest};
    return index[slot] / slider.stepsPerUnit;
}

// One command: a menu entry (menu >= 0) or a slider moved to value.
struct Command {
    int menu = -1;
    int slider = -1;
    double value = 0;
};

Command randomCommand(std::mt19937& rng) {
    const int pick = static_cast<int>(rng() % (kMenuCount + kSliderCount));
    if (pick < kMenuCount) return {pick, -1, 0};
    const int slider = pick - kMenuCount;
    return {-1, slider, sliderValue(kSliders[slider], rng)};
}

bool finite3(const float* v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// The first fault of the live hair, or an empty string: counts, finite points and velocities, and every
// live tube set up on its 11 x 11 grid with finite samples.
std::string liveHairFault(int density) {
    if (hairDensity != density) return "hairDensity " + std::to_string(hairDensity);
    const int n2 = density * density;
    if (liveStrandCount() != n2 || livePointCount() != 8 * n2 || liveSpringCount() != 13 * n2)
        return "live counts do not follow hairDensity";
    for (int i = 0; i < livePointCount(); ++i) {
        if (!finite3(hairPoints[i].position) || !finite3(hairPoints[i].velocity))
            return "point " + std::to_string(i) + " not finite";
    }
    for (int s = 0; s < liveStrandCount(); ++s) {
        NurbsSurface& tube = strandSurfaces[s];
        if (!tube.isSetUp() || tube.samplesU != 10 || tube.samplesV != 10)
            return "tube " + std::to_string(s) + " not set up on 11 x 11 samples";
        std::unique_ptr<SurfaceVertex[]> samples(tube.evaluateGrid());
        for (int k = 0; k < kTubeSamples; ++k) {
            const SurfaceVertex& v = samples[k];
            if (!finite3(&v.x) || !finite3(&v.nx))
                return "tube " + std::to_string(s) + " sample " + std::to_string(k) + " not finite";
        }
    }
    return "";
}

// The first setting that no longer holds what its slider's command stored, or an empty string.
std::string settingFault(const double* applied) {
    for (int i = 0; i < kSliderCount; ++i) {
        const SliderCommand& slider = kSliders[i];
        if (std::fabs(storedSetting(slider)) != std::fabs(converted(slider, applied[i])))
            return std::string(slider.name) + " setting is " + std::to_string(storedSetting(slider));
    }
    return "";
}

long heapInUse() {
    return static_cast<long>(mallinfo2().uordblks);
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

int shapeSlot() {
    return shapeType == kShapePlane ? 0 : shapeType == kShapeSphere ? 1 : 2;
}

// Runs one frame and returns its first fault, or an empty string: a write beyond the live points, a fault
// of the live hair, a setting that lost its value. `beyondLive` is scratch for the records past the live
// part.
std::string frameFault(HairModel& model, const double* applied, std::vector<unsigned char>& beyondLive) {
    const int density = static_cast<int>(applied[kHairsSlider]);
    const size_t liveBytes = sizeof(HairPoint) * kPointsPerStrand * density * density;
    const unsigned char* records = reinterpret_cast<const unsigned char*>(hairPoints);
    std::memcpy(beyondLive.data(), records + liveBytes, sizeof(hairPoints) - liveBytes);
    model.stepFrame();
    if (std::memcmp(beyondLive.data(), records + liveBytes, sizeof(hairPoints) - liveBytes) != 0)
        return "the frame wrote beyond the live points";
    const std::string fault = liveHairFault(density);
    return fault.empty() ? settingFault(applied) : fault;
}

void runCommand(HairModel& model, const Command& command, double* applied) {
    if (command.menu >= 0) (model.*kMenuCommands[command.menu].run)();
    if (command.slider >= 0) {
        applySlider(model, kSliders[command.slider], command.value);
        applied[command.slider] = command.value;
    }
}

std::string describe(int c, const Command& command) {
    if (command.menu >= 0) return "command " + std::to_string(c) + " " + kMenuCommands[command.menu].name;
    return "command " + std::to_string(c) + " " + kSliders[command.slider].name + "(" +
           std::to_string(command.value) + ")";
}

using CommandSoakTest = DefaultSettingsTest;

TEST_F(CommandSoakTest, TwentyThousandRandomCommandsKeepTheHairSoundAndTheHeapFlat) {
    std::mt19937 rng(20240611u);
    double applied[kSliderCount];
    for (int i = 0; i < kSliderCount; ++i) applied[i] = kSliders[i].startValue;

    // Every array that outlives a command (the shape surface, all 400 tubes) exists before the first
    // measure, so that both measures see the same long-lived allocations.
    std::vector<Command> commands = {{kTorusCommand, -1, 0}, {-1, kHairsSlider, 20}};
    while (static_cast<int>(commands.size()) < kCommands) commands.push_back(randomCommand(rng));

    std::vector<unsigned char> beyondLive(sizeof(hairPoints));
    int boundFrames[3][2] = {};  // frames on the plane, sphere, torus at densities 1 and 20
    long heapAtFirstMeasure = 0, heapAtEnd = 0, residentAtFirstMeasure = 0, residentAtEnd = 0;
    std::string fault;
    const auto start = std::chrono::steady_clock::now();
    CaptureStdout();  // the commands' lines; restored before any assertion reports
    for (int c = 0; c < kCommands && fault.empty(); ++c) {
        runCommand(model, commands[c], applied);
        const std::string frame = frameFault(model, applied, beyondLive);
        if (!frame.empty()) fault = "after " + describe(c, commands[c]) + ": " + frame;
        if (hairDensity == 1 || hairDensity == 20) boundFrames[shapeSlot()][hairDensity == 20]++;
        if (c + 1 == kFirstMeasure) {
            heapAtFirstMeasure = heapInUse();
            residentAtFirstMeasure = residentKilobytes();
        }
    }
    heapAtEnd = heapInUse();
    residentAtEnd = residentKilobytes();
    GetCapturedStdout();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    ASSERT_EQ(fault, "");
    EXPECT_LE(std::labs(heapAtEnd - heapAtFirstMeasure), kHeapSlack)
        << "heap in use after 1,000 and 20,000 frames";
    for (int shape = 0; shape < 3; ++shape) {
        EXPECT_GT(boundFrames[shape][0], 0) << "no frame at 1 x 1 hairs on shape " << shape;
        EXPECT_GT(boundFrames[shape][1], 0) << "no frame at 20 x 20 hairs on shape " << shape;
    }
    std::printf(
        "soak: %d commands, %d frames (%d at 20 x 20 hairs) in %.1f s; heap in use %ld B after %d frames, "
        "%ld B after %d; VmRSS %ld kB, %ld kB\n",
        kCommands, kCommands, boundFrames[0][1] + boundFrames[1][1] + boundFrames[2][1], seconds,
        heapAtFirstMeasure, kFirstMeasure, heapAtEnd, kCommands, residentAtFirstMeasure, residentAtEnd);
}

}  // namespace
