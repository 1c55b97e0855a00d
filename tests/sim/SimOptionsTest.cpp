// tresslow-sim's command line: every option read into its field, every kind of bad input refused with one
// line, and the options applied in their fixed order with the commands' printed lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "sim/SimOptions.h"
#include "support/DefaultSettings.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

std::string parse(std::vector<const char*> args, SimOptions& options) {
    args.insert(args.begin(), "tresslow-sim");
    return parseSimOptions(static_cast<int>(args.size()), args.data(), options);
}

// Live point positions and velocities after a fresh start (settings and random stream as in a new process)
// followed by `commands`; the printed lines go to `printed`.
template <typename Commands>
std::vector<float> hairAfter(Commands commands, std::string& printed) {
    resetAsNewProcess();
    CaptureStdout();
    HairModel model;
    commands(model);
    printed = GetCapturedStdout();
    std::vector<float> hair;
    for (int i = 0; i < livePointCount(); i++) {
        hair.insert(hair.end(), hairPoints[i].position, hairPoints[i].position + 3);
        hair.insert(hair.end(), hairPoints[i].velocity, hairPoints[i].velocity + 3);
    }
    return hair;
}

}  // namespace

TEST(SimOptions, ReadsEveryOptionInEitherFormAtTheEndsOfItsRange) {
    SimOptions options;
    ASSERT_EQ(parse({"--shape",
                     "torus",
                     "--style=combed",
                     "--hairs",
                     "20",
                     "--length",
                     "1",
                     "--rest-angle=90",
                     "--thickness",
                     "0.5",
                     "--wind",
                     "0.2",
                     "--gravity",
                     "-0.2",
                     "--damping",
                     "0.001",
                     "--frames",
                     "3",
                     "--dump",
                     "out.json",
                     "--bench"},
                    options),
              "");
    EXPECT_EQ(options.shape, kShapeTorus);
    EXPECT_EQ(options.style, kStyleCombed);
    EXPECT_EQ(options.hairs, 20);
    EXPECT_EQ(options.length, 1);
    EXPECT_EQ(options.restAngle, 90);
    EXPECT_EQ(options.thickness, 0.5f);
    EXPECT_EQ(options.wind, 0.2f);
    EXPECT_EQ(options.gravity, -0.2f);
    EXPECT_EQ(options.damping, 0.001f);
    EXPECT_EQ(options.frames, 3);
    EXPECT_EQ(options.dumpPath, "out.json");
    EXPECT_TRUE(options.bench);
    EXPECT_FALSE(options.help);

    SimOptions none;
    ASSERT_EQ(parse({}, none), "");
    EXPECT_FALSE(none.shape || none.style || none.hairs || none.thickness || none.dumpPath);
    EXPECT_EQ(none.frames, 0);
}

TEST(SimOptions, RefusesBadInputWithOneLineThatNamesTheFault) {
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"--fast"}, "unknown option \"--fast\""},
        {{"--hairs"}, "--hairs needs a value"},
        {{"--dump", "--bench"}, "--dump needs a value"},
        {{"--length", "long"}, "--length needs a number, not \"long\""},
        {{"--wind", "0.1x"}, "--wind needs a number, not \"0.1x\""},
        {{"--damping", "nan"}, "--damping needs a number, not \"nan\""},
        {{"--hairs", "2.5"}, "--hairs needs a whole number, not \"2.5\""},
        {{"--hairs", "0"}, "--hairs must lie between 1 and 20, not \"0\""},
        {{"--hairs", "21"}, "--hairs must lie between 1 and 20, not \"21\""},
        {{"--length", "51"}, "--length must lie between 1 and 50, not \"51\""},
        {{"--rest-angle", "-1"}, "--rest-angle must lie between 0 and 90, not \"-1\""},
        {{"--thickness", "5.1"}, "--thickness must lie between 0.5 and 5, not \"5.1\""},
        {{"--wind", "-0.01"}, "--wind must lie between 0 and 0.2, not \"-0.01\""},
        {{"--gravity", "0.01"}, "--gravity must lie between -0.2 and 0, not \"0.01\""},
        {{"--damping", "0.0009"}, "--damping must lie between 0.001 and 0.1, not \"0.0009\""},
        {{"--shape", "cube"}, "--shape must be plane|sphere|torus, not \"cube\""},
        {{"--style", "curly"}, "--style must be messy|combed, not \"curly\""},
        {{"--frames", "-1"}, "negative frame count \"-1\""},
        {{"--frames", "1e10"}, "too many frames \"1e10\""},
        {{"--bench=yes"}, "--bench takes no value, not \"yes\""},
        {{"--bench", "yes"}, "--bench takes no value, not \"yes\""},
        {{"--hairs", "3", "4"}, "unexpected argument \"4\""},
        {{"--hairs", "3", "--hairs", "3"}, "--hairs is given twice"},
    };
    for (const auto& [args, expected] : cases) {
        SimOptions options;
        EXPECT_EQ(parse(args, options), expected);
    }
}

// The options reach the model in the fixed order whatever their order on the command line; the hair and
// the printed lines are those of the same commands fired one after the other.
TEST(SimOptions, AppliesLikeTheCommandsInTheirFixedOrder) {
    SimOptions options;
    ASSERT_EQ(
        parse({"--shape", "sphere", "--hairs", "3", "--rest-angle", "10", "--length", "30", "--style",
               "combed", "--thickness", "2.5", "--wind", "0.1", "--gravity", "-0.1", "--damping", "0.05"},
              options),
        "");
    std::string commandsPrinted, simPrinted;
    const std::vector<float> commandsHair = hairAfter(
        [](HairModel& model) {
            model.styleCombed();
            model.applyLength(30);
            model.applyRestAngle(10);
            model.applyHairs(3);
            model.makeSphere();
        },
        commandsPrinted);
    const std::vector<float> simHair =
        hairAfter([&](HairModel& model) { applySimOptions(model, options); }, simPrinted);
    EXPECT_EQ(simPrinted, "style = COMBED\nlength = 30\nrestAngle = 10\nttotal = 441\n");
    EXPECT_EQ(simPrinted, commandsPrinted);
    EXPECT_EQ(simHair, commandsHair);
    EXPECT_EQ(simHair.size(), 6u * 8 * 9);
    EXPECT_EQ(shapeType, kShapeSphere);
    EXPECT_EQ(hairStyle, kStyleCombed);
    EXPECT_EQ(hairDensity, 3);
    EXPECT_EQ(thickness, 2.5f);
    EXPECT_EQ(wind, 0.1f);
    EXPECT_EQ(gravity, -0.1f);
    EXPECT_EQ(damping, 0.05f);
}
