// Writing the model's state as JSON.
#include "sim/Dump.h"

#include "app/Settings.h"
#include "hair/HairStore.h"

namespace {

void writeFloats(std::FILE* out, const float* values, int count) {
    std::fputc('[', out);
    for (int i = 0; i < count; i++) std::fprintf(out, i ? ",%.9g" : "%.9g", values[i]);
    std::fputc(']', out);
}

void writeSettings(std::FILE* out) {
    std::fprintf(
        out,
        "\"settings\":{\"shapeType\":%d,\"hairStyle\":%d,\"restAngle\":%d,\"hairLength\":%d,"
        "\"hairDensity\":%d,\"thickness\":%.9g,\"wind\":%.9g,\"gravity\":%.9g,\"springConstant\":%.9g,"
        "\"damping\":%.9g,\"renderMode\":%d,\"zoomMode\":%d,\"showControlPolygons\":%s,"
        "\"showControlPolygon\":%s,\"rotateMode\":%s,\"translateMode\":%s}",
        shapeType, hairStyle, restAngle, hairLength, hairDensity, thickness, wind, gravity, springConstant,
        damping, renderMode, zoomMode, showControlPolygons ? "true" : "false",
        showControlPolygon ? "true" : "false", rotateMode ? "true" : "false",
        translateMode ? "true" : "false");
}

void writePoints(std::FILE* out) {
    std::fputs("\"points\":[", out);
    for (int i = 0; i < livePointCount(); i++) {
        const HairPoint& p = hairPoints[i];
        std::fputs(i ? ",{\"position\":" : "{\"position\":", out);
        writeFloats(out, p.position, 3);
        std::fputs(",\"velocity\":", out);
        writeFloats(out, p.velocity, 3);
        std::fprintf(out, ",\"mass\":%.9g,\"pinned\":%s}", p.mass, p.pinned ? "true" : "false");
    }
    std::fputc(']', out);
}

void writeSprings(std::FILE* out) {
    std::fputs("\"springs\":[", out);
    for (int i = 0; i < liveSpringCount(); i++) {
        const HairSpring& s = hairSprings[i];
        std::fprintf(out, "%s[%d,%d,%.9g,%.9g]", i ? "," : "", s.outer, s.inner, s.restLength, s.stiffness);
    }
    std::fputc(']', out);
}

// Every sample of the surface's grid as [x,y,z,nx,ny,nz,s,t], row by row.
void writeGrid(std::FILE* out, NurbsSurface& surface) {
    const std::vector<SurfaceVertex> grid = surface.evaluateGrid();
    std::fputc('[', out);
    for (size_t i = 0; i < grid.size(); i++) {
        if (i) std::fputc(',', out);
        writeFloats(out, &grid[i].x, 8);
    }
    std::fputc(']', out);
}

}  // namespace

void writeDump(std::FILE* out, int frames) {
    std::fputc('{', out);
    writeSettings(out);
    std::fprintf(out, ",\"frames\":%d,", frames);
    writePoints(out);
    std::fputc(',', out);
    writeSprings(out);
    if (isCurvedShape(shapeType)) {
        std::fputs(",\"shapeSamples\":", out);
        writeGrid(out, shapeSurface);
    }
    if (frames > 0) {
        std::fputs(",\"tubes\":[", out);
        for (int s = 0; s < liveStrandCount(); s++) {
            if (s) std::fputc(',', out);
            writeGrid(out, strandSurfaces[s]);
        }
        std::fputc(']', out);
    }
    std::fputs("}\n", out);
}
