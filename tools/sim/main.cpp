// tresslow-sim: the program's model without a window. Applies the options as the commands would, runs
// frames, and writes the state as JSON, pictures of the view, or times the phases. Status 2 and one line
// on stderr on bad input.
#include <cstdio>

#include "app/HairModel.h"
#include "sim/Dump.h"
#include "sim/PhaseBench.h"
#include "sim/Pictures.h"
#include "sim/SimOptions.h"

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);  // the commands' lines reach a pipe in order with the table
    SimOptions options;
    const std::string error = parseSimOptions(argc, argv, options);
    if (!error.empty()) {
        std::fprintf(stderr, "tresslow-sim: %s (see --help)\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::puts("tresslow-sim " TRESSLOW_VERSION);
        return 0;
    }
    // Opened before anything runs, so an unwritable path or a missing OSMesa is bad input like any other.
    Pictures pictures(options);
    const std::string pictureError = pictures.open();
    if (!pictureError.empty()) {
        std::fprintf(stderr, "tresslow-sim: %s\n", pictureError.c_str());
        return 2;
    }
    std::FILE* dump = nullptr;
    if (options.dumpPath && !(dump = std::fopen(options.dumpPath->c_str(), "w"))) {
        std::fprintf(stderr, "tresslow-sim: cannot write the dump file \"%s\"\n", options.dumpPath->c_str());
        return 2;
    }

    HairModel model;
    applySimOptions(model, options);
    for (int frame = 1; frame <= options.frames; frame++) {
        const std::string failed = pictures.runFrame(model, frame);
        if (!failed.empty()) {
            std::fprintf(stderr, "tresslow-sim: %s\n", failed.c_str());
            if (dump) {  // not begun: it would be left empty
                std::fclose(dump);
                std::remove(options.dumpPath->c_str());
            }
            return 1;
        }
    }
    if (dump) {
        writeDump(dump, options.frames);
        if (std::ferror(dump) | std::fclose(dump)) {
            std::fprintf(stderr, "tresslow-sim: writing the dump file \"%s\" failed\n",
                         options.dumpPath->c_str());
            return 1;
        }
    }
    if (options.bench) runPhaseBench(model);
    return 0;
}
