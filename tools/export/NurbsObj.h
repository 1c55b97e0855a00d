// Every surface of the scene as its exact rational B-spline, in the free-form geometry of the OBJ format:
// the live strands' tubes and the sphere or torus as the model holds them, the plane's square as a bilinear
// patch. A CAD program receives the surfaces themselves, not a mesh.
#pragma once

#include <cstdio>
#include <string>

// Writes the surfaces as they stand after a frame; `header` opens the file as a comment.
void writeNurbsObj(const std::string& header, std::FILE* out);
