// Bitmaps in memory.
#include "platform/draw/bitmap.h"

#include <algorithm>

namespace cindervane::platform {

Bitmap::Bitmap(int width, int height, PixelFormat format)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), format_(format) {
    stride_ = format == PixelFormat::Rgb32 ? width_ * 4 : ((width_ + 3) / 4) * 4;
    const std::size_t bytes = static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_);
    pixels_.assign((bytes + 3) / 4, 0);
}

std::unique_ptr<Bitmap> Bitmap::createScreenFormat(int width, int height) {
    return std::unique_ptr<Bitmap>(new Bitmap(width, height, PixelFormat::Rgb32));
}

std::unique_ptr<Bitmap> Bitmap::createIndexed(int width, int height,
                                              std::span<const RgbQuad> palette) {
    std::unique_ptr<Bitmap> bitmap(new Bitmap(width, height, PixelFormat::Indexed8));
    std::copy_n(palette.begin(), std::min<std::size_t>(palette.size(), 256),
                bitmap->palette_.begin());
    return bitmap;
}

std::uint32_t Bitmap::rgbAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    if (format_ == PixelFormat::Rgb32) return screenRow(y)[x];
    const std::uint8_t index = bits()[static_cast<std::size_t>(height_ - 1 - y) * stride_ + x];
    const RgbQuad& c = palette_[index];
    return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

std::uint32_t* Bitmap::screenRow(int y) {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
}

const std::uint32_t* Bitmap::screenRow(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
}

}  // namespace cindervane::platform
