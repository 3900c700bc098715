// Bitmaps in memory.
#include "platform/draw/bitmap.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace cindervane::platform {

namespace {

bool sideFits(int side) {
    return side >= 1 && side <= Bitmap::kMaxSide;
}

std::uint32_t quadRgb(const RgbQuad& c) {
    return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

// Widens a 5-bit colour part to 8 bits, so full intensity stays full.
std::uint32_t widen5(std::uint32_t part) {
    return (part << 3) | (part >> 2);
}

// A word read from memory as the little-endian value the picture stores.
std::uint32_t littleEndian(std::uint32_t word) {
    if constexpr (std::endian::native == std::endian::big)
        return (word >> 24) | ((word >> 8) & 0xFF00) | ((word << 8) & 0xFF0000) | (word << 24);
    return word;
}

}  // namespace

Bitmap::Bitmap(int width, int height, PixelFormat format, int bitsPerPixel)
    : width_(width), height_(height), format_(format) {
    // Device-independent rows are padded to whole 32-bit words, as picture files store them.
    stride_ = format == PixelFormat::Rgb32 ? width_ * 4 : ((width_ * bitsPerPixel + 31) / 32) * 4;
    pixels_.assign(sizeInBytes() / 4, 0);
}

std::unique_ptr<Bitmap> Bitmap::createScreenFormat(int width, int height) {
    if (!sideFits(width) || !sideFits(height)) return nullptr;
    return std::unique_ptr<Bitmap>(new Bitmap(width, height, PixelFormat::Rgb32, 32));
}

std::unique_ptr<Bitmap> Bitmap::createIndexed(int width, int height,
                                              std::span<const RgbQuad> palette) {
    return createDib(width, height, 8, palette);
}

std::unique_ptr<Bitmap> Bitmap::createDib(int width, int height, int bitsPerPixel,
                                          std::span<const RgbQuad> palette) {
    if (!sideFits(width) || !sideFits(height)) return nullptr;
    PixelFormat format;
    switch (bitsPerPixel) {
        case 1:
            format = PixelFormat::Indexed1;
            break;
        case 2:
            format = PixelFormat::Indexed2;
            break;
        case 4:
            format = PixelFormat::Indexed4;
            break;
        case 8:
            format = PixelFormat::Indexed8;
            break;
        case 16:
            format = PixelFormat::Dib16;
            break;
        case 24:
            format = PixelFormat::Dib24;
            break;
        case 32:
            format = PixelFormat::Dib32;
            break;
        default:
            return nullptr;
    }
    std::unique_ptr<Bitmap> bitmap(new Bitmap(width, height, format, bitsPerPixel));
    std::copy_n(palette.begin(), std::min<std::size_t>(palette.size(), 256),
                bitmap->palette_.begin());
    return bitmap;
}

int Bitmap::bitsPerPixel() const {
    switch (format_) {
        case PixelFormat::Indexed1:
            return 1;
        case PixelFormat::Indexed2:
            return 2;
        case PixelFormat::Indexed4:
            return 4;
        case PixelFormat::Indexed8:
            return 8;
        case PixelFormat::Dib16:
            return 16;
        case PixelFormat::Dib24:
            return 24;
        case PixelFormat::Dib32:
        case PixelFormat::Rgb32:
            return 32;
    }
    return 0;
}

std::uint8_t* Bitmap::rowFromTop(int y) {
    const int stored = format_ == PixelFormat::Rgb32 ? y : height_ - 1 - y;
    return bits() + static_cast<std::size_t>(stored) * stride_;
}

const std::uint8_t* Bitmap::rowFromTop(int y) const {
    const int stored = format_ == PixelFormat::Rgb32 ? y : height_ - 1 - y;
    return bits() + static_cast<std::size_t>(stored) * stride_;
}

std::uint32_t Bitmap::rgbAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    std::uint32_t rgb;
    readRgbRun(x, y, 1, &rgb);
    return rgb;
}

void Bitmap::readRgbRun(int x, int y, int count, std::uint32_t* out) const {
    const std::uint8_t* row = rowFromTop(y);
    switch (format_) {
        case PixelFormat::Indexed1:
        case PixelFormat::Indexed2:
        case PixelFormat::Indexed4: {
            // Several pixels a byte, the leftmost in the highest bits.
            const int depth = bitsPerPixel();
            const int mask = (1 << depth) - 1;
            for (int i = 0; i < count; ++i) {
                const int bit = (x + i) * depth;
                const int shift = 8 - depth - bit % 8;
                out[i] = quadRgb(palette_[(row[bit / 8] >> shift) & mask]);
            }
            return;
        }
        case PixelFormat::Indexed8:
            for (int i = 0; i < count; ++i)
                out[i] = quadRgb(palette_[row[x + i]]);
            return;
        case PixelFormat::Dib16:
            for (int i = 0; i < count; ++i) {
                const std::uint32_t word = row[(x + i) * 2] | (row[(x + i) * 2 + 1] << 8);
                out[i] = (widen5((word >> 10) & 31) << 16) | (widen5((word >> 5) & 31) << 8) |
                         widen5(word & 31);
            }
            return;
        case PixelFormat::Dib24: {
            // Blue, green and red are the low three bytes of a little-endian word read at the
            // pixel; the last pixel is read by the byte, as the word would reach past the row.
            const std::uint8_t* from = row + x * 3;
            int i = 0;
            for (; i + 1 < count; ++i) {
                std::uint32_t word;
                std::memcpy(&word, from + i * 3, 4);
                out[i] = littleEndian(word) & 0xFFFFFF;
            }
            for (; i < count; ++i) {
                const std::uint8_t* p = from + i * 3;
                out[i] = (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
            }
            return;
        }
        case PixelFormat::Dib32:
        case PixelFormat::Rgb32: {
            const auto* words = reinterpret_cast<const std::uint32_t*>(row);
            for (int i = 0; i < count; ++i)
                out[i] = words[x + i] & 0xFFFFFF;
            return;
        }
    }
}

void Bitmap::setRgb(int x, int y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    std::uint8_t* row = rowFromTop(y);
    switch (format_) {
        case PixelFormat::Indexed1:
        case PixelFormat::Indexed2:
        case PixelFormat::Indexed4: {
            const int depth = bitsPerPixel();
            const int mask = (1 << depth) - 1;
            const int bit = x * depth;
            const int shift = 8 - depth - bit % 8;
            const int index = nearestIndex(rgb) & mask;
            row[bit / 8] =
                static_cast<std::uint8_t>((row[bit / 8] & ~(mask << shift)) | (index << shift));
            return;
        }
        case PixelFormat::Indexed8:
            row[x] = nearestIndex(rgb);
            return;
        case PixelFormat::Dib16: {
            const std::uint32_t word =
                (((rgb >> 19) & 31) << 10) | (((rgb >> 11) & 31) << 5) | ((rgb >> 3) & 31);
            row[x * 2] = static_cast<std::uint8_t>(word);
            row[x * 2 + 1] = static_cast<std::uint8_t>(word >> 8);
            return;
        }
        case PixelFormat::Dib24:
            row[x * 3] = static_cast<std::uint8_t>(rgb);
            row[x * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(rgb >> 16);
            return;
        case PixelFormat::Dib32:
        case PixelFormat::Rgb32:
            reinterpret_cast<std::uint32_t*>(row)[x] = rgb & 0xFFFFFF;
            return;
    }
}

std::uint8_t Bitmap::nearestIndex(std::uint32_t rgb) const {
    const int entries = indexed() ? 1 << bitsPerPixel() : 256;
    const int red = (rgb >> 16) & 0xFF;
    const int green = (rgb >> 8) & 0xFF;
    const int blue = rgb & 0xFF;
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < entries; ++i) {
        const RgbQuad& c = palette_[i];
        const int dr = c.red - red;
        const int dg = c.green - green;
        const int db = c.blue - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) break;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::uint32_t Bitmap::paletteRgb(int index) const {
    return quadRgb(palette_[index & 0xFF]);
}

std::uint32_t* Bitmap::screenRow(int y) {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
}

const std::uint32_t* Bitmap::screenRow(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
}

}  // namespace cindervane::platform
