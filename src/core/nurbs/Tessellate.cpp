// Tessellation of a NurbsSurface: every sample of its grid as a SurfaceVertex record, row by row, through
// the same row evaluation that drawing uses.
#include <cstdio>

#include "nurbs/RowEvaluation.h"

SurfaceVertex* NurbsSurface::evaluateGrid() {
    if (!isSetUp()) return nullptr;
    // Room for 2*samplesU*(samplesV+1) records; the first (samplesU+1)*(samplesV+1) are filled, record
    // i*(samplesV+1) + j holding sample j of row i.
    SurfaceVertex* records = new SurfaceVertex[2 * samplesU * (samplesV + 1)];
    int count = 0;
    sweepRows(*this, [&](int, int parity) {
        for (int j = 0; j <= samplesV; ++j) records[count++] = vertexRing[2 * j + parity];
    });
    return records;
}

SurfaceVertex* NurbsSurface::tessellate() {
    SurfaceVertex* records = evaluateGrid();
    if (records) printf("ttotal = %d\n", (samplesU + 1) * (samplesV + 1));
    return records;
}
