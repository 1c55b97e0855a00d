// Lifecycle of a NurbsSurface: release of its arrays, setup from a control net and knots, and the sizing of
// the sample tables for a grid. The tables are filled in BasisTables.cpp.
#include "nurbs/NurbsSurface.h"

#include <algorithm>
#include <cstring>

void NurbsSurface::release() {
    // Swapped with empty vectors rather than cleared, so that the memory goes too.
    for (std::vector<float>* array :
         {&controlPoints, &knotsU, &knotsV, &basisCoefU, &basisCoefV, &sampleBasisU, &sampleDerivU,
          &sampleBasisV, &sampleDerivV, &isoPoints, &isoDerivs})
        std::vector<float>().swap(*array);
    std::vector<SurfaceVertex>().swap(vertexRing);
    std::vector<int>().swap(sampleSpanU);
    std::vector<int>().swap(sampleSpanV);
}

bool NurbsSurface::hasLayout(int newDegreeU, int newDegreeV, int newCountU, int newCountV,
                             const float* newKnotsU, const float* newKnotsV, int newSamplesU,
                             int newSamplesV) const {
    // Knots compare as bits: a zero of the other sign could change the sign of a zero coefficient.
    return isSetUp() && degreeU == newDegreeU && degreeV == newDegreeV && countU == newCountU &&
           countV == newCountV && samplesU == newSamplesU && samplesV == newSamplesV &&
           std::memcmp(knotsU.data(), newKnotsU, knotCountU * sizeof(float)) == 0 &&
           std::memcmp(knotsV.data(), newKnotsV, knotCountV * sizeof(float)) == 0;
}

int NurbsSurface::setup(int newDegreeU, int newDegreeV, int newCountU, int newCountV, const float* points,
                        const float* newKnotsU, const float* newKnotsV, int newSamplesU, int newSamplesV) {
    // The tables depend only on degrees, counts, knots and samples: the same layout again (every strand
    // tube on every frame) keeps them and takes the new points, with the same result as a full rebuild.
    if (!hasLayout(newDegreeU, newDegreeV, newCountU, newCountV, newKnotsU, newKnotsV, newSamplesU,
                   newSamplesV)) {
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

        controlPoints.resize(countU * countV * 4);
        knotsU.assign(newKnotsU, newKnotsU + knotCountU);
        knotsV.assign(newKnotsV, newKnotsV + knotCountV);
        basisCoefU.resize(orderU * orderU * spanCountU);
        basisCoefV.resize(orderV * orderV * spanCountV);
        isoPoints.resize(orderV * 4);
        isoDerivs.resize(orderV * 4);
        computeBasisCoefficients();
        setSampling(newSamplesU, newSamplesV);
    }
    std::copy(points, points + controlPoints.size(), controlPoints.begin());
    return 0;
}

void NurbsSurface::setSampling(int newSamplesU, int newSamplesV) {
    samplesU = newSamplesU;
    samplesV = newSamplesV;
    sampleBasisU.resize((samplesU + 1) * orderU);
    sampleDerivU.resize((samplesU + 1) * orderU);
    sampleBasisV.resize((samplesV + 1) * orderV);
    sampleDerivV.resize((samplesV + 1) * orderV);
    sampleSpanU.resize(samplesU + 1);
    sampleSpanV.resize(samplesV + 1);
    vertexRing.resize(2 * (samplesV + 1));
    computeSampleTables();
}
