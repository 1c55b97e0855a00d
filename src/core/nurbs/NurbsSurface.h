// NurbsSurface: a rational tensor-product B-spline surface together with the tables that evaluate it on a
// fixed grid of samples. Record and lifecycle in NurbsSurface.cpp; the basis tables in BasisTables.cpp, the
// row evaluation in RowEvaluation.cpp, tessellate in Tessellate.cpp; draw, the only OpenGL part, in the GL
// library (gl/nurbs/Draw.cpp).
#pragma once

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
    NurbsSurface();
    ~NurbsSurface();
    NurbsSurface(const NurbsSurface&) = delete;
    NurbsSurface& operator=(const NurbsSurface&) = delete;

    // Frees every array and nulls its pointer; the integer fields keep their values.
    void release();
    // Copies the net (countU*countV homogeneous points x*w, y*w, z*w, w, u-major) and both knot vectors,
    // and builds every table for a grid of samplesU x samplesV intervals. Always returns 0. On a surface
    // that is set up with the same degrees, counts, knots and samples it only copies the net.
    int setup(int degreeU, int degreeV, int countU, int countV, const float* points, const float* knotsU,
              const float* knotsV, int samplesU, int samplesV);
    void setSampling(int samplesU, int samplesV);
    // Set up with exactly these degrees, counts, knots (bit for bit) and samples.
    bool hasLayout(int degreeU, int degreeV, int countU, int countV, const float* knotsU, const float* knotsV,
                   int samplesU, int samplesV) const;

    void computeBasisCoefficients();  // BasisTables.cpp
    void computeSampleTables();
    void evaluateRow(int i, int parity, float s);  // RowEvaluation.cpp: row i into the slots of parity

    // Tessellate.cpp: one record per sample, row-major; the caller delete[]s it. Null while not set up.
    // tessellate also prints the number of records.
    SurfaceVertex* tessellate();
    SurfaceVertex* evaluateGrid();
    // gl/nurbs/Draw.cpp: samplesU triangle strips with a normal per vertex. Nothing while not set up.
    void draw();

    bool isSetUp() const { return samplesU != 0 && samplesV != 0 && controlPoints != nullptr; }

    // countU*countV*4: point (a, b) at (a*countV + b)*4, weights premultiplied.
    float* controlPoints = nullptr;
    // [(s*orderU + j)*orderU + k]: coefficient of t^k of function s+j on span degreeU+s.
    float* basisCoefU = nullptr;
    float* basisCoefV = nullptr;  // the same for v
    float* knotsU = nullptr;      // knotCountU values, non-decreasing
    float* knotsV = nullptr;      // knotCountV values
    // [i*orderU + j]: value at u sample i of function sampleSpanU[i]-degreeU+j.
    float* sampleBasisU = nullptr;
    float* sampleDerivU = nullptr;  // the same functions' derivatives d/du
    float* sampleBasisV = nullptr;  // [j*orderV + k]: the same for v
    float* sampleDerivV = nullptr;
    float* isoPoints = nullptr;  // orderV*4: the current span's control rows blended along u (row scratch)
    float* isoDerivs = nullptr;  // orderV*4: the same blended with the u derivatives
    int* sampleSpanU = nullptr;  // samplesU+1 entries, degreeU <= span <= countU-1
    int* sampleSpanV = nullptr;  // samplesV+1 entries
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
    SurfaceVertex* vertexRing = nullptr;  // 2*(samplesV+1): sample j of a row in slot 2j + (row parity)

    // Which way the evaluated normals are turned; setup resets it to kNormalsAsEvaluated.
    NormalFacing normalFacing = kNormalsAsEvaluated;
};
