// The view's scene as meshes: the triangle strips of every surface's grid unrolled into triangles, the
// square and the control polygons as the view sends them.
#include "export/ViewMesh.h"

#include <cstddef>

#include "hair/HairStore.h"
#include "view/SceneLook.h"

namespace {

// Adds triangle a, b, c wound counter-clockwise about its vertices' normals, where the exports' formats put
// the front of a face. The view draws consecutive strips in opposite windings and lights both sides alike,
// so which way a strip turns carries nothing; one winding for all keeps the surfaces whole in programs that
// cull back faces or light them from the other side. A triangle whose corners coincide keeps its order.
void addTriangle(FaceMesh& mesh, unsigned a, unsigned b, unsigned c) {
    const float* p = mesh.positions.data();
    const float* n = mesh.normals.data();
    float e1[3], e2[3], sum[3];
    for (int k = 0; k < 3; k++) {
        e1[k] = p[3 * b + k] - p[3 * a + k];
        e2[k] = p[3 * c + k] - p[3 * a + k];
        sum[k] = n[3 * a + k] + n[3 * b + k] + n[3 * c + k];
    }
    const float facing = (e1[1] * e2[2] - e1[2] * e2[1]) * sum[0] + (e1[2] * e2[0] - e1[0] * e2[2]) * sum[1] +
                         (e1[0] * e2[1] - e1[1] * e2[0]) * sum[2];
    mesh.faces.insert(mesh.faces.end(), {a, facing < 0 ? c : b, facing < 0 ? b : c});
}

// The grid's samples as vertices (evaluateGrid's records, row by row) and the triangles of its strips.
// Strip i, i = 1 .. samplesU, takes the vertex ring's slots in order, slot 2j + p holding sample j of the row
// of parity p: so it runs (i-1, 0), (i, 0), (i-1, 1), ... for odd i and (i, 0), (i-1, 0), (i, 1), ... for
// even i, and its k-th triangle is its vertices k, k+1, k+2, as OpenGL takes a strip.
void addGrid(FaceMesh& mesh, NurbsSurface& surface) {
    const unsigned first = mesh.vertexCount(), rowLength = surface.samplesV + 1;
    for (const SurfaceVertex& v : surface.evaluateGrid()) {
        mesh.positions.insert(mesh.positions.end(), {v.x, v.y, v.z});
        mesh.normals.insert(mesh.normals.end(), {v.nx, v.ny, v.nz});
    }
    std::vector<unsigned> strip(2 * rowLength);
    for (unsigned i = 1; i <= unsigned(surface.samplesU); i++) {
        for (unsigned slot = 0; slot < strip.size(); slot++) {
            const unsigned row = slot % 2 == i % 2 ? i : i - 1;
            strip[slot] = first + row * rowLength + slot / 2;
        }
        for (std::size_t k = 0; k + 2 < strip.size(); k++)
            addTriangle(mesh, strip[k], strip[k + 1], strip[k + 2]);
    }
}

void addSquare(FaceMesh& mesh) {
    for (const float* corner : kSquareCorners)
        mesh.positions.insert(mesh.positions.end(), corner, corner + 3);
    mesh.faces = {0, 1, 2, 3};
    mesh.cornersPerFace = 4;
}

void addVertex(ColouredVertices& vertices, const float* position, const float* colour) {
    vertices.positions.insert(vertices.positions.end(), position, position + 3);
    vertices.colours.insert(vertices.colours.end(), colour, colour + 3);
}

// Each strand's seven segments in their fading colours, counted on over all strands, then its points.
void addControlPolygons(ViewMesh& mesh) {
    float colour[3] = {1.0f, 1.0f, 1.0f};
    for (int s = 0; s < liveStrandCount(); s++) {
        const HairPoint* strand = hairPoints + kPointsPerStrand * s;
        for (int k = 0; k < kPointsPerStrand - 1; k++) {
            addVertex(mesh.segments, strand[k].position, colour);
            addVertex(mesh.segments, strand[k + 1].position, colour);
            fadeSegmentColour(colour);
        }
        for (int k = 0; k < kPointsPerStrand; k++)
            addVertex(mesh.points, strand[k].position, kControlPointColour);
    }
}

}  // namespace

ViewMesh captureViewMesh() {
    ViewMesh mesh;
    for (int s = 0; s < liveStrandCount(); s++) addGrid(mesh.hair, strandSurfaces[s]);
    mesh.shapeIsLit = isCurvedShape(shapeType);
    if (mesh.shapeIsLit) addGrid(mesh.shape, shapeSurface);
    if (shapeType == kShapePlane) addSquare(mesh.shape);
    if (showControlPolygons) addControlPolygons(mesh);
    return mesh;
}
