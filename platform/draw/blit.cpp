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
    const bool oneToOne = width == sourceWidth && height == sourceHeight;
    // Copies inside one bitmap go bottom up when the block moves down, so no row is
    // overwritten before it is read.
    const bool upward = source == target && y > sourceY;

    // The key as a plain flag and colour: an unset optional's value is never read, not
    // even by a comparison the compiler moves ahead of the flag's test.
    const bool keyed = key.has_value();
    const std::uint32_t keyColour = key.value_or(0);
    const bool sourceIndexed8 = source->format() == PixelFormat::Indexed8;
    std::array<std::uint32_t, 256> colourOf{};
    std::array<std::uint8_t, 256> indexOf{};
    std::array<bool, 256> leftOut{};
    if (sourceIndexed8) {
        for (int i = 0; i < 256; ++i) {
            colourOf[i] = source->paletteRgb(i);
            leftOut[i] = keyed && colourOf[i] == keyColour;
        }
    }
    const bool indexToIndex = sourceIndexed8 && target->format() == PixelFormat::Indexed8;
    if (indexToIndex) {
        for (int i = 0; i < 256; ++i) {
            indexOf[i] = sameColour(source->palette()[i], target->palette()[i])
                             ? static_cast<std::uint8_t>(i)
                             : target->nearestIndex(colourOf[i]);
        }
    }

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
        if (target->format() == PixelFormat::Rgb32) {
            std::uint32_t* to = target->screenRow(targetY) + targetX;
            if (sourceIndexed8) {
                // The sprites' path: palette look-up straight into the screen row.
                const std::uint8_t* from = source->rowFromTop(sourceRowY);
                if (oneToOne && source != target) {
                    from += firstColumn;
                    for (int c = 0; c < columns.count; ++c) {
                        const std::uint8_t index = from[c];
                        if (!leftOut[index]) to[c] = colourOf[index];
                    }
                } else {
                    std::memcpy(scratch.indexLine.data(), from + firstColumn, runLength);
                    for (int c = 0; c < columns.count; ++c) {
                        const std::uint8_t index =
                            scratch.indexLine[columns.source[c] - firstColumn];
                        if (!leftOut[index]) to[c] = colourOf[index];
                    }
                }
                continue;
            }
            if (source->format() == PixelFormat::Rgb32 && oneToOne && !keyed) {
                // The back buffer's path to the window: whole rows at once.
                std::memmove(to, source->screenRow(sourceRowY) + firstColumn,
                             static_cast<std::size_t>(columns.count) * 4);
                continue;
            }
        }
        // Every other pair of formats: the source run as colours, then pixel by pixel.
        source->readRgbRun(firstColumn, sourceRowY, runLength, scratch.line.data());
        std::uint32_t lastColour = 0;
        std::uint8_t lastIndex = target->indexed() ? target->nearestIndex(0) : 0;
        for (int c = 0; c < columns.count; ++c) {
            const std::uint32_t colour = scratch.line[columns.source[c] - firstColumn];
            if (keyed && colour == keyColour) continue;
            if (target->format() == PixelFormat::Rgb32) {
                target->screenRow(targetY)[targetX + c] = colour;
            } else if (target->format() == PixelFormat::Indexed8) {
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
