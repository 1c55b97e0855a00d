// Where tresslow-sim's pictures go, and which frames are drawn.
#include "sim/Pictures.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/HairModel.h"

namespace {

bool isFolder(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// "" when new files can be made in `folder`, else why not.
std::string whyNotWritable(const std::string& folder) {
    if (!isFolder(folder)) return "no folder \"" + folder + "\"";
    if (access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    return "";
}

std::string checkPicturePath(const std::string& path) {
    const size_t slash = path.rfind('/');
    std::string reason = path.empty() || path.back() == '/' ? "no file name" : "";
    if (reason.empty() && isFolder(path)) reason = "it is a folder";
    if (reason.empty())
        reason = whyNotWritable(slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash));
    return reason.empty() ? "" : "cannot write the picture \"" + path + "\": " + reason;
}

std::string filmPicturePath(const std::string& folder, int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06d.png", frame);
    return folder + name;
}

}  // namespace

std::string Pictures::open() {
    if (!options_.pngPath && options_.pngEvery == 0) return "";
    std::string error = options_.pngPath ? checkPicturePath(*options_.pngPath) : "";
    if (error.empty() && options_.pngEvery > 0) {
        const std::string reason = whyNotWritable(options_.filmFolder);
        if (!reason.empty()) error = "cannot write pictures into \"" + options_.filmFolder + "\": " + reason;
    }
    if (error.empty()) view_ = openOffscreenView(options_.width, options_.height, error);
    return error;
}

std::string Pictures::runFrame(HairModel& model, int frame) {
    if (!isFilmFrame(frame) && !isLastPicture(frame)) {
        model.stepFrame();
        return "";
    }
    view_->draw(model);
    std::string error =
        isFilmFrame(frame) ? view_->writePng(filmPicturePath(options_.filmFolder, frame)) : "";
    if (error.empty() && isLastPicture(frame)) error = view_->writePng(*options_.pngPath);
    return error;
}
