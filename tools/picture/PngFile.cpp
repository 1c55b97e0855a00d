// The PNG encoder: libpng writing through stdio, each failed write reported with the system's reason.
#include "picture/PngFile.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>

namespace {

constexpr size_t kMessageSize = 200;

// libpng reports an error by a long jump back into writePng; its message is kept for the caller.
void keepMessage(png_structp png, png_const_charp message) {
    std::snprintf(static_cast<char*>(png_get_error_ptr(png)), kMessageSize, "%s", message);
    png_longjmp(png, 1);
}

// libpng's own stdio writer says only "Write Error"; this one says why.
void writeData(png_structp png, png_bytep data, size_t length) {
    if (std::fwrite(data, 1, length, static_cast<std::FILE*>(png_get_io_ptr(png))) != length)
        png_error(png, std::strerror(errno));
}

void flushData(png_structp png) { std::fflush(static_cast<std::FILE*>(png_get_io_ptr(png))); }

}  // namespace

// Between setjmp and a long jump only plain locals live, so nothing is skipped that would need destroying.
std::string writePng(std::FILE* out, int width, int height, const unsigned char* rgbaBottomUp) {
    char message[kMessageSize] = "";
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, keepMessage, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "libpng could not start";
    }
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_set_write_fn(png, out, writeData, flushData);
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
