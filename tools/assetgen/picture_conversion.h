// Turning a finished canvas into the picture the game reads: an 8-bit sheet with the colour
// key at index 0 and index 255 left unused, or a 24-bit picture, keyed or opaque.
#pragma once

#include "gamelibrary/picture_writer.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/palette_quantiser.h"

namespace cindervane::assetgen {

// Pure blue: every keyed draw of the game leaves these pixels out.
inline constexpr Rgb8 kKeyColour{0, 0, 255};
inline constexpr int kKeyIndex = 0;
// The game's flash and rotated draws show this index as white; no sprite pixel uses it.
inline constexpr int kFlashIndex = 255;

// Clear pixels (alpha below one half) become the key; the rest share up to 254 colours.
PictureData sheetPicture(Canvas& canvas);
// Keyed: clear pixels become the key colour. Opaque: laid over black.
PictureData rgbPicture(Canvas& canvas, bool keyed);

// The colour of a pixel of a finished picture, whatever its depth (used by the contact sheet
// and the tests' own checks). Top row first.
Rgb8 pictureColour(const PictureData& picture, int x, int y);

}  // namespace cindervane::assetgen
