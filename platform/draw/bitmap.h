// Bitmaps in memory: the screen-format pictures of the window and the back buffer, and the
// 8-bit palettised pictures loaded from picture files.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace cindervane::platform {

// One colour table entry as stored in picture files: blue, green, red, reserved.
struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
};

enum class PixelFormat {
    Indexed8,  // one palette index a pixel, rows stored bottom row first
    Rgb32,     // the screen's own format: 0x00RRGGBB a pixel, rows stored top row first
};

class Bitmap {
  public:
    // A bitmap in the screen's own format, cleared to black.
    static std::unique_ptr<Bitmap> createScreenFormat(int width, int height);
    // An 8-bit palettised bitmap; the palette is copied (missing entries are black).
    static std::unique_ptr<Bitmap> createIndexed(int width, int height,
                                                 std::span<const RgbQuad> palette);

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat format() const { return format_; }
    // Bytes from one stored row to the next (rows of indexed bitmaps are padded to 4 bytes).
    int stride() const { return stride_; }
    std::uint8_t* bits() { return reinterpret_cast<std::uint8_t*>(pixels_.data()); }
    const std::uint8_t* bits() const {
        return reinterpret_cast<const std::uint8_t*>(pixels_.data());
    }
    std::array<RgbQuad, 256>& palette() { return palette_; }
    const std::array<RgbQuad, 256>& palette() const { return palette_; }

    // The colour of the pixel at (x, y), counted from the top left, as 0x00RRGGBB.
    std::uint32_t rgbAt(int x, int y) const;
    // For screen-format bitmaps: the row of pixels at y counted from the top.
    std::uint32_t* screenRow(int y);
    const std::uint32_t* screenRow(int y) const;

  private:
    Bitmap(int width, int height, PixelFormat format);

    int width_;
    int height_;
    PixelFormat format_;
    int stride_;
    // Stored as whole words so screen-format rows can be used as 32-bit pixels directly.
    std::vector<std::uint32_t> pixels_;
    std::array<RgbQuad, 256> palette_{};
};

// A drawing context: holds one selected bitmap at a time, as the game's drawing code expects.
class DeviceContext {
  public:
    DeviceContext() = default;
    explicit DeviceContext(Bitmap* bitmap) : bitmap_(bitmap) {}

    Bitmap* bitmap() const { return bitmap_; }
    // Selects a bitmap and returns the one held before.
    Bitmap* select(Bitmap* bitmap) {
        Bitmap* previous = bitmap_;
        bitmap_ = bitmap;
        return previous;
    }

  private:
    Bitmap* bitmap_ = nullptr;
};

}  // namespace cindervane::platform
