// The PNG encoder: libpng over a temporary file, which replaces the target only when it is complete.
#include "picture/PngFile.h"

#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// libpng reports an error by a long jump back into encode; its message is kept here for the caller.
void keepMessage(png_structp png, png_const_charp message) {
    std::snprintf(static_cast<char*>(png_get_error_ptr(png)), 200, "%s", message);
    png_longjmp(png, 1);
}

// Encodes the pixels into `out`; "" or libpng's reason. Between setjmp and a long jump only plain locals
// live, so nothing is skipped that would need destroying.
std::string encode(std::FILE* out, int width, int height, const unsigned char* rgbaBottomUp) {
    char message[200] = "";
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, keepMessage, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "libpng could not start";
    }
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, out);
        png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        png_set_filler(png, 0, PNG_FILLER_AFTER);  // the input's fourth byte per pixel is dropped
        for (int row = height - 1; row >= 0; row--)
            png_write_row(png, rgbaBottomUp + static_cast<size_t>(row) * width * 4);
        png_write_end(png, nullptr);
    }
    png_destroy_write_struct(&png, &info);
    return message;
}

// A new file beside `path`, open for writing, with the permissions a plain fopen would give it.
std::FILE* createTemporary(const std::string& path, std::string& temporary) {
    std::vector<char> name(path.begin(), path.end());
    const char suffix[] = ".XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    const int fd = mkstemp(name.data());
    if (fd < 0) return nullptr;
    temporary = name.data();
    const mode_t mask = umask(0);
    umask(mask);
    std::FILE* file = fchmod(fd, 0666 & ~mask) == 0 ? fdopen(fd, "wb") : nullptr;
    if (!file) close(fd);
    return file;
}

}  // namespace

std::string writePngFile(const std::string& path, int width, int height, const unsigned char* rgbaBottomUp) {
    const std::string failed = "cannot write the picture \"" + path + "\": ";
    std::string temporary;
    std::FILE* out = createTemporary(path, temporary);
    if (!out) {
        const std::string reason = std::strerror(errno);
        if (!temporary.empty()) unlink(temporary.c_str());
        return failed + reason;
    }
    std::string error = encode(out, width, height, rgbaBottomUp);
    if (std::ferror(out))
        error = std::strerror(errno);  // the failed write's reason; libpng says "Write Error"
    if (std::fclose(out) != 0 && error.empty()) error = std::strerror(errno);
    if (error.empty() && std::rename(temporary.c_str(), path.c_str()) != 0) error = std::strerror(errno);
    if (error.empty()) return "";
    unlink(temporary.c_str());
    return failed + error;
}
