// Bitmaps in memory: the screen-format pictures of the window and the back buffer, and the
// device-independent pictures loaded from picture files (8-bit palettised for the sprite
// strips, any of the other picture file depths for the rest). Also the drawing context that
// holds one selected bitmap, a font and a text colour.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/draw/colour.h"

namespace cindervane::platform {

class Font;

// One colour table entry as stored in picture files: blue, green, red, reserved.
struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
};

enum class PixelFormat {
    Indexed1,  // device-independent formats: rows stored bottom row first, each padded to
    Indexed2,  // a multiple of 4 bytes, exactly as in a picture file
    Indexed4,
    Indexed8,  // one palette index a pixel
    Dib16,     // 5-5-5 bits of red, green, blue in a little-endian 16-bit word
    Dib24,     // blue, green, red bytes
    Dib32,     // blue, green, red, unused bytes
    Rgb32,     // the screen's own format: 0x00RRGGBB a pixel, rows stored top row first
};

class Bitmap {
  public:
    // No bitmap side may be larger; picture files are refused beyond it as well.
    static constexpr int kMaxSide = 4096;

    // A bitmap in the screen's own format, cleared to black. Null when a side is below 1
    // or above kMaxSide.
    static std::unique_ptr<Bitmap> createScreenFormat(int width, int height);
    // An 8-bit palettised bitmap; the palette is copied (missing entries are black).
    static std::unique_ptr<Bitmap> createIndexed(int width, int height,
                                                 std::span<const RgbQuad> palette);
    // A device-independent bitmap of 1, 2, 4, 8, 16, 24 or 32 bits a pixel, cleared to
    // zero; the palette is used by the depths up to 8. Null for any other depth or size.
    static std::unique_ptr<Bitmap> createDib(int width, int height, int bitsPerPixel,
                                             std::span<const RgbQuad> palette);

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat format() const { return format_; }
    int bitsPerPixel() const;
    bool indexed() const { return format_ <= PixelFormat::Indexed8; }
    // Bytes from one stored row to the next.
    int stride() const { return stride_; }
    std::uint8_t* bits() { return reinterpret_cast<std::uint8_t*>(pixels_.data()); }
    const std::uint8_t* bits() const {
        return reinterpret_cast<const std::uint8_t*>(pixels_.data());
    }
    std::size_t sizeInBytes() const { return static_cast<std::size_t>(stride_) * height_; }
    std::array<RgbQuad, 256>& palette() { return palette_; }
    const std::array<RgbQuad, 256>& palette() const { return palette_; }

    // The stored bytes of the row y counted from the top, whichever way the rows are kept.
    std::uint8_t* rowFromTop(int y);
    const std::uint8_t* rowFromTop(int y) const;

    // The colour of the pixel at (x, y), counted from the top left, as 0x00RRGGBB; 0 outside.
    std::uint32_t rgbAt(int x, int y) const;
    // Colours of count pixels of row y from column x on, as 0x00RRGGBB. The run must lie
    // inside the bitmap.
    void readRgbRun(int x, int y, int count, std::uint32_t* out) const;
    // Sets the pixel at (x, y) to the colour (0x00RRGGBB), or for palettised bitmaps to the
    // nearest palette colour; nothing outside.
    void setRgb(int x, int y, std::uint32_t rgb);
    // The palette entry nearest to the colour (0x00RRGGBB), the lowest index on a tie.
    std::uint8_t nearestIndex(std::uint32_t rgb) const;
    // Palette entry i as 0x00RRGGBB.
    std::uint32_t paletteRgb(int index) const;

    // For screen-format bitmaps: the row of pixels at y counted from the top.
    std::uint32_t* screenRow(int y);
    const std::uint32_t* screenRow(int y) const;

  private:
    Bitmap(int width, int height, PixelFormat format, int bitsPerPixel);

    int width_;
    int height_;
    PixelFormat format_;
    int stride_;
    // Stored as whole words so screen-format rows can be used as 32-bit pixels directly.
    std::vector<std::uint32_t> pixels_;
    std::array<RgbQuad, 256> palette_{};
};

// A drawing context: holds one selected bitmap at a time, as the game's drawing code
// expects, and the font and text colour text is drawn with. Text is always drawn on a
// transparent background.
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

    const Font* font() const { return font_; }
    // Selects a font (not owned) and returns the one held before.
    const Font* selectFont(const Font* font) {
        const Font* previous = font_;
        font_ = font;
        return previous;
    }
    ColourRef textColour() const { return textColour_; }
    // Sets the text colour and returns the one before.
    ColourRef setTextColour(ColourRef colour) {
        const ColourRef previous = textColour_;
        textColour_ = colour;
        return previous;
    }

    // Glyphs whose ink (their pixels at least half covered) text drawing had to cut at its
    // rectangle or at the bitmap's edge, counted since the last reset: how the tests see that every
    // text fits where it goes.
    int clippedGlyphs() const { return clippedGlyphs_; }
    void countClippedGlyph() { ++clippedGlyphs_; }
    void resetClippedGlyphs() { clippedGlyphs_ = 0; }

  private:
    Bitmap* bitmap_ = nullptr;
    const Font* font_ = nullptr;
    int clippedGlyphs_ = 0;
    ColourRef textColour_ = 0;  // black, as a fresh context starts
};

}  // namespace cindervane::platform
