// Screenshots as PNG files.
#include "platform/png_writer.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/printable.h"

namespace cindervane::platform {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

void onPngError(png_structp png, png_const_charp message) {
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    if (error) *error = message;
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

}  // namespace

bool writePng(const std::filesystem::path& file, const Bitmap& picture, std::string& error) {
    const std::string where = "cannot write " + printable(file.string()) + ": ";
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
    if (!out) {
        error = where + std::strerror(errno);
        return false;
    }
    const int width = picture.width();
    const int height = picture.height();
    std::vector<png_byte> rows(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = picture.rgbAt(x, y);
            png_byte* pixel = &rows[(static_cast<std::size_t>(y) * width + x) * 3];
            pixel[0] = static_cast<png_byte>(rgb >> 16);
            pixel[1] = static_cast<png_byte>(rgb >> 8);
            pixel[2] = static_cast<png_byte>(rgb);
        }
    }
    std::vector<png_bytep> rowPointers(height);
    for (int y = 0; y < height; ++y)
        rowPointers[y] = &rows[static_cast<std::size_t>(y) * width * 3];

    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, onPngError, onPngWarning);
    if (!png) {
        error = "cannot start the PNG writer";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    errno = 0;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        // libpng says only "Write Error": the system's reason says what went wrong.
        error = where + (errno != 0 ? std::strerror(errno) : error.empty() ? "failed" : error);
        return false;
    }
    png_init_io(png, out.get());
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rowPointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(out.get()) != 0 || std::fclose(out.release()) != 0) {
        error = where + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace cindervane::platform
