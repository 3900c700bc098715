// Text drawing into a rectangle.
#include "platform/draw/draw_text.h"

#include <algorithm>
#include <type_traits>

#include "platform/draw/font.h"

namespace cindervane::platform {

namespace {

// Where glyph pixels may land: the rectangle inside the bitmap.
struct Clip {
    std::int64_t left, top, right, bottom;
};

std::uint32_t blend(std::uint32_t under, std::uint32_t over, unsigned coverage) {
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned below = (under >> shift) & 0xFF;
        const unsigned above = (over >> shift) & 0xFF;
        result |= ((above * coverage + below * (255 - coverage) + 127) / 255) << shift;
    }
    return result;
}

void drawGlyph(Bitmap& target, const Font& font, const Glyph& glyph, std::int64_t x, std::int64_t y,
               const Clip& clip, std::uint32_t colour, std::uint8_t index) {
    const std::uint8_t* coverage = font.coverage(glyph);
    const std::int64_t firstRow = std::max<std::int64_t>(0, clip.top - y);
    const std::int64_t endRow = std::min<std::int64_t>(glyph.rows, clip.bottom - y);
    const std::int64_t firstColumn = std::max<std::int64_t>(0, clip.left - x);
    const std::int64_t endColumn = std::min<std::int64_t>(glyph.width, clip.right - x);
    for (std::int64_t row = firstRow; row < endRow; ++row) {
        const int targetY = static_cast<int>(y + row);
        const std::uint8_t* line = coverage + row * glyph.width;
        for (std::int64_t column = firstColumn; column < endColumn; ++column) {
            const unsigned amount = line[column];
            if (amount == 0) continue;
            const int targetX = static_cast<int>(x + column);
            switch (target.format()) {
                case PixelFormat::Rgb32: {
                    std::uint32_t& pixel = target.screenRow(targetY)[targetX];
                    pixel = amount == 255 ? colour : blend(pixel, colour, amount);
                    break;
                }
                case PixelFormat::Indexed8:
                    // A palette has no colours between: the glyph's stronger half is drawn.
                    if (amount >= 128) target.rowFromTop(targetY)[targetX] = index;
                    break;
                default:
                    if (target.indexed()) {
                        if (amount >= 128) target.setRgb(targetX, targetY, colour);
                    } else {
                        target.setRgb(targetX, targetY,
                                      blend(target.rgbAt(targetX, targetY), colour, amount));
                    }
                    break;
            }
        }
    }
}

// Whether any clearly inked pixel of the glyph (at least half covered) lies outside the
// clip: a faint edge of anti-aliasing lost at a rectangle's side does not count.
bool inkOutside(const Font& font, const Glyph& glyph, std::int64_t x, std::int64_t y,
                const Clip& clip) {
    const std::uint8_t* coverage = font.coverage(glyph);
    for (std::int64_t row = 0; row < glyph.rows; ++row)
        for (std::int64_t column = 0; column < glyph.width; ++column) {
            if (coverage[row * glyph.width + column] < 128) continue;
            if (x + column < clip.left || x + column >= clip.right || y + row < clip.top ||
                y + row >= clip.bottom)
                return true;
        }
    return false;
}

template <class Char>
char16_t codeOf(Char c) {
    return static_cast<char16_t>(static_cast<std::make_unsigned_t<Char>>(c));
}

template <class Char>
int drawTextOf(DeviceContext& dc, std::basic_string_view<Char> text, const Rect& rect,
               TextFormat format) {
    Bitmap* target = dc.bitmap();
    const Font* font = dc.font();
    if (!target || !font) return 0;

    const bool singleLine = hasFormat(format, TextFormat::SingleLine);
    const int lineHeight = font->lineHeight();
    const std::int64_t rectWidth = std::int64_t{rect.right} - rect.left;
    const std::int64_t rectHeight = std::int64_t{rect.bottom} - rect.top;
    std::int64_t lineTop = rect.top;
    if (singleLine && hasFormat(format, TextFormat::VerticalCentre)) {
        lineTop = rect.top + (rectHeight - lineHeight) / 2;
    } else if (singleLine && hasFormat(format, TextFormat::Bottom)) {
        lineTop = std::int64_t{rect.bottom} - lineHeight;
    }

    const Clip clip{std::max<std::int64_t>(rect.left, 0), std::max<std::int64_t>(rect.top, 0),
                    std::min<std::int64_t>(rect.right, target->width()),
                    std::min<std::int64_t>(rect.bottom, target->height())};
    const std::uint32_t colour = pixelFromColourRef(dc.textColour());
    const std::uint8_t index = target->indexed() ? target->nearestIndex(colour) : 0;

    int lines = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = singleLine ? text.size() : text.find(Char('\n'), start);
        if (end == std::basic_string_view<Char>::npos) end = text.size();
        const std::basic_string_view<Char> line = text.substr(start, end - start);

        std::int64_t width = 0;
        for (Char c : line)
            width += font->glyph(codeOf(c)).advance;
        std::int64_t penX = rect.left;
        if (hasFormat(format, TextFormat::Centre)) {
            penX = rect.left + (rectWidth - width) / 2;
        } else if (hasFormat(format, TextFormat::Right)) {
            penX = rect.right - width;
        }
        const std::int64_t baseline = lineTop + font->ascent();
        for (Char c : line) {
            const Glyph& glyph = font->glyph(codeOf(c));
            if (glyph.width > 0 && glyph.rows > 0) {
                const std::int64_t x = penX + glyph.left, y = baseline - glyph.top;
                if ((x < clip.left || y < clip.top || x + glyph.width > clip.right ||
                     y + glyph.rows > clip.bottom) &&
                    inkOutside(*font, glyph, x, y, clip))
                    dc.countClippedGlyph();
                if (clip.left < clip.right && clip.top < clip.bottom)
                    drawGlyph(*target, *font, glyph, x, y, clip, colour, index);
            }
            penX += glyph.advance;
        }
        ++lines;
        lineTop += lineHeight;
        start = end + 1;
    }
    return lines * lineHeight;
}

}  // namespace

int drawText(DeviceContext& target, std::u16string_view text, const Rect& rect, TextFormat format) {
    return drawTextOf(target, text, rect, format);
}

int drawText(DeviceContext& target, std::string_view text, const Rect& rect, TextFormat format) {
    return drawTextOf(target, text, rect, format);
}

}  // namespace cindervane::platform
