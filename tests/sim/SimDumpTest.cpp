// The dump of the real tresslow-sim read back: its points and surface samples equal, bit for bit, those of
// the program's model after the same commands run in this process (so every float also round-trips).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/HairModel.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

std::string runSimDump(const std::string& arguments) {
    const std::string path = testing::TempDir() + "tresslow-sim-dump.json";
    std::remove(path.c_str());
    const std::string command =
        std::string(TRESSLOW_SIM) + " " + arguments + " --dump " + path + " >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The numbers of the value after every "key": in the text, nested arrays flattened, each read as a float.
std::vector<float> numbersOf(const std::string& text, const std::string& key) {
    std::vector<float> values;
    const std::string marker = "\"" + key + "\":";
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at)) {
        const char* p = text.c_str() + at + marker.size();
        int depth = 0;
        do {
            if (*p == '[') {
                depth++;
            } else if (*p == ']') {
                depth--;
            } else if (*p != ',') {
                char* end = nullptr;
                values.push_back(std::strtof(p, &end));
                if (end == p) return values;  // not a number: the comparison shows where
                p = end - 1;
            }
            p++;
        } while (depth > 0);
        at = p - text.c_str();
    }
    return values;
}

std::vector<float> livePointField(float (HairPoint::*field)[3]) {
    std::vector<float> values;
    for (int i = 0; i < livePointCount(); i++)
        values.insert(values.end(), hairPoints[i].*field, hairPoints[i].*field + 3);
    return values;
}

void appendGrid(NurbsSurface& surface, std::vector<float>& values) {
    std::unique_ptr<SurfaceVertex[]> grid(surface.evaluateGrid());
    const int count = (surface.samplesU + 1) * (surface.samplesV + 1);
    for (int i = 0; i < count; i++) values.insert(values.end(), &grid[i].x, &grid[i].x + 8);
}

}  // namespace

TEST(SimDump, StartHoldsTheFirstHairThatTheProgramGrows) {
    const std::string dump = runSimDump("");
    resetAsNewProcess();
    HairModel model;
    EXPECT_EQ(numbersOf(dump, "position"), livePointField(&HairPoint::position));
    EXPECT_EQ(numbersOf(dump, "velocity"), std::vector<float>(24, 0.0f));
    EXPECT_EQ(numbersOf(dump, "mass"), std::vector<float>(8, 1.0f));
}

TEST(SimDump, FramesOnTheSphereEqualTheSameCommandsInProcess) {
    const std::string dump = runSimDump("--shape sphere --hairs 3 --wind 0.1 --frames 2");
    resetAsNewProcess();
    CaptureStdout();
    HairModel model;
    model.applyHairs(3);
    model.makeSphere();
    model.applyWind(0.1f);
    model.stepFrame();
    model.stepFrame();
    GetCapturedStdout();

    const std::vector<float> positions = livePointField(&HairPoint::position);
    ASSERT_EQ(positions.size(), 3u * 72);
    EXPECT_EQ(numbersOf(dump, "position"), positions);
    EXPECT_EQ(numbersOf(dump, "velocity"), livePointField(&HairPoint::velocity));
    std::vector<float> shape, tubes;
    appendGrid(shapeSurface, shape);
    for (int s = 0; s < liveStrandCount(); s++) appendGrid(strandSurfaces[s], tubes);
    EXPECT_EQ(numbersOf(dump, "shapeSamples"), shape);
    EXPECT_EQ(numbersOf(dump, "tubes"), tubes);
    EXPECT_EQ(tubes.size(), 9u * 121 * 8);
}
