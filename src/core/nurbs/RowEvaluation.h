// The row sweep that drawing and tessellation share: every row of a surface's grid evaluated in order
// into the vertex ring (NurbsSurface::evaluateRow, in RowEvaluation.cpp).
#pragma once

#include "nurbs/NurbsSurface.h"

// Evaluates rows 0 .. samplesU in order with parity 0, 1, 0, ... and s accumulated by 1/samplesU, and calls
// visit(i, parity) as soon as row i lies in the ring slots of its parity (row i-1 still in the others).
template <typename Visit>
void sweepRows(NurbsSurface& surface, Visit visit) {
    const float ds = 1.0f / surface.samplesU;
    float s = 0.0f;
    int parity = 0;
    for (int i = 0; i <= surface.samplesU; ++i) {
        surface.evaluateRow(i, parity, s);
        s += ds;
        visit(i, parity);
        parity = 1 - parity;
    }
}
