// tresslow-sim, the model without the window, held to the window's commands; its refusal of bad input.
#include <FL/Fl_Button.H>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>

#include "support/PanelFixture.h"

namespace {

using nlohmann::json;

const std::string kDump = testing::TempDir() + "tresslow-sim-" + std::to_string(getpid()) + ".json";

struct SimRun {
    int status;
    std::string out, err, dump;  // dump: "" when none was written
};

// The text of the file at `path` ("" when there is none), which is then removed.
std::string take(const std::string& path) {
    std::ifstream file(path);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    std::remove(path.c_str());
    return text;
}

// Runs tresslow-sim with `args` and its dump in `dump`.
SimRun runSim(const std::string& args, const std::string& dump = kDump) {
    FILE* pipe = popen((TRESSLOW_SIM " --dump " + dump + " " + args + " 2>" + kDump + ".err").c_str(), "r");
    std::string out;
    for (int c; (c = std::fgetc(pipe)) != EOF;) out += static_cast<char>(c);
    const int status = WEXITSTATUS(pclose(pipe));
    return {status, out, take(kDump + ".err"), take(dump)};
}

std::vector<float> positions(const std::string& dump) {
    std::vector<float> values;
    const json state = json::parse(dump);
    for (const json& point : state["points"])
        for (float c : point["position"]) values.push_back(c);
    return values;
}

// The sim grows the window's first hair, then applies its options in a fixed order as the commands do.
TEST_F(MainPanelUi, TresslowSimPrintsAndDumpsWhatTheSameCommandsGiveHere) {
    const std::string start = runSim("").dump;
    const std::string options =
        "--shape sphere --hairs 3 --rest-angle 30 --length 21 --style=combed --frames 2";
    const SimRun run = runSim(options);
    EXPECT_EQ(positions(start), livePositions());
    testing::internal::CaptureStdout();
    pick("Style/Combed");
    slide(mainPanel->lengthSlider, 21);
    slide(mainPanel->restAngleSlider, 30);
    slide(mainPanel->hairsSlider, 3);
    pick("Under Lying Shape/Sphere");
    EXPECT_EQ(run.out, testing::internal::GetCapturedStdout());
    for (int frame = 1; frame <= 2; frame++) mainPanel->renderButton->do_callback();
    EXPECT_EQ(positions(run.dump), livePositions());
    // n = 3: 13n² springs of four numbers, 441 shape samples and n² tubes of 121, 8 numbers each.
    const json dump = json::parse(run.dump);
    EXPECT_EQ(std::vector<size_t>({dump["springs"].flatten().size(), dump["shapeSamples"].flatten().size(),
                                   dump["tubes"].flatten().size()}),
              std::vector<size_t>({4 * 13 * 9, 8 * 441, 8 * 121 * 9}));
    EXPECT_EQ(runSim(options).dump, run.dump);
}

TEST(TresslowSim, RefusesBadInputWithOneLineAndPrintsItsUsageAndVersionOnRequest) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"--colour red", kDump, "not expected: red --colour"},
        // Whole numbers are digits after an optional minus: no exponent or sign.
        {"--hairs 1e1", kDump, "--hairs: needs a whole number, not \"1e1\""},
        {"--hairs +5", kDump, "--hairs: needs a whole number, not \"+5\""},
        {"--wind 0.3", kDump, "--wind: must lie between 0 and 0.2, not \"0.3\""},
        {"--thickness 2.35", kDump, "steps of 0.1 from 0.5,"},
        {"--shape cube", kDump, "--shape: must be plane|sphere|torus, not \"cube\""},
        {"--frames -1", kDump, "--frames: must lie between 0 and"},
        {"--seed 0", kDump, "--seed: must lie between 1 and 4294967295, not \"0\""},
        {"", "/proc/dump.json", "tresslow-sim: cannot write the dump file \"/proc/dump.json\""},
        {"--png --smooth", kDump, "--png: needs a path, not \"--smooth\""},  // a forgotten path
        // Pictures: sizes from 1 to 8192 pixels, a folder that exists, a frame to draw.
        {"--size 445x0 --png p.png", kDump, "--size: must lie between 1 and 8192, not \"0\""},
        {"--size 8193x455 --png p.png", kDump, "--size: must lie between 1 and 8192, not \"8193\""},
        {"--size 445 --png p.png", kDump, "--size: needs two whole numbers joined by 'x', not \"445\""},
        {"--rotate 1,2,3", kDump, "--rotate: needs two whole numbers joined by ',', not \"1,2,3\""},
        {"--zoom-in 51", kDump, "--zoom-in: must lie between 0 and 50"},
        {"--png /proc/p.png --frames 100000", kDump,
         "tresslow-sim: cannot write the picture \"/proc/p.png\""},
        {"--png p.png --frames 0", kDump, "--png needs at least one frame"},
        {"--png-every 2 --frames 4", kDump, "--png-every: needs a path, not \"--frames\""},
        {"--png-every 5 . --frames 4", kDump, "--png-every 5 draws nothing in 4 frames"},
        {"--png-every 2 /proc --frames 4", kDump, "tresslow-sim: cannot write pictures into \"/proc\""},
    };
    for (const auto& [arguments, dumpPath, reason] : cases) {
        const SimRun run = runSim(arguments, dumpPath);
        EXPECT_EQ(std::make_tuple(run.status, run.out, run.dump.empty()), std::make_tuple(2, "", true))
            << arguments;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    }
    // Whole steps, also as a float written out in decimal, are what the sliders hold, and each option
    // reaches its own setting; a whole number with a leading 0 is still decimal.
    const json settings =
        json::parse(runSim("--wind 0.15 --gravity=-0.1 --thickness 2.3 --damping 0.0500000007 --hairs 010")
                        .dump)["settings"];
    EXPECT_EQ(std::vector<float>({settings["wind"], settings["gravity"], settings["thickness"],
                                  settings["damping"], settings["hairDensity"]}),
              std::vector<float>({0.15f, -0.1f, 2.3f, 0.05f, 10}));
    // The usage and the version: printed, status 0, nothing run (no dump).
    const SimRun usage = runSim("-h"), version = runSim("--version");
    EXPECT_TRUE(usage.status == 0 && usage.dump.empty() &&
                usage.out.find("\nUsage: tresslow-sim [OPTIONS]\n") != std::string::npos)
        << usage.out;
    EXPECT_TRUE(version.status == 0 && version.dump.empty() &&
                std::regex_match(version.out, std::regex("tresslow-sim \\d+\\.\\d+\\.\\d+\n")))
        << version.out;
}

}  // namespace
