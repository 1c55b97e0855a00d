// What the view draws, as meshes in scene units for the exports: every live strand's tube and the sphere or
// torus as the triangles of their sample grids, the plane's square as one quad, and, when shown, the control
// polygons. Taken from the model's surfaces (their row evaluation), never through OpenGL.
#pragma once

#include <vector>

// Faces over vertices that each carry a position and, on the lit surfaces, the normal the view sends.
struct FaceMesh {
    std::vector<float> positions;  // x, y, z per vertex
    std::vector<float> normals;    // nx, ny, nz per vertex; empty on the unlit square
    std::vector<unsigned>
        faces;  // cornersPerFace vertex indices per face, counter-clockwise about the normals
    int cornersPerFace = 3;

    int vertexCount() const { return static_cast<int>(positions.size() / 3); }
};

// Unlit vertices, each with its own colour: the control polygons' segments and points.
struct ColouredVertices {
    std::vector<float> positions;  // x, y, z per vertex
    std::vector<float> colours;    // r, g, b per vertex, 0..1
};

struct ViewMesh {
    FaceMesh hair;              // the live tubes, strand by strand, each its grid's samples row by row
    FaceMesh shape;             // the sphere's or torus's grid, or the square; no faces without a shape
    bool shapeIsLit = false;    // the sphere or torus, drawn in the shape material; false for the square
    ColouredVertices segments;  // two vertices per segment, both in its colour; empty unless shown
    ColouredVertices points;    // every strand point once, in the points' blue; empty unless shown
};

// The scene of the view's next draw, as the model stands after a frame.
ViewMesh captureViewMesh();
