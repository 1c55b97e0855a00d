// Writing the view's meshes as OBJ: an object per mesh (hair, shape, controlPolygons) in its material, the
// faces with the normals as drawn, the control polygons as coloured lines and points. Their colours follow
// x y z on the vertex lines, an extension of OBJ that common importers read.
#include "export/ObjFile.h"

#include "export/ObjText.h"
#include "hair/HairStore.h"
#include "view/SceneLook.h"

namespace {

// The one-based numbers that the next vertex and the next normal will have in the file.
struct Numbering {
    unsigned vertex = 1, normal = 1;
};

void writeFaces(ObjText& obj, Numbering& next, const char* name, const FaceMesh& mesh) {
    obj << "o " << name << "\nusemtl " << name << '\n';
    for (size_t i = 0; i < mesh.positions.size(); i += 3) (obj << 'v').triple(&mesh.positions[i]) << '\n';
    for (size_t i = 0; i < mesh.normals.size(); i += 3) (obj << "vn").triple(&mesh.normals[i]) << '\n';
    for (size_t f = 0; f < mesh.faces.size(); f += mesh.cornersPerFace) {
        obj << 'f';
        for (int c = 0; c < mesh.cornersPerFace; c++) {
            obj << ' ' << next.vertex + mesh.faces[f + c];
            if (!mesh.normals.empty()) obj << "//" << next.normal + mesh.faces[f + c];
        }
        obj << '\n';
    }
    next.vertex += mesh.vertexCount();
    next.normal += mesh.normals.size() / 3;
}

// The vertices with their colours, then an `element` (l or p) of each `perElement` of them in turn.
void writeColoured(ObjText& obj, Numbering& next, const ColouredVertices& vertices, char element,
                   unsigned perElement) {
    const unsigned count = vertices.positions.size() / 3;
    for (unsigned i = 0; i < count; i++)
        (obj << 'v').triple(&vertices.positions[3 * i]).triple(&vertices.colours[3 * i]) << '\n';
    for (unsigned first = 0; first < count; first += perElement) {
        obj << element;
        for (unsigned i = first; i < first + perElement; i++) obj << ' ' << next.vertex + i;
        obj << '\n';
    }
    next.vertex += count;
}

void writeLit(ObjText& mtl, const char* name, const Material& material) {
    mtl << "newmtl " << name << "\nKa";
    mtl.triple(material.ambient) << "\nKd";
    mtl.triple(material.diffuse) << "\nKs";
    mtl.triple(material.specular) << "\nNs " << material.shininess * 128.0f << "\nillum 2\n";
}

// illum 0: the colour as it is, unlit.
void writeUnlit(ObjText& mtl, const char* name, const float* colour) {
    (mtl << "newmtl " << name << "\nKd").triple(colour) << "\nillum 0\n";
}

}  // namespace

void writeObj(const ViewMesh& mesh, const std::string& mtlName, const std::string& header, std::FILE* obj,
              std::FILE* mtl) {
    static constexpr float kWhite[3] = {1, 1, 1};
    ObjText objText, mtlText;
    objText << "# " << header << "\nmtllib " << mtlName << '\n';
    mtlText << "# " << header << '\n';
    Numbering next;
    writeFaces(objText, next, "hair", mesh.hair);
    writeLit(mtlText, "hair", kHairMaterial);
    if (!mesh.shape.faces.empty()) {
        writeFaces(objText, next, "shape", mesh.shape);
        mesh.shapeIsLit ? writeLit(mtlText, "shape", kShapeMaterial)
                        : writeUnlit(mtlText, "shape", kSquareColour);
    }
    if (!mesh.segments.positions.empty()) {
        objText << "o controlPolygons\nusemtl controlPolygons\n";
        writeColoured(objText, next, mesh.segments, 'l', 2);
        writeColoured(objText, next, mesh.points, 'p', kPointsPerStrand);
        writeUnlit(mtlText, "controlPolygons", kWhite);
    }
    objText.writeTo(obj);
    mtlText.writeTo(mtl);
}
