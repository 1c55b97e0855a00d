// Tessellation of a NurbsSurface: every sample of its grid as a SurfaceVertex record, row by row, through
// the same row evaluation that drawing uses.
#include <cstdio>

#include "nurbs/RowEvaluation.h"

std::vector<SurfaceVertex> NurbsSurface::evaluateGrid() {
    std::vector<SurfaceVertex> records;
    if (!isSetUp()) return records;
    records.reserve((samplesU + 1) * (samplesV + 1));
    sweepRows(*this, [&](int, int parity) {
        for (int j = 0; j <= samplesV; ++j) records.push_back(vertexRing[2 * j + parity]);
    });
    return records;
}

std::vector<SurfaceVertex> NurbsSurface::tessellate() {
    std::vector<SurfaceVertex> records = evaluateGrid();
    if (!records.empty()) printf("ttotal = %d\n", static_cast<int>(records.size()));
    return records;
}
