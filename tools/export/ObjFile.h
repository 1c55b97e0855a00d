// The view's meshes as a Wavefront OBJ file and its material library (MTL).
#pragma once

#include <cstdio>
#include <string>

#include "export/ViewMesh.h"

// Writes `mesh` into `obj`, naming its materials' file `mtlName` (beside it), and those materials into
// `mtl`. `header` opens each file as a comment.
void writeObj(const ViewMesh& mesh, const std::string& mtlName, const std::string& header, std::FILE* obj,
              std::FILE* mtl);
