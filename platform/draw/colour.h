// Colours as the game writes them: COLORREF values 0x00BBGGRR, red in the low byte. Bitmaps
// keep screen colours the other way round, 0x00RRGGBB; these helpers turn one into the
// other.
#pragma once

#include <cstdint>

namespace cindervane::platform {

using ColourRef = std::uint32_t;

constexpr ColourRef rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColourRef{red} | (ColourRef{green} << 8) | (ColourRef{blue} << 16);
}

// The colour as a bitmap pixel, 0x00RRGGBB.
constexpr std::uint32_t pixelFromColourRef(ColourRef colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// The pure blue every keyed picture draw leaves out.
constexpr ColourRef kKeyBlue = 0xFF0000;

}  // namespace cindervane::platform
