// The view's meshes as a binary glTF 2.0 file (.glb), written with tinygltf.
#pragma once

#include <cstdio>
#include <string>

#include "export/ViewMesh.h"

// Writes `mesh` into `out`: "" or the reason it could not. `generator` names the program in the file.
std::string writeGlb(const ViewMesh& mesh, const std::string& generator, std::FILE* out);
