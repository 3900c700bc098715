// The drawing operations: plain, stretched and keyed copies between bitmap formats,
// clipping, rectangle fills and intersection.
#include "platform/draw/blit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace cindervane::platform {
namespace {

constexpr std::uint32_t kBlue = 0x0000FF;  // pure blue as a pixel, 0x00RRGGBB
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGrey = 0x808080;

std::vector<RgbQuad> testPalette() {
    std::vector<RgbQuad> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] = RgbQuad{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                             static_cast<std::uint8_t>(i * 7), 0};
    palette[3] = RgbQuad{255, 0, 0, 0};  // blue
    palette[7] = RgbQuad{255, 0, 0, 0};  // blue again, under another index
    palette[9] = RgbQuad{0, 0, 255, 0};  // red
    return palette;
}

// An 8-bit picture whose pixel (x, y) is index (x * 5 + y * 3) % 16.
std::unique_ptr<Bitmap> patterned(int width, int height) {
    const std::vector<RgbQuad> palette = testPalette();
    auto bitmap = Bitmap::createIndexed(width, height, palette);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->rowFromTop(y)[x] = static_cast<std::uint8_t>((x * 5 + y * 3) % 16);
    return bitmap;
}

std::unique_ptr<Bitmap> screenOf(int width, int height, std::uint32_t colour) {
    auto bitmap = Bitmap::createScreenFormat(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->screenRow(y)[x] = colour;
    return bitmap;
}

std::vector<std::uint32_t> pixelsOf(const Bitmap& bitmap) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            pixels.push_back(bitmap.rgbAt(x, y));
    return pixels;
}

// Blocks hanging off either bitmap are covered by the pixel-by-pixel comparison below; here,
// far-away and extreme positions and sizes draw nothing and break nothing.
TEST(Clipping, ExtremePositionsAndSizesDrawNothing) {
    auto source = patterned(10, 10);
    DeviceContext from(source.get());
    auto target = screenOf(8, 8, kGrey);
    DeviceContext to(target.get());
    const std::vector<std::uint32_t> before = pixelsOf(*target);
    EXPECT_TRUE(bitBlt(to, INT_MAX, INT_MAX, 10, 10, from, 0, 0));
    EXPECT_TRUE(bitBlt(to, INT_MIN, INT_MIN, 10, 10, from, 0, 0));
    EXPECT_TRUE(bitBlt(to, 0, 0, 10, 10, from, INT_MIN, INT_MAX));
    EXPECT_TRUE(stretchBlt(to, INT_MIN + 1, 0, 1 << 24, 8, from, INT_MAX - 5, 0, 1 << 24, 10));
    EXPECT_FALSE(stretchBlt(to, 0, 0, INT_MAX, 8, from, 0, 0, 10, 10));
    EXPECT_FALSE(bitBlt(to, 0, 0, -5, 8, from, 0, 0));
    EXPECT_FALSE(transparentImage(to, 0, 0, 8, 8, from, 0, 0, 0, 8, kKeyBlue));
    EXPECT_EQ(pixelsOf(*target), before);
}

TEST(Clipping, ContextsWithoutABitmapDrawNothing) {
    auto source = patterned(4, 4);
    DeviceContext from(source.get());
    DeviceContext empty;
    EXPECT_FALSE(bitBlt(empty, 0, 0, 4, 4, from, 0, 0));
    auto target = screenOf(4, 4, kGrey);
    DeviceContext to(target.get());
    EXPECT_FALSE(bitBlt(to, 0, 0, 4, 4, empty, 0, 0));
    EXPECT_FALSE(fillRect(empty, Rect{0, 0, 4, 4}, Brush::stock(StockBrush::Black)));
}

TEST(PlainCopy, MovesABlockInsideOneBitmapWithoutSmearing) {
    auto bitmap = screenOf(3, 6, 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 3; ++x)
            bitmap->screenRow(y)[x] = static_cast<std::uint32_t>(y * 3 + x);
    DeviceContext dc(bitmap.get());
    bitBlt(dc, 1, 2, 3, 4, dc, 0, 0);
    EXPECT_EQ(bitmap->rgbAt(1, 2), 0u);
    EXPECT_EQ(bitmap->rgbAt(2, 5), 10u);  // was (1, 3)
    EXPECT_EQ(bitmap->rgbAt(0, 5), 15u);  // left of the block: untouched
}

TEST(FormatConversion, EightBitPicturesCopyTheirIndicesWhenThePalettesAgree) {
    auto source = patterned(6, 4);
    auto target = Bitmap::createIndexed(6, 4, testPalette());
    // Entry 5 of the target differs: index 5 pixels become the nearest target colour.
    target->palette()[5] = RgbQuad{1, 2, 3, 0};
    DeviceContext from(source.get());
    DeviceContext to(target.get());
    bitBlt(to, 0, 0, 6, 4, from, 0, 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const std::uint8_t index = source->rowFromTop(y)[x];
            const std::uint8_t copied = target->rowFromTop(y)[x];
            if (index == 5) {
                EXPECT_EQ(copied, target->nearestIndex(source->paletteRgb(5)));
            } else {
                EXPECT_EQ(copied, index);
            }
        }
    }
}

TEST(FormatConversion, EveryPictureDepthReachesTheScreenInItsOwnColours) {
    std::vector<RgbQuad> twoColours{RgbQuad{0, 0, 0, 0}, RgbQuad{0x30, 0x20, 0x10, 0}};
    auto mono = Bitmap::createDib(9, 2, 1, twoColours);
    mono->rowFromTop(0)[1] = 0x80;  // the ninth pixel (x 8) of the top row
    auto rgb24 = Bitmap::createDib(2, 2, 24, {});
    rgb24->rowFromTop(1)[3] = 0x33;  // (1, 1): blue, green, red
    rgb24->rowFromTop(1)[4] = 0x22;
    rgb24->rowFromTop(1)[5] = 0x11;
    auto rgb16 = Bitmap::createDib(1, 1, 16, {});
    rgb16->rowFromTop(0)[0] = 0x1F;  // 5-5-5: full blue
    rgb16->rowFromTop(0)[1] = 0x7C;  // and full red

    auto target = screenOf(16, 4, kGrey);
    DeviceContext to(target.get());
    DeviceContext monoDC(mono.get());
    DeviceContext rgb24DC(rgb24.get());
    DeviceContext rgb16DC(rgb16.get());
    bitBlt(to, 0, 0, 9, 2, monoDC, 0, 0);
    bitBlt(to, 10, 0, 2, 2, rgb24DC, 0, 0);
    bitBlt(to, 12, 0, 1, 1, rgb16DC, 0, 0);
    EXPECT_EQ(target->rgbAt(8, 0), 0x102030u);
    EXPECT_EQ(target->rgbAt(7, 0), 0u);
    EXPECT_EQ(target->rgbAt(11, 1), 0x112233u);
    EXPECT_EQ(target->rgbAt(12, 0), 0xFF00FFu);
}

// What every copy must do, pixel by pixel: each target pixel inside the block and the target
// takes the source pixel nearest its centre, when that lies inside the source, and keeps its
// own colour where that source pixel has the key's colour.
void referenceCopy(Bitmap& target, int x, int y, int width, int height, const Bitmap& source,
                   int sourceX, int sourceY, int sourceWidth, int sourceHeight, bool keyed,
                   std::uint32_t key) {
    for (int ty = std::max(y, 0); ty < std::min(y + height, target.height()); ++ty) {
        const int sy = sourceY + ((2 * (ty - y) + 1) * sourceHeight) / (2 * height);
        if (sy < 0 || sy >= source.height()) continue;
        for (int tx = std::max(x, 0); tx < std::min(x + width, target.width()); ++tx) {
            const int sx = sourceX + ((2 * (tx - x) + 1) * sourceWidth) / (2 * width);
            if (sx < 0 || sx >= source.width()) continue;
            const std::uint32_t colour = source.rgbAt(sx, sy);
            if (!keyed || colour != key) target.setRgb(tx, ty, colour);
        }
    }
}

TEST(FormatConversion, EveryPathDrawsWhatThePixelByPixelCopyDraws) {
    // Sprites (8-bit, two indices of them blue), stage backgrounds (24-bit) and screen-format
    // pictures, copied plainly, keyed and stretched (growing and shrinking), partly off either
    // bitmap, onto the screen format and onto an 8-bit target whose palette differs. The key
    // is a colour, not an index.
    auto sprite = patterned(23, 17);
    auto background = Bitmap::createDib(23, 17, 24, {});
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 23; ++x)
            background->setRgb(x, y, (x * 37 + y * 11) % 5 == 0 ? kBlue : 0x10203u * (x + y));
    auto screen = screenOf(23, 17, kGrey);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 23; ++x)
            if ((x + 2 * y) % 3 == 0) screen->screenRow(y)[x] = kBlue;
    std::vector<RgbQuad> otherPalette = testPalette();
    std::swap(otherPalette[1], otherPalette[2]);
    const Bitmap* sources[] = {sprite.get(), background.get(), screen.get()};
    std::uint32_t seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<std::uint32_t>(range));
    };
    for (int trial = 0; trial < 600; ++trial) {
        const Bitmap& source = *sources[trial % 3];
        const bool onScreen = trial % 4 != 3;
        auto drawn = onScreen ? screenOf(19, 15, kRed) : patterned(19, 15);
        auto expected = onScreen ? screenOf(19, 15, kRed) : patterned(19, 15);
        if (!onScreen) {
            drawn->palette()[1] = otherPalette[1];
            drawn->palette()[2] = otherPalette[2];
            expected->palette() = drawn->palette();
        }
        const int x = next(30) - 8, y = next(26) - 8;
        const int sourceX = next(30) - 5, sourceY = next(24) - 5;
        const int width = 1 + next(25), height = 1 + next(20);
        const bool stretched = trial % 5 == 0;
        const int sourceWidth = stretched ? 1 + next(30) : width;
        const int sourceHeight = stretched ? 1 + next(24) : height;
        const bool keyed = (trial / 4) % 2 == 0;
        DeviceContext to(drawn.get());
        const DeviceContext from(const_cast<Bitmap*>(&source));
        if (keyed) {
            transparentImage(to, x, y, width, height, from, sourceX, sourceY, sourceWidth,
                             sourceHeight, 0xFF0000);
        } else if (stretched) {
            stretchBlt(to, x, y, width, height, from, sourceX, sourceY, sourceWidth, sourceHeight);
        } else {
            bitBlt(to, x, y, width, height, from, sourceX, sourceY);
        }
        referenceCopy(*expected, x, y, width, height, source, sourceX, sourceY, sourceWidth,
                      sourceHeight, keyed, kBlue);
        ASSERT_EQ(pixelsOf(*drawn), pixelsOf(*expected))
            << "trial " << trial << ": (" << x << ", " << y << ") " << width << "x" << height
            << " from (" << sourceX << ", " << sourceY << ") " << sourceWidth << "x" << sourceHeight
            << (keyed ? " keyed" : "");
    }
}

TEST(FillRect, FillsUpToButNotIncludingRightAndBottomAndClips) {
    auto target = screenOf(10, 10, kGrey);
    DeviceContext to(target.get());
    fillRect(to, Rect{2, 3, 4, 5}, Brush::solid(0x0000FF));
    EXPECT_EQ(target->rgbAt(2, 3), kRed);
    EXPECT_EQ(target->rgbAt(3, 4), kRed);
    EXPECT_EQ(target->rgbAt(4, 4), kGrey);
    EXPECT_EQ(target->rgbAt(3, 5), kGrey);

    fillRect(to, Rect{-100, 8, 100, 100}, Brush::stock(StockBrush::White));
    EXPECT_EQ(target->rgbAt(0, 9), 0xFFFFFFu);
    EXPECT_EQ(target->rgbAt(9, 8), 0xFFFFFFu);
    EXPECT_EQ(target->rgbAt(9, 7), kGrey);

    // A bar of width 0, or turned inside out, fills nothing.
    const std::vector<std::uint32_t> before = pixelsOf(*target);
    fillRect(to, Rect{11, 300, 11, 316}, Brush::stock(StockBrush::Black));
    fillRect(to, Rect{6, 6, 2, 2}, Brush::stock(StockBrush::Black));
    EXPECT_EQ(pixelsOf(*target), before);
}

TEST(FillRect, PaletteTargetsTakeTheNearestColour) {
    auto target = Bitmap::createIndexed(4, 4, testPalette());
    DeviceContext to(target.get());
    fillRect(to, Rect{0, 0, 4, 4}, Brush::solid(0x0000FF));
    EXPECT_EQ(target->rowFromTop(2)[1], 9);
}

TEST(IntersectRect, GivesTheCommonPartOrAnEmptyRectangle) {
    Rect out{1, 2, 3, 4};
    EXPECT_TRUE(intersectRect(out, Rect{10, 10, 30, 30}, Rect{29, 10, 49, 30}));
    EXPECT_EQ(out, (Rect{29, 10, 30, 30}));
    EXPECT_FALSE(intersectRect(out, Rect{10, 10, 30, 30}, Rect{49, 10, 69, 30}));
    EXPECT_EQ(out, Rect{});
    // Touching edges share no pixel.
    EXPECT_FALSE(intersectRect(out, Rect{0, 0, 10, 10}, Rect{10, 0, 20, 10}));
    EXPECT_FALSE(intersectRect(out, Rect{0, 0, 10, 10}, Rect{5, 5, 5, 8}));
}

}  // namespace
}  // namespace cindervane::platform
