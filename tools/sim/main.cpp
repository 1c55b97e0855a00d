// tresslow-sim: the program's model without a window. Applies the options as the commands would, or goes on
// from a dump, runs frames, and writes the state as JSON, measures of every frame, pictures of the view, its
// geometry and surfaces, or times the phases. Status 2 and one line on stderr on bad input.
#include <cstdio>
#include <optional>

#include "app/HairModel.h"
#include "hair/Random.h"
#include "sim/ApplyOptions.h"
#include "sim/Dump.h"
#include "sim/Exports.h"
#include "sim/OutputFile.h"
#include "sim/PhaseBench.h"
#include "sim/Pictures.h"
#include "sim/Resume.h"
#include "sim/SimOptions.h"
#include "sim/Stats.h"

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);  // the commands' lines reach a pipe in order with the table
    SimOptions options;
    if (const std::optional<int> status = parseSimOptions(argc, argv, options)) return *status;

    // A resumed state replaces the first hair, checked whole before any file is touched.
    if (options.seed) hair::seedRandom(*options.seed);
    HairModel model;
    int framesBefore = 0;
    std::string error =
        options.resumePath ? resumeState(*options.resumePath, options.frames, framesBefore) : "";
    if (error.empty() && options.resumePath) error = filmsThatDrawNothing(options, framesBefore);

    // Every place is taken before anything runs, so an unwritable path or a missing OSMesa is bad input like
    // any other; what is not committed is removed when these go out of scope.
    std::optional<OutputFile> dump, stats;
    Pictures pictures(options, framesBefore);
    Exports exports(options, framesBefore);
    if (error.empty() && options.dumpPath) error = dump.emplace("the dump file", *options.dumpPath).open();
    if (error.empty() && options.statsPath)
        error = stats.emplace("the stats file", *options.statsPath).open();
    if (error.empty()) error = pictures.open();
    if (error.empty()) error = exports.open();
    if (!error.empty()) {
        std::fprintf(stderr, "tresslow-sim: %s\n", error.c_str());
        return 2;
    }

    applySimOptions(model, options);
    if (stats) writeStatsHeader(stats->stream());
    const int lastFrame = framesBefore + options.frames;
    for (int frame = framesBefore + 1; frame <= lastFrame && error.empty(); frame++) {
        error = pictures.runFrame(model, frame);
        if (error.empty()) error = exports.afterFrame(frame);
        if (stats) writeStatsRow(stats->stream(), frame);
    }
    if (error.empty() && stats) error = stats->commit();
    if (error.empty() && dump) {
        writeDump(dump->stream(), lastFrame);
        error = dump->commit();
    }
    if (!error.empty()) {
        std::fprintf(stderr, "tresslow-sim: %s\n", error.c_str());
        return 1;
    }
    if (options.bench) runPhaseBench(model);
    return 0;
}
