// Text drawing as the game's screens use it: a text into a rectangle, in the context's font
// and text colour, on a transparent background, clipped to the rectangle.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/draw/bitmap.h"
#include "platform/draw/geometry.h"

namespace cindervane::platform {

// How the text sits in its rectangle; 0 is left and top with a new line at every "\n".
enum class TextFormat : std::uint32_t {
    Left = 0,
    Centre = 0x01,          // each line centred between left and right
    Right = 0x02,           // each line ends at the right edge
    VerticalCentre = 0x04,  // with SingleLine: the line centred between top and bottom
    Bottom = 0x08,          // with SingleLine: the line sits on the bottom edge
    SingleLine = 0x20,      // one line; "\n" does not break it
};

constexpr TextFormat operator|(TextFormat a, TextFormat b) {
    return static_cast<TextFormat>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool hasFormat(TextFormat format, TextFormat flag) {
    return (static_cast<std::uint32_t>(format) & static_cast<std::uint32_t>(flag)) != 0;
}

// Draws the text (UTF-16 code units) into the rectangle with the context's font and text
// colour; glyph edges are blended over what is already there. Lines are the font's line
// height apart. Returns the height of the text drawn, 0 when the context has no bitmap or
// no font.
int drawText(DeviceContext& target, std::u16string_view text, const Rect& rect, TextFormat format);
// The same for text of single-byte characters (ASCII, or Latin-1).
int drawText(DeviceContext& target, std::string_view text, const Rect& rect, TextFormat format);

}  // namespace cindervane::platform
