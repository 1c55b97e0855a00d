// Lifecycle of a NurbsSurface: construction, release of its arrays, setup from a control net and knots,
// and the allocation of the sample tables for a grid. The tables are filled in BasisTables.cpp.
#include "nurbs/NurbsSurface.h"

#include <algorithm>
#include <cstring>

namespace {

// The one release idiom of the surface's arrays: if present, free, then null.
template <typename T>
void freeArray(T*& array) {
    if (array) {
        delete[] array;
        array = nullptr;
    }
}

}  // namespace

NurbsSurface::NurbsSurface() = default;

NurbsSurface::~NurbsSurface() { release(); }

void NurbsSurface::release() {
    freeArray(controlPoints);
    freeArray(knotsU);
    freeArray(knotsV);
    freeArray(basisCoefU);
    freeArray(basisCoefV);
    freeArray(sampleBasisU);
    freeArray(sampleDerivU);
    freeArray(sampleBasisV);
    freeArray(sampleDerivV);
    freeArray(isoPoints);
    freeArray(isoDerivs);
    freeArray(vertexRing);
    freeArray(sampleSpanU);
    freeArray(sampleSpanV);
}

bool NurbsSurface::hasLayout(int newDegreeU, int newDegreeV, int newCountU, int newCountV,
                             const float* newKnotsU, const float* newKnotsV, int newSamplesU,
                             int newSamplesV) const {
    // Knots compare as bits: a zero of the other sign could change the sign of a zero coefficient.
    return isSetUp() && degreeU == newDegreeU && degreeV == newDegreeV && countU == newCountU &&
           countV == newCountV && samplesU == newSamplesU && samplesV == newSamplesV &&
           std::memcmp(knotsU, newKnotsU, knotCountU * sizeof(float)) == 0 &&
           std::memcmp(knotsV, newKnotsV, knotCountV * sizeof(float)) == 0;
}

int NurbsSurface::setup(int newDegreeU, int newDegreeV, int newCountU, int newCountV, const float* points,
                        const float* newKnotsU, const float* newKnotsV, int newSamplesU, int newSamplesV) {
    // The tables depend only on degrees, counts, knots and samples: the same layout again (every strand
    // tube on every frame) keeps them and takes the new points, with the same result as a full rebuild.
    if (!hasLayout(newDegreeU, newDegreeV, newCountU, newCountV, newKnotsU, newKnotsV, newSamplesU,
                   newSamplesV)) {
        release();
        degreeU = newDegreeU;
        degreeV = newDegreeV;
        countU = newCountU;
        countV = newCountV;
        orderU = degreeU + 1;
        orderV = degreeV + 1;
        knotCountU = orderU + countU;
        knotCountV = orderV + countV;
        spanCountU = countU - degreeU;
        spanCountV = countV - degreeV;

        controlPoints = new float[countU * countV * 4];
        knotsU = new float[knotCountU];
        knotsV = new float[knotCountV];
        basisCoefU = new float[orderU * orderU * spanCountU];
        basisCoefV = new float[orderV * orderV * spanCountV];
        isoPoints = new float[orderV * 4];
        isoDerivs = new float[orderV * 4];
        std::copy(newKnotsU, newKnotsU + knotCountU, knotsU);
        std::copy(newKnotsV, newKnotsV + knotCountV, knotsV);
        computeBasisCoefficients();
        setSampling(newSamplesU, newSamplesV);
    }
    std::copy(points, points + countU * countV * 4, controlPoints);
    normalFacing = kNormalsAsEvaluated;
    return 0;
}

void NurbsSurface::setSampling(int newSamplesU, int newSamplesV) {
    samplesU = newSamplesU;
    samplesV = newSamplesV;
    freeArray(sampleBasisU);
    freeArray(sampleDerivU);
    freeArray(sampleBasisV);
    freeArray(sampleDerivV);
    freeArray(sampleSpanU);
    freeArray(sampleSpanV);
    freeArray(vertexRing);
    sampleBasisU = new float[(samplesU + 1) * orderU];
    sampleDerivU = new float[(samplesU + 1) * orderU];
    sampleBasisV = new float[(samplesV + 1) * orderV];
    sampleDerivV = new float[(samplesV + 1) * orderV];
    sampleSpanU = new int[samplesU + 1];
    sampleSpanV = new int[samplesV + 1];
    vertexRing = new SurfaceVertex[2 * (samplesV + 1)];
    computeSampleTables();
}
