// tresslow-sim, the model without the window, held to the window's commands; its refusal of bad input.
#include <FL/Fl_Button.H>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include "app/HairModel.h"
#include "app/Settings.h"
#include "support/DefaultSettings.h"
#include "support/PanelFixture.h"

namespace {

const std::string kDump = testing::TempDir() + "tresslow-sim-" + std::to_string(getpid()) + ".json";

std::pair<int, std::string> shell(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    for (int c; (c = std::fgetc(pipe)) != EOF;) out += static_cast<char>(c);
    return {WEXITSTATUS(pclose(pipe)), out};
}

// Runs tresslow-sim with its dump in `dump`: its status, stdout, stderr and dump ("-" when none).
std::tuple<int, std::string, std::string, std::string> runSim(const std::string& args,
                                                              const std::string& dump = kDump) {
    const auto [status, out] = shell(TRESSLOW_SIM " --dump " + dump + " " + args + " 2>" + kDump + ".err");
    return {status, out, shell("cat " + kDump + ".err; rm " + kDump + ".err").second,
            shell("cat " + dump + " 2>/dev/null || echo -; rm -f " + dump).second};
}

// The numbers from every "key": of the dump to the next key, nested arrays flattened, as 32-bit floats.
std::vector<float> numbersOf(const std::string& dump, const std::string& key) {
    std::vector<float> values;
    const std::string marker = "\"" + key + "\":";
    for (size_t at = dump.find(marker); at != std::string::npos; at = dump.find(marker, at + 1)) {
        char* end = nullptr;
        for (const char* p = dump.c_str() + at + marker.size(); *p && *p != '"'; p = end > p ? end : p + 1) {
            const float value = std::strtof(p, &end);
            if (end > p) values.push_back(value);
        }
    }
    return values;
}

// The sim grows the window's first hair, then applies its options in a fixed order as the commands do.
TEST_F(MainPanelUi, TresslowSimPrintsAndDumpsWhatTheSameCommandsGiveHere) {
    const std::string start = std::get<3>(runSim(""));
    const std::string options =
        "--shape sphere --hairs 3 --rest-angle 30 --length 21 --style=combed --frames 2";
    const auto [status, out, err, dump] = runSim(options);
    EXPECT_EQ(numbersOf(start, "position"), livePositions());
    testing::internal::CaptureStdout();
    pick("Style/Combed");
    slide(mainPanel->lengthSlider, 21);
    slide(mainPanel->restAngleSlider, 30);
    slide(mainPanel->hairsSlider, 3);
    pick("Under Lying Shape/Sphere");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed, "style = COMBED\nlength = 21\nrestAngle = 30\nttotal = 441\n");
    EXPECT_EQ(out, printed);
    mainPanel->renderButton->do_callback();
    EXPECT_EQ(wind, -0.05f);
    mainPanel->renderButton->do_callback();
    EXPECT_EQ(numbersOf(dump, "position"), livePositions());
    // n = 3: 8n² points, 13n² springs of four numbers, 441 shape samples and n² tubes of 121, 8 numbers each.
    EXPECT_EQ(std::vector<size_t>({numbersOf(dump, "position").size(), numbersOf(dump, "springs").size(),
                                   numbersOf(dump, "shapeSamples").size(), numbersOf(dump, "tubes").size()}),
              std::vector<size_t>({3 * 8 * 9, 4 * 13 * 9, 8 * 441, 8 * 121 * 9}));
    EXPECT_EQ(std::get<3>(runSim(options)), dump);
}

TEST(TresslowSim, RefusesBadInputWithOneLineAndPrintsItsUsageAndVersionOnRequest) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"--colour red", kDump, "not expected: red --colour"},
        {"--hairs", kDump, "--hairs: 1 required INT missing"},
        // Whole numbers are digits after an optional minus: no exponent, sign or blank.
        {"--hairs 1e1", kDump, "--hairs: needs a whole number, not \"1e1\""},
        {"--hairs +5", kDump, "--hairs: needs a whole number, not \"+5\""},
        {"--hairs ' 5'", kDump, "--hairs: needs a whole number, not \" 5\""},
        {"--wind 0.3", kDump, "--wind: must lie between 0 and 0.2, not \"0.3\""},
        {"--wind 0.055", kDump, "steps of 0.01 from 0,"},
        {"--thickness 2.35", kDump, "steps of 0.1 from 0.5,"},
        {"--shape cube", kDump, "--shape: must be plane|sphere|torus, not \"cube\""},
        {"--frames -1", kDump, "--frames: must lie between 0 and"},
        {"", kDump + ".d/dump.json", "cannot write the dump file"},
        {"--png --smooth", kDump, "--png: needs a path, not \"--smooth\""},  // a forgotten path
        // Pictures: sizes from 1 to 8192 pixels, a folder that exists, a frame to draw.
        {"--size 0x455 --png p.png", kDump, "--size: must lie between 1 and 8192, not \"0\""},
        {"--size 445x-1 --png p.png", kDump, "--size: must lie between 1 and 8192, not \"-1\""},
        {"--size 8193x455 --png p.png", kDump, "--size: must lie between 1 and 8192, not \"8193\""},
        {"--size 445 --png p.png", kDump, "--size: needs two whole numbers joined by 'x', not \"445\""},
        {"--rotate 1,2,3", kDump, "--rotate: needs two whole numbers joined by ',', not \"1,2,3\""},
        {"--zoom-in 51", kDump, "--zoom-in: must lie between 0 and 50"},
        {"--png " + kDump + ".d/p.png", kDump, "cannot write the picture"},
        {"--png .", kDump, "it is a folder"},
        {"--png p.png --frames 0", kDump, "--png needs at least one frame"},
        {"--png-every 2 --frames 4", kDump, "--png-every: needs a path, not \"--frames\""},
        {"--png-every 5 . --frames 4", kDump, "--png-every 5 draws nothing in 4 frames"},
        {"--png-every 2 " + kDump + ".d --frames 4", kDump, "cannot write pictures into"},
    };
    for (const auto& [arguments, dumpPath, reason] : cases) {
        const auto [status, out, err, dump] = runSim(arguments, dumpPath);
        EXPECT_EQ(std::make_tuple(status, out, dump), std::make_tuple(2, "", "-\n")) << arguments;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
        EXPECT_NE(err.find(reason), std::string::npos) << err;
    }
    // Whole steps, also as a float written out in decimal, are what the sliders hold, and each option
    // reaches its own setting; a whole number with a leading 0 is still decimal.
    const std::string dump =
        std::get<3>(runSim("--wind 0.15 --gravity=-0.1 --thickness 2.3 --damping 0.0500000007 --hairs 010"));
    EXPECT_EQ(std::vector<float>({numbersOf(dump, "wind")[0], numbersOf(dump, "gravity")[0],
                                  numbersOf(dump, "thickness")[0], numbersOf(dump, "damping")[0],
                                  numbersOf(dump, "hairDensity")[0]}),
              std::vector<float>({0.15f, -0.1f, 2.3f, 0.05f, 10}));
    // -h and --help print the same usage, generated from the options.
    const auto usage = runSim("-h");
    EXPECT_EQ(usage, runSim("--help"));
    EXPECT_EQ(std::get<0>(usage), 0);
    EXPECT_NE(std::get<1>(usage).find("Usage: tresslow-sim [OPTIONS]"), std::string::npos)
        << std::get<1>(usage);
    // One line with the version, and nothing run: no dump.
    const auto [versionStatus, version, versionErr, versionDump] = runSim("--version");
    int major, minor, patch;
    char end = 0;
    EXPECT_EQ(std::sscanf(version.c_str(), "tresslow-sim %d.%d.%d%c", &major, &minor, &patch, &end), 4)
        << version;
    EXPECT_EQ(std::make_tuple(end, version.find('\n')), std::make_tuple('\n', version.size() - 1)) << version;
    EXPECT_EQ(std::make_tuple(versionStatus, versionErr, versionDump), std::make_tuple(0, "", "-\n"));
}

}  // namespace
