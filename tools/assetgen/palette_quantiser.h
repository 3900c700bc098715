// Reduces the colours of a sprite sheet to a palette of at most 254 entries, so that the
// 8-bit sheet keeps index 0 for the colour key and leaves index 255 free for the game's
// white flash.
#pragma once

#include <cstdint>
#include <vector>

namespace cindervane::assetgen {

struct Rgb8 {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

class PaletteQuantiser {
  public:
    explicit PaletteQuantiser(int maxColours) : maxColours_(maxColours) {}

    // Chooses the palette for these colours (every pixel's colour, in any order).
    void build(const std::vector<Rgb8>& colours);
    const std::vector<Rgb8>& palette() const { return palette_; }
    // The palette entry closest to the colour.
    int indexOf(const Rgb8& colour) const;

  private:
    int maxColours_;
    std::vector<Rgb8> palette_;
};

}  // namespace cindervane::assetgen
