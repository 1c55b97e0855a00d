// Building the glTF scene of the view's meshes: one buffer, a view and accessor per array, three meshes
// (hair, shape, control polygons) in three nodes, and their materials.
#include "export/GlbFile.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>

#include "view/SceneLook.h"

namespace {

// OpenGL's Blinn-Phong exponent n becomes the microfacet width alpha = sqrt(2 / (n + 2)) that gives the
// same highlight (Walter et al. 2007), and glTF's roughness is sqrt(alpha).
double roughnessOf(const Material& material) {
    return std::pow(2.0 / (material.shininess * 128.0 + 2.0), 0.25);
}

// The diffuse colour as the base colour of a dielectric: the view's light is mostly diffuse, and a metal
// of that colour would show only what an environment map reflects. The ambient colour has no place in
// glTF (a viewer's environment light plays its part); the specular highlight keeps its size through the
// roughness. Double-sided, as the view draws every surface.
tinygltf::Material litMaterial(const char* name, const Material& material) {
    tinygltf::Material m;
    m.name = name;
    m.pbrMetallicRoughness.baseColorFactor.assign(material.diffuse, material.diffuse + 4);
    m.pbrMetallicRoughness.metallicFactor = 0;
    m.pbrMetallicRoughness.roughnessFactor = roughnessOf(material);
    m.doubleSided = true;
    return m;
}

// A colour drawn without lighting, as the view draws the square and the control polygons.
tinygltf::Material unlitMaterial(const char* name, const float* colour) {
    tinygltf::Material m;
    m.name = name;
    m.pbrMetallicRoughness.baseColorFactor = {colour[0], colour[1], colour[2], 1.0};
    m.pbrMetallicRoughness.metallicFactor = 0;
    m.doubleSided = true;
    m.extensions["KHR_materials_unlit"] = tinygltf::Value(tinygltf::Value::Object());
    return m;
}

class SceneBuilder {
public:
    explicit SceneBuilder(tinygltf::Model& model) : model_(model) { model_.buffers.emplace_back(); }

    // A mesh in a node of the scene, both named `name`.
    void addMesh(const char* name) {
        tinygltf::Mesh mesh;
        mesh.name = name;
        model_.meshes.push_back(mesh);
        tinygltf::Node node;
        node.name = name;
        node.mesh = static_cast<int>(model_.meshes.size() - 1);
        model_.nodes.push_back(node);
        model_.scenes[0].nodes.push_back(static_cast<int>(model_.nodes.size() - 1));
    }

    // A primitive of `mode` in the latest mesh, to be given its attributes.
    tinygltf::Primitive& addPrimitive(int mode, int material) {
        std::vector<tinygltf::Primitive>& primitives = model_.meshes.back().primitives;
        primitives.emplace_back();
        primitives.back().mode = mode;
        primitives.back().material = material;
        return primitives.back();
    }

    // Three floats per vertex; positions carry their bounds, which glTF asks of them.
    int addVectors(const std::vector<float>& values, bool withBounds) {
        const int accessor =
            addAccessor(values.data(), values.size() * sizeof(float), TINYGLTF_TARGET_ARRAY_BUFFER,
                        TINYGLTF_COMPONENT_TYPE_FLOAT, values.size() / 3, TINYGLTF_TYPE_VEC3);
        if (withBounds) {
            std::vector<double>& min = model_.accessors[accessor].minValues;
            std::vector<double>& max = model_.accessors[accessor].maxValues;
            min.assign(3, HUGE_VAL);
            max.assign(3, -HUGE_VAL);
            for (size_t i = 0; i < values.size(); i++) {
                min[i % 3] = std::min<double>(min[i % 3], values[i]);
                max[i % 3] = std::max<double>(max[i % 3], values[i]);
            }
        }
        return accessor;
    }

    // Vertex indices, in 16 bits where every index fits below 65535 (the value glTF reserves).
    int addIndices(const std::vector<unsigned>& indices, int vertexCount) {
        if (vertexCount > 65535)
            return addAccessor(indices.data(), indices.size() * 4, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER,
                               TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, indices.size(), TINYGLTF_TYPE_SCALAR);
        const std::vector<uint16_t> narrow(indices.begin(), indices.end());
        return addAccessor(narrow.data(), narrow.size() * 2, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER,
                           TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT, narrow.size(), TINYGLTF_TYPE_SCALAR);
    }

private:
    // The bytes as a view of the one buffer, at a 4-byte boundary, read by one accessor.
    int addAccessor(const void* bytes, size_t size, int target, int componentType, size_t count, int type) {
        std::vector<unsigned char>& data = model_.buffers[0].data;
        data.resize((data.size() + 3) / 4 * 4);
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = data.size();
        view.byteLength = size;
        view.target = target;
        data.insert(data.end(), static_cast<const unsigned char*>(bytes),
                    static_cast<const unsigned char*>(bytes) + size);
        model_.bufferViews.push_back(view);
        tinygltf::Accessor accessor;
        accessor.bufferView = static_cast<int>(model_.bufferViews.size() - 1);
        accessor.componentType = componentType;
        accessor.count = count;
        accessor.type = type;
        model_.accessors.push_back(accessor);
        return static_cast<int>(model_.accessors.size() - 1);
    }

    tinygltf::Model& model_;
};

enum MaterialIndex { kHair, kShape, kControlPolygons };

void addFaces(SceneBuilder& scene, const char* name, MaterialIndex material, const FaceMesh& mesh) {
    std::vector<unsigned> triangles;
    if (mesh.cornersPerFace == 3) triangles = mesh.faces;
    for (size_t f = 0; mesh.cornersPerFace == 4 && f < mesh.faces.size(); f += 4)
        triangles.insert(triangles.end(), {mesh.faces[f], mesh.faces[f + 1], mesh.faces[f + 2], mesh.faces[f],
                                           mesh.faces[f + 2], mesh.faces[f + 3]});
    scene.addMesh(name);
    tinygltf::Primitive& primitive = scene.addPrimitive(TINYGLTF_MODE_TRIANGLES, material);
    primitive.attributes["POSITION"] = scene.addVectors(mesh.positions, true);
    if (!mesh.normals.empty()) primitive.attributes["NORMAL"] = scene.addVectors(mesh.normals, false);
    primitive.indices = scene.addIndices(triangles, mesh.vertexCount());
}

// Segments or points, each vertex in its own colour (which multiplies the white base colour).
void addColoured(SceneBuilder& scene, int mode, const ColouredVertices& vertices) {
    tinygltf::Primitive& primitive = scene.addPrimitive(mode, kControlPolygons);
    primitive.attributes["POSITION"] = scene.addVectors(vertices.positions, true);
    primitive.attributes["COLOR_0"] = scene.addVectors(vertices.colours, false);
}

}  // namespace

std::string writeGlb(const ViewMesh& mesh, const std::string& generator, std::FILE* out) {
    static constexpr float kWhite[3] = {1, 1, 1};
    tinygltf::Model model;
    model.asset.version = "2.0";
    model.asset.generator = generator;
    model.scenes.emplace_back();
    model.defaultScene = 0;
    model.materials = {litMaterial("hair", kHairMaterial), mesh.shapeIsLit
                                                               ? litMaterial("shape", kShapeMaterial)
                                                               : unlitMaterial("shape", kSquareColour)};
    SceneBuilder scene(model);
    addFaces(scene, "hair", kHair, mesh.hair);
    if (!mesh.shape.faces.empty()) addFaces(scene, "shape", kShape, mesh.shape);
    if (!mesh.segments.positions.empty()) {
        model.materials.push_back(unlitMaterial("controlPolygons", kWhite));
        scene.addMesh("controlPolygons");
        addColoured(scene, TINYGLTF_MODE_LINE, mesh.segments);
        addColoured(scene, TINYGLTF_MODE_POINTS, mesh.points);
    }
    for (const tinygltf::Material& material : model.materials)
        if (material.extensions.count("KHR_materials_unlit")) model.extensionsUsed = {"KHR_materials_unlit"};
    std::ostringstream bytes;
    if (!tinygltf::TinyGLTF().WriteGltfSceneToStream(&model, bytes, false, true))
        return "tinygltf wrote nothing";
    const std::string file = bytes.str();
    std::fwrite(file.data(), 1, file.size(), out);
    return "";
}
