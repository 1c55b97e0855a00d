// The main window built in process (no display until shown): its layout, its commands, tresslow-sim (the
// model without the window) held to them, and a soak of 20,000 random commands.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Value_Slider.H>
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/HairModel.h"
#include "app/MainPanel.h"
#include "app/Settings.h"
#include "hair/HairStore.h"
#include "support/DefaultSettings.h"

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

std::vector<float> livePositions() {
    std::vector<float> values;
    for (int i = 0; i < livePointCount(); i++)
        values.insert(values.end(), hairPoints[i].position, hairPoints[i].position + 3);
    return values;
}

class MainPanelUi : public testing::Test {
protected:
    static void SetUpTestSuite() { mainPanel = new MainPanel; }
    // A command fired as the toolkit fires it: a menu entry picked, a slider moved and its callback run.
    static void pick(const char* path) { mainPanel->menuBar->picked(mainPanel->menuBar->find_item(path)); }
    static void slide(Fl_Value_Slider* slider, double value) {
        slider->value(value);
        slider->do_callback();
    }
};

TEST_F(MainPanelUi, WindowWidgetsAndMenuStandAsLaidOut) {
    // The window, then its children in order; a slider with "minimum..maximum step s = value".
    std::string layout;
    for (int i = -1; i < mainPanel->window->children(); i++) {
        Fl_Widget* widget = i < 0 ? mainPanel->window : mainPanel->window->child(i);
        char line[160];
        const int n = std::snprintf(line, sizeof line, "%s %d %d %d %d", widget->label(), widget->x(),
                                    widget->y(), widget->w(), widget->h());
        if (auto* slider = dynamic_cast<Fl_Value_Slider*>(widget))
            std::snprintf(line + n, sizeof line - n, " %g..%g step %g = %g", slider->minimum(),
                          slider->maximum(), slider->step(), slider->value());
        layout += line + std::string("\n");
    }
    EXPECT_EQ(layout,
              "Tresslow 0 0 822 500\n"
              "menuBar 0 0 815 25\n"
              "XYZ 10 35 445 455\n"
              "Length of Hair 470 70 340 25 1..50 step 1 = 20\n"
              "Rest Angle 470 115 340 25 0..90 step 1 = 45\n"
              "Wind 470 335 340 25 0..0.2 step 0.01 = 0.05\n"
              "Gravity 470 280 340 25 -0.2..0 step 0.01 = -0.05\n"
              "Render Hair 45 510 135 35\n"
              "Damping 470 385 340 25 0.001..0.1 step 0.001 = 0.01\n"
              "Hairs 470 170 340 25 1..20 step 1 = 1\n"
              "Thickness 470 220 340 25 0.5..5 step 0.1 = 1\n");
    // A line per submenu: label, flags (64 submenu, 8 radio, 2 toggle, 128 divider, 4 marked), label colour.
    std::string menu;
    const Fl_Menu_Item* entries = mainPanel->menuBar->menu();
    for (const Fl_Menu_Item* entry = entries; entry < entries + mainPanel->menuBar->size(); entry++) {
        menu += entry->label() ? std::string(entry->label()) + " " + std::to_string(entry->flags) + " " +
                                     std::to_string(entry->labelcolor()) + ";"
                               : "\n";
    }
    EXPECT_EQ(menu,
              "File 64 176;Load Hair Data 0 178;Save Hair Data 0 203;\n"
              "Under Lying Shape 64 216;Plane 8 218;Sphere 8 242;Torus 8 234;\n"
              "Style 64 243;Messy 8 241;Combed 8 241;\n"
              "Model 64 232;Control Polygons 2 137;Control Polygon 130 153;Wireframe 8 177;Smooth 8 194;\n"
              "View 64 137;Rotate 2 138;Translate 2 138;Zoom In 8 209;Zoom Out 8 162;No Zoom 8 249;\n"
              "Exit 0 248;\n");
}

TEST_F(MainPanelUi, MenuCommandsWriteTheirSettingsRegrowAndPrint) {
    // The entry, the setting it writes and the value, what it prints, whether the hair grows anew.
    const std::tuple<const char*, int*, int, const char*, bool> rows[] = {
        {"Model/Smooth", &renderMode, kRenderSmooth, "", false},
        {"Under Lying Shape/Torus", &shapeType, kShapeTorus, "ttotal = 441\n", true},
        {"Style/Messy", &hairStyle, kStyleMessy, "style = MESSY\nttotal = 441\n", true},
        {"File/Load Hair Data", &shapeType, kShapeTorus, "", true},
    };
    for (const auto& [path, setting, value, printed, regrows] : rows) {
        const std::vector<float> hair = livePositions();
        testing::internal::CaptureStdout();
        pick(path);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), printed) << path;
        EXPECT_EQ(*setting, value) << path;
        EXPECT_EQ(livePositions() != hair, regrows) << path;
    }
    // "Hairs" beyond its range: the density is held to 1..20.
    for (auto [value, density] : {std::pair{0, 1}, std::pair{25, 20}}) {
        slide(mainPanel->hairsSlider, value);
        EXPECT_EQ(hairDensity, density);
    }
}

// The sim grows the window's first hair, then applies its options in a fixed order as the commands do.
TEST_F(MainPanelUi, TresslowSimPrintsAndDumpsWhatTheSameCommandsGiveHere) {
    const std::string start = std::get<3>(runSim(""));
    const std::string options =
        "--shape sphere --hairs 3 --rest-angle 30 --length 21 --style=combed --frames 2";
    const auto [status, out, err, dump] = runSim(options);
    resetAsNewProcess();
    HairModel model;
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

TEST(TresslowSim, RefusesBadInputWithOneLineAndPrintsItsUsageOnRequest) {
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"--colour red", kDump, "unknown option"},      {"--hairs", kDump, "needs a value"},
        {"--length long", kDump, "needs a number"},     {"--wind 0.3", kDump, "must lie between"},
        {"--frames -1", kDump, "negative frame count"}, {"", kDump + ".d/dump.json", "cannot write"},
    };
    for (const auto& [arguments, dumpPath, reason] : cases) {
        const auto [status, out, err, dump] = runSim(arguments, dumpPath);
        EXPECT_EQ(std::make_tuple(status, out, dump), std::make_tuple(2, "", "-\n")) << arguments;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
        EXPECT_NE(err.find(reason), std::string::npos) << err;
    }
    const auto [status, out, err, dump] = runSim("--help");
    EXPECT_EQ(std::make_tuple(status, out.substr(0, 20)), std::make_tuple(0, "usage: tresslow-sim "));
}

// Random menu entries (all but Exit) and slider values at, next to or between the bounds; a frame after each.
TEST_F(MainPanelUi, SoakOfTwentyThousandRandomCommandsKeepsTheHairSoundAndTheHeapFlat) {
    MainPanel& p = *mainPanel;
    std::vector<const Fl_Menu_Item*> entries;
    for (const Fl_Menu_Item* e = p.menuBar->menu(); e < p.menuBar->menu() + p.menuBar->size(); e++)
        if (e->callback() && std::strcmp(e->label(), "Exit")) entries.push_back(e);
    const std::vector<Fl_Value_Slider*> sliders = {p.lengthSlider,    p.restAngleSlider, p.hairsSlider,
                                                   p.thicknessSlider, p.windSlider,      p.gravitySlider,
                                                   p.dampingSlider};
    testing::internal::CaptureStdout();
    pick("Under Lying Shape/Torus");  // the torus and all 400 tubes exist before the first heap measure
    slide(p.hairsSlider, 20);
    static HairPoint beyond[kMaxPoints];
    std::mt19937 rng(20240611u);
    int shapesSeen = 0, c = 0;
    size_t heapAfterThousand = 0;
    for (; c < 20000; c++) {
        const size_t choice = rng() % (entries.size() + sliders.size());
        if (choice < entries.size()) {
            p.menuBar->picked(entries[choice]);
        } else {
            Fl_Value_Slider* slider = sliders[choice - entries.size()];
            const int steps = std::lround((slider->maximum() - slider->minimum()) / slider->step());
            const int index[] = {0, 1, 2 + static_cast<int>(rng() % (steps - 3)), steps - 1, steps};
            slide(slider, slider->round(slider->minimum() + index[rng() % 5] * slider->step()));
        }
        // Every live position, velocity, tube point and normal finite (exactly when their sum is).
        const int n = static_cast<int>(p.hairsSlider->value()), live = kPointsPerStrand * n * n;
        std::memcpy(beyond, hairPoints + live, sizeof(HairPoint) * (kMaxPoints - live));
        p.hairModel->stepFrame();
        double sum = 0;
        for (int i = 0; i < 3 * live; i++)
            sum += hairPoints[i / 3].position[i % 3] + hairPoints[i / 3].velocity[i % 3];
        for (int s = 0; s < n * n; s++) {
            std::unique_ptr<SurfaceVertex[]> v(strandSurfaces[s].evaluateGrid());
            for (int k = 0; k < 121; k++) sum += v[k].x + v[k].y + v[k].z + v[k].nx + v[k].ny + v[k].nz;
        }
        if (hairDensity != n || !std::isfinite(sum) ||
            std::memcmp(beyond, hairPoints + live, sizeof(HairPoint) * (kMaxPoints - live)) != 0)
            break;
        shapesSeen |= 1 << shapeType;
        if (c == 999) heapAfterThousand = mallinfo2().uordblks;
    }
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(c, 20000) << "the hair went wrong in the frame after this command";
    EXPECT_EQ(shapesSeen, 1 << kShapePlane | 1 << kShapeSphere | 1 << kShapeTorus);
    EXPECT_LE(std::labs(static_cast<long>(mallinfo2().uordblks - heapAfterThousand)), 1L << 20);
}

}  // namespace
