// The drawing operations between drawing contexts.
#include "platform/draw/blit.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace cindervane::platform {

namespace {

constexpr int kMax = Bitmap::kMaxSide;
// Sizes beyond this are far larger than any bitmap; refusing them keeps the coordinate
// arithmetic below inside 64 bits.
constexpr int kLargestSize = 1 << 24;

// Which source coordinate each drawn target coordinate of one axis takes. The mapping only
// grows, so the target coordinates with a source inside the source bitmap are one run.
struct AxisMap {
    int first = 0;  // first target coordinate drawn
    int count = 0;  // target coordinates drawn from first on
    std::array<int, kMax> source;
};

void mapAxis(AxisMap& map, int dest, int destSize, int src, int srcSize, int targetLimit,
             int sourceLimit) {
    map.first = 0;
    map.count = 0;
    const std::int64_t start = std::max<std::int64_t>(dest, 0);
    const std::int64_t end = std::min<std::int64_t>(std::int64_t{dest} + destSize, targetLimit);
    if (srcSize == destSize) {
        // At the same size each target coordinate takes the source one at the same distance
        // from the block's start, so the run is found without a division per coordinate.
        const std::int64_t shift = std::int64_t{src} - dest;
        const std::int64_t first = std::max(start, -shift);
        const std::int64_t last = std::min(end, sourceLimit - shift);
        if (first >= last) return;
        map.first = static_cast<int>(first);
        map.count = static_cast<int>(last - first);
        for (int i = 0; i < map.count; ++i)
            map.source[i] = static_cast<int>(first + shift + i);
        return;
    }
    for (std::int64_t t = start; t < end; ++t) {
        const std::int64_t offset = t - dest;
        const std::int64_t s = src + ((2 * offset + 1) * srcSize) / (2 * std::int64_t{destSize});
        if (s < 0 || s >= sourceLimit) {
            if (map.count > 0) break;
            continue;
        }
        if (map.count == 0) map.first = static_cast<int>(t);
        map.source[map.count++] = static_cast<int>(s);
    }
}

bool sizeUsable(int size) {
    return size > 0 && size <= kLargestSize;
}

// Scratch for one blit, kept off the heap: nothing is allocated while drawing.
struct BlitScratch {
    AxisMap columns;
    AxisMap rows;
    std::array<std::uint32_t, kMax> line;
    std::array<std::uint8_t, kMax> indexLine;
};

bool sameColour(const RgbQuad& a, const RgbQuad& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The common work of the three copies; key is the pixel colour left out, if any.
bool copyBlock(DeviceContext& targetDC, int x, int y, int width, int height,
               const DeviceContext& sourceDC, int sourceX, int sourceY, int sourceWidth,
               int sourceHeight, std::optional<std::uint32_t> key) {
    Bitmap* target = targetDC.bitmap();
    const Bitmap* source = sourceDC.bitmap();
    if (!target || !source) return false;
    if (!sizeUsable(width) || !sizeUsable(height) || !sizeUsable(sourceWidth) ||
        !sizeUsable(sourceHeight))
        return false;

    BlitScratch scratch;
    AxisMap& columns = scratch.columns;
    AxisMap& rows = scratch.rows;
    mapAxis(columns, x, width, sourceX, sourceWidth, target->width(), source->width());
    mapAxis(rows, y, height, sourceY, sourceHeight, target->height(), source->height());
    if (columns.count == 0 || rows.count == 0) return true;

    const int firstColumn = columns.source[0];
    const int lastColumn = columns.source[columns.count - 1];
    const int runLength = lastColumn - firstColumn + 1;
    // Copies inside one bitmap go bottom up when the block moves down, so no row is
    // overwritten before it is read.
    const bool upward = source == target && y > sourceY;

    // The key as a plain flag and colour: an unset optional's value is never read, not
    // even by a comparison the compiler moves ahead of the flag's test.
    const bool keyed = key.has_value();
    const std::uint32_t keyColour = key.value_or(0);
    const bool sourceIndexed8 = source->format() == PixelFormat::Indexed8;
    const bool targetRgb32 = target->format() == PixelFormat::Rgb32;
    const bool indexToIndex = sourceIndexed8 && target->format() == PixelFormat::Indexed8;
    std::array<std::uint8_t, 256> indexOf{};
    std::array<bool, 256> leftOut{};
    if (indexToIndex) {
        for (int i = 0; i < 256; ++i) {
            const std::uint32_t colour = source->paletteRgb(i);
            leftOut[i] = keyed && colour == keyColour;
            indexOf[i] = sameColour(source->palette()[i], target->palette()[i])
                             ? static_cast<std::uint8_t>(i)
                             : target->nearestIndex(colour);
        }
    }
    // For the sprites' path, a palette entry as a screen colour: read from the palette for a
    // small block, from a table made once for the block when it is larger than the palette.
    const std::array<RgbQuad, 256>& palette = source->palette();
    const auto quadColour = [](const RgbQuad& c) {
        return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
    };
    std::array<std::uint32_t, 256> colourOf;
    const bool colourTable = sourceIndexed8 && targetRgb32 && columns.count * rows.count > 256;
    if (colourTable)
        for (int i = 0; i < 256; ++i)
            colourOf[i] = quadColour(palette[i]);
    const auto paletteColour = [&](std::uint8_t index) {
        return colourTable ? colourOf[index] : quadColour(palette[index]);
    };
    // The source columns are one run from firstColumn, in step with the target's.
    const bool straightColumns = columns.count == runLength;

    for (int r = 0; r < rows.count; ++r) {
        const int row = upward ? rows.count - 1 - r : r;
        const int targetY = rows.first + row;
        const int sourceRowY = rows.source[row];
        const int targetX = columns.first;

        if (indexToIndex) {
            const std::uint8_t* from = source->rowFromTop(sourceRowY);
            std::memcpy(scratch.indexLine.data(), from + firstColumn, runLength);
            std::uint8_t* to = target->rowFromTop(targetY);
            for (int c = 0; c < columns.count; ++c) {
                const std::uint8_t index = scratch.indexLine[columns.source[c] - firstColumn];
                if (!leftOut[index]) to[targetX + c] = indexOf[index];
            }
            continue;
        }
        if (targetRgb32) {
            std::uint32_t* to = target->screenRow(targetY) + targetX;
            if (sourceIndexed8) {
                // The sprites' path: palette look-up straight into the screen row.
                const std::uint8_t* from = source->rowFromTop(sourceRowY);
                if (straightColumns && source != target) {
                    from += firstColumn;
                    if (!keyed) {
                        for (int c = 0; c < columns.count; ++c)
                            to[c] = paletteColour(from[c]);
                        continue;
                    }
                    // The key's pixels keep what is under them, chosen without a branch:
                    // a sprite's outline is too irregular to guess.
                    for (int c = 0; c < columns.count; ++c) {
                        const std::uint32_t colour = paletteColour(from[c]);
                        to[c] = colour == keyColour ? to[c] : colour;
                    }
                } else {
                    std::memcpy(scratch.indexLine.data(), from + firstColumn, runLength);
                    for (int c = 0; c < columns.count; ++c) {
                        const std::uint32_t colour =
                            paletteColour(scratch.indexLine[columns.source[c] - firstColumn]);
                        if (!keyed || colour != keyColour) to[c] = colour;
                    }
                }
                continue;
            }
            if (source->format() == PixelFormat::Rgb32 && straightColumns && !keyed) {
                // The back buffer's path to the window: whole rows at once.
                std::memmove(to, source->screenRow(sourceRowY) + firstColumn,
                             static_cast<std::size_t>(columns.count) * 4);
                continue;
            }
            if (straightColumns && !keyed && source != target) {
                // The stage backgrounds' path: the picture's colours straight into the row.
                source->readRgbRun(firstColumn, sourceRowY, runLength, to);
                continue;
            }
            source->readRgbRun(firstColumn, sourceRowY, runLength, scratch.line.data());
            for (int c = 0; c < columns.count; ++c) {
                const std::uint32_t colour = scratch.line[columns.source[c] - firstColumn];
                if (!keyed || colour != keyColour) to[c] = colour;
            }
            continue;
        }
        // Every other pair of formats: the source run as colours, then pixel by pixel.
        source->readRgbRun(firstColumn, sourceRowY, runLength, scratch.line.data());
        std::uint32_t lastColour = 0;
        std::uint8_t lastIndex = target->indexed() ? target->nearestIndex(0) : 0;
        for (int c = 0; c < columns.count; ++c) {
            const std::uint32_t colour = scratch.line[columns.source[c] - firstColumn];
            if (keyed && colour == keyColour) continue;
            if (target->format() == PixelFormat::Indexed8) {
                if (colour != lastColour) {
                    lastColour = colour;
                    lastIndex = target->nearestIndex(colour);
                }
                target->rowFromTop(targetY)[targetX + c] = lastIndex;
            } else {
                target->setRgb(targetX + c, targetY, colour);
            }
        }
    }
    return true;
}

}  // namespace

bool bitBlt(DeviceContext& target, int x, int y, int width, int height, const DeviceContext& source,
            int sourceX, int sourceY) {
    return copyBlock(target, x, y, width, height, source, sourceX, sourceY, width, height,
                     std::nullopt);
}

bool stretchBlt(DeviceContext& target, int x, int y, int width, int height,
                const DeviceContext& source, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight) {
    return copyBlock(target, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                     sourceHeight, std::nullopt);
}

bool transparentImage(DeviceContext& target, int x, int y, int width, int height,
                      const DeviceContext& source, int sourceX, int sourceY, int sourceWidth,
                      int sourceHeight, ColourRef key) {
    return copyBlock(target, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                     sourceHeight, pixelFromColourRef(key));
}

bool fillRect(DeviceContext& targetDC, const Rect& rect, const Brush& brush) {
    Bitmap* target = targetDC.bitmap();
    if (!target) return false;
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, target->width());
    const int bottom = std::min(rect.bottom, target->height());
    if (left >= right || top >= bottom) return true;
    const std::uint32_t colour = pixelFromColourRef(brush.colour());
    if (target->format() == PixelFormat::Rgb32) {
        for (int y = top; y < bottom; ++y)
            std::fill(target->screenRow(y) + left, target->screenRow(y) + right, colour);
    } else if (target->format() == PixelFormat::Indexed8) {
        const std::uint8_t index = target->nearestIndex(colour);
        for (int y = top; y < bottom; ++y)
            std::fill(target->rowFromTop(y) + left, target->rowFromTop(y) + right, index);
    } else {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                target->setRgb(x, y, colour);
    }
    return true;
}

}  // namespace cindervane::platform
