// NurbsSurface: a rational tensor-product B-spline surface together with the tables that evaluate it on a
// fixed grid of samples. Record and lifecycle in NurbsSurface.cpp; the basis tables in BasisTables.cpp, the
// point and normal of a sample in SampleNormal.h, the row evaluation in RowEvaluation.cpp, tessellate in
// Tessellate.cpp; draw, the only OpenGL part, in the GL library (gl/nurbs/Draw.cpp).
#pragma once

#include <vector>

// One evaluated sample: point, unit normal and grid coordinates.
struct SurfaceVertex {
    float x, y, z;     // the Cartesian surface point
    float nx, ny, nz;  // unit normal, along dS/dv x dS/du or against it (NurbsSurface::normalFacing)
    float s, t;        // row / samplesU and sample / samplesV, accumulated in float
};

// Which way a surface turns its normals. Dv x Du alone faces different ways on different parts of the
// surfaces drawn here, and the view lights only normals that point into the solid.
enum NormalFacing : unsigned char {
    kNormalsAsEvaluated,   // Dv x Du as it comes (the torus: already toward its tube's centre circle)
    kNormalsTowardOrigin,  // flipped where it points away from the origin (the sphere, centred there)
    // Flipped where Du points toward -y: into the tube, for a tube swept along u by a ring that lies in a
    // horizontal plane and turns from +x toward +z with v (the strands). Kept where Du has no y part.
    kNormalsIntoTube,
};

class NurbsSurface {
public:
    // Empties every array; the integer fields and the facing keep their values.
    void release();
    // Copies the net (countU*countV homogeneous points x*w, y*w, z*w, w, u-major) and both knot vectors,
    // and builds every table for a grid of samplesU x samplesV intervals. Always returns 0. On a surface
    // that is set up with the same degrees, counts, knots and samples it only copies the net. The facing
    // stays as it was set where the surface was made.
    int setup(int degreeU, int degreeV, int countU, int countV, const float* points, const float* knotsU,
              const float* knotsV, int samplesU, int samplesV);
    void setSampling(int samplesU, int samplesV);
    // Set up with exactly these degrees, counts, knots (bit for bit) and samples.
    bool hasLayout(int degreeU, int degreeV, int countU, int countV, const float* knotsU, const float* knotsV,
                   int samplesU, int samplesV) const;

    void computeBasisCoefficients();  // BasisTables.cpp
    void computeSampleTables();
    void evaluateRow(int i, int parity, float s);  // RowEvaluation.cpp: row i into the slots of parity

    // Tessellate.cpp: one record per sample, record i*(samplesV+1) + j holding sample j of row i; empty
    // while not set up. tessellate also prints the number of records.
    std::vector<SurfaceVertex> tessellate();
    std::vector<SurfaceVertex> evaluateGrid();
    // gl/nurbs/Draw.cpp: samplesU triangle strips with a normal per vertex. Nothing while not set up.
    void draw();

    bool isSetUp() const { return samplesU != 0 && samplesV != 0 && !controlPoints.empty(); }

    int degreeU = 0;
    int degreeV = 0;
    int orderU = 0;  // degreeU + 1
    int orderV = 0;
    int knotCountU = 0;  // countU + orderU
    int knotCountV = 0;
    int countU = 0;  // control points along u
    int countV = 0;
    int spanCountU = 0;  // countU - degreeU: spans that carry the surface, one coefficient block each
    int spanCountV = 0;
    int samplesU = 0;  // sample intervals along u; 0 while not set up
    int samplesV = 0;
    // Largest sum over j of |sampleDerivU[i*orderU + j]| over the samples i, and the same for v: the size
    // of a derivative's basis terms, which scales the rounding residue that the row evaluation allows in it.
    float derivativeTermsU = 0.0f;
    float derivativeTermsV = 0.0f;
    // Every array is empty while the surface is not set up.
    // countU*countV*4: point (a, b) at (a*countV + b)*4, weights premultiplied.
    std::vector<float> controlPoints;
    // [(s*orderU + j)*orderU + k]: coefficient of t^k of function s+j on span degreeU+s.
    std::vector<float> basisCoefU;
    std::vector<float> basisCoefV;  // the same for v
    std::vector<float> knotsU;      // knotCountU values, non-decreasing
    std::vector<float> knotsV;      // knotCountV values
    // [i*orderU + j]: value at u sample i of function sampleSpanU[i]-degreeU+j.
    std::vector<float> sampleBasisU;
    std::vector<float> sampleDerivU;  // the same functions' derivatives d/du
    std::vector<float> sampleBasisV;  // [j*orderV + k]: the same for v
    std::vector<float> sampleDerivV;
    std::vector<float> isoPoints;  // orderV*4: the current span's control rows blended along u (row scratch)
    std::vector<float> isoDerivs;  // orderV*4: the same blended with the u derivatives
    std::vector<int> sampleSpanU;  // samplesU+1 entries, degreeU <= span <= countU-1
    std::vector<int> sampleSpanV;  // samplesV+1 entries
    std::vector<SurfaceVertex> vertexRing;  // 2*(samplesV+1): sample j of a row in slot 2j + (row parity)

    // Which way the evaluated normals are turned: set once, by whoever makes the surface (the sphere, the
    // torus, a strand's tube); setup and release leave it.
    NormalFacing normalFacing = kNormalsAsEvaluated;
};
