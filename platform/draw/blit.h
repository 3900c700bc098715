// The drawing operations between drawing contexts: plain copy, stretched copy, colour-keyed
// copy and rectangle fill. Every operation clips to the target bitmap and to the source
// bitmap, so nothing is ever read or written outside either; a target pixel whose source
// pixel lies outside the source is left as it was. Between bitmaps of different formats the
// colours are converted: an 8-bit source through its own palette, and into a palettised
// target as the nearest palette colour (two 8-bit bitmaps with the same colours at the same
// indices copy their indices as they are).
#pragma once

#include "platform/draw/bitmap.h"
#include "platform/draw/brush.h"
#include "platform/draw/colour.h"
#include "platform/draw/geometry.h"

namespace cindervane::platform {

// Copies the width x height block at (sourceX, sourceY) of the source to (x, y) of the
// target. False when either context holds no bitmap or a size is not positive.
bool bitBlt(DeviceContext& target, int x, int y, int width, int height, const DeviceContext& source,
            int sourceX, int sourceY);

// Copies the source block to the width x height block of the target, nearest neighbour:
// target pixel i of a row takes source pixel (2i + 1) x sourceWidth / (2 x width).
// With equal sizes it is the plain copy.
bool stretchBlt(DeviceContext& target, int x, int y, int width, int height,
                const DeviceContext& source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight);

// As stretchBlt, but source pixels whose colour equals the key are not drawn. The key is a
// COLORREF (0x00BBGGRR) compared with the source pixel's colour, not its palette index.
bool transparentImage(DeviceContext& target, int x, int y, int width, int height,
                      const DeviceContext& source, int sourceX, int sourceY, int sourceWidth,
                      int sourceHeight, ColourRef key);

// Fills left..right - 1, top..bottom - 1 with the brush's colour; an empty rectangle fills
// nothing. False when the context holds no bitmap.
bool fillRect(DeviceContext& target, const Rect& rect, const Brush& brush);

}  // namespace cindervane::platform
