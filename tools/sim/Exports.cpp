// Where tresslow-sim's exports go and after which frames they are written.
#include "sim/Exports.h"

#include <cstdio>

#include "export/GlbFile.h"
#include "export/NurbsObj.h"
#include "export/ObjFile.h"

namespace {

const std::string kGenerator = "tresslow-sim " TRESSLOW_VERSION;

bool isObj(const std::string& path) {
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".obj") == 0;
}

// The material library beside an OBJ file: its name with .mtl for .obj.
std::string materialsPath(const std::string& objPath) {
    return objPath.substr(0, objPath.size() - 4) + ".mtl";
}

std::string header(int frame) { return kGenerator + ", after frame " + std::to_string(frame); }

std::string filmExportPath(const std::string& folder, int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06d.glb", frame);
    return folder + name;
}

std::string writeGlbFile(OutputFile& file) {
    const std::string failure = writeGlb(captureViewMesh(), kGenerator, file.stream());
    return failure.empty() ? file.commit() : file.abandon(failure);
}

}  // namespace

std::string Exports::open() {
    std::string error;
    if (options_.exportPath) {
        error = mesh_.emplace("the export", *options_.exportPath).open();
        if (error.empty() && isObj(*options_.exportPath))
            error = materials_.emplace("the export's materials", materialsPath(*options_.exportPath)).open();
    }
    if (error.empty() && options_.nurbsPath)
        error = nurbs_.emplace("the NURBS export", *options_.nurbsPath).open();
    if (error.empty() && options_.exportFilm)
        error = OutputFile::checkFolder("exports", options_.exportFilm->second);
    return error;
}

std::string Exports::afterFrame(int frame) {
    std::string error;
    if (options_.exportFilm && frame % options_.exportFilm->first == 0) {
        OutputFile film("the export", filmExportPath(options_.exportFilm->second, frame));
        error = film.open();
        if (error.empty()) error = writeGlbFile(film);
    }
    if (frame != framesBefore_ + options_.frames) return error;
    if (error.empty() && mesh_) error = writeMesh(frame);
    if (error.empty() && nurbs_) error = writeNurbs(frame);
    return error;
}

std::string Exports::writeMesh(int frame) {
    if (!materials_) return writeGlbFile(*mesh_);
    const std::string path = materialsPath(*options_.exportPath);
    writeObj(captureViewMesh(), path.substr(path.rfind('/') + 1), header(frame), mesh_->stream(),
             materials_->stream());
    const std::string error = materials_->commit();
    return error.empty() ? mesh_->commit() : error;
}

std::string Exports::writeNurbs(int frame) {
    writeNurbsObj(header(frame), nurbs_->stream());
    return nurbs_->commit();
}
