// Where tresslow-sim's pictures go, and which frames are drawn.
#include "sim/Pictures.h"

#include <cstdio>

#include "app/HairModel.h"

namespace {

std::string filmPicturePath(const std::string& folder, int frame) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%06d.png", frame);
    return folder + name;
}

}  // namespace

std::string Pictures::open() {
    if (!options_.pngPath && !options_.film) return "";
    // No multiple of K among the frames framesBefore + 1 .. framesBefore + F.
    const int every = options_.film ? options_.film->first : 0;
    if (every && (framesBefore_ + options_.frames) / every == framesBefore_ / every)
        return "--png-every " + std::to_string(every) + " draws nothing in the " +
               std::to_string(options_.frames) + " frames after frame " + std::to_string(framesBefore_);
    std::string error = options_.pngPath ? last_.emplace("the picture", *options_.pngPath).open() : "";
    if (error.empty() && options_.film) error = OutputFile::checkFolder("pictures", options_.film->second);
    if (error.empty()) view_ = openOffscreenView(options_.size.x, options_.size.y, error);
    return error;
}

std::string Pictures::runFrame(HairModel& model, int frame) {
    if (!isFilmFrame(frame) && !isLastPicture(frame)) {
        model.stepFrame();
        return "";
    }
    view_->draw(model);
    std::string error;
    if (isFilmFrame(frame)) {
        OutputFile film("the picture", filmPicturePath(options_.film->second, frame));
        error = film.open();
        if (error.empty()) error = write(film);
    }
    if (error.empty() && isLastPicture(frame)) error = write(*last_);
    return error;
}

std::string Pictures::write(OutputFile& file) const {
    const std::string failure = view_->writePng(file.stream());
    return failure.empty() ? file.commit() : file.abandon(failure);
}
