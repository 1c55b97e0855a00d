// tresslow-sim: the program's model without a window. Applies the options as the commands would, runs
// frames, and writes the state as JSON, pictures of the view, its geometry and surfaces, or times the
// phases. Status 2 and one line on stderr on bad input.
#include <cstdio>
#include <optional>

#include "app/HairModel.h"
#include "sim/ApplyOptions.h"
#include "sim/Dump.h"
#include "sim/Exports.h"
#include "sim/OutputFile.h"
#include "sim/PhaseBench.h"
#include "sim/Pictures.h"
#include "sim/SimOptions.h"

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);  // the commands' lines reach a pipe in order with the table
    SimOptions options;
    if (const std::optional<int> status = parseSimOptions(argc, argv, options)) return *status;

    // Every place is taken before anything runs, so an unwritable path or a missing OSMesa is bad input like
    // any other; what is not committed is removed when these go out of scope.
    std::optional<OutputFile> dump;
    Pictures pictures(options);
    Exports exports(options);
    std::string error = options.dumpPath ? dump.emplace("the dump file", *options.dumpPath).open() : "";
    if (error.empty()) error = pictures.open();
    if (error.empty()) error = exports.open();
    if (!error.empty()) {
        std::fprintf(stderr, "tresslow-sim: %s\n", error.c_str());
        return 2;
    }

    HairModel model;
    applySimOptions(model, options);
    for (int frame = 1; frame <= options.frames && error.empty(); frame++) {
        error = pictures.runFrame(model, frame);
        if (error.empty()) error = exports.afterFrame(frame);
    }
    if (error.empty() && dump) {
        writeDump(dump->stream(), options.frames);
        error = dump->commit();
    }
    if (!error.empty()) {
        std::fprintf(stderr, "tresslow-sim: %s\n", error.c_str());
        return 1;
    }
    if (options.bench) runPhaseBench(model);
    return 0;
}
