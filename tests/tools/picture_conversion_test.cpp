// From canvas to picture: the key colour is never left as a visible colour, soft edges become
// hard ones, and palettes keep few colours exactly and many near. (That every generated sheet
// keeps index 0 for the key and leaves 255 free is the picture rules' test.)
#include "tools/assetgen/picture_conversion.h"

#include <gtest/gtest.h>

namespace cindervane::assetgen {
namespace {

TEST(Canvas, EdgesHardenAtHalfCover) {
    Canvas canvas(3, 1);
    canvas.setPixel(0, 0, {1, 0, 0, 0.49});
    canvas.setPixel(1, 0, {0, 1, 0, 0.51});
    canvas.setPixel(2, 0, {0.5, 0.5, 0.5, 1});
    canvas.hardenAlpha();
    EXPECT_EQ(canvas.pixel(0, 0).alpha, 0.0);
    EXPECT_EQ(canvas.pixel(1, 0).alpha, 1.0);
    EXPECT_NEAR(canvas.pixel(1, 0).green, 1.0, 0.01);  // the colour itself is kept
    EXPECT_NEAR(canvas.pixel(2, 0).red, 0.5, 0.01);
}

TEST(Canvas, PastingReplacesWhatWasThere) {
    Canvas target(4, 4), source(2, 2);
    target.fillPixels([](int, int) { return Colour{1, 0, 0, 1}; });
    source.setPixel(0, 0, {0, 0, 1, 1});
    target.paste(source, 1, 1);
    EXPECT_NEAR(target.pixel(1, 1).blue, 1.0, 0.01);
    EXPECT_EQ(target.pixel(2, 2).alpha, 0.0);  // clear in the source, clear now
    EXPECT_NEAR(target.pixel(0, 0).red, 1.0, 0.01);
}

TEST(PictureConversion, KeyedPicturesShowClearPixelsAsTheKeyAndOpaqueOnesOverBlack) {
    Canvas canvas(2, 1);
    canvas.setPixel(0, 0, {1, 1, 1, 0.2});
    canvas.setPixel(1, 0, {0, 0, 1, 1});
    const PictureData keyed = rgbPicture(canvas, true);
    EXPECT_TRUE(pictureColour(keyed, 0, 0) == kKeyColour);
    EXPECT_FALSE(pictureColour(keyed, 1, 0) == kKeyColour);  // blue art is nudged off the key
    const PictureData opaque = rgbPicture(canvas, false);
    EXPECT_LT(pictureColour(opaque, 0, 0).red, 60);  // a faint white over black is dark
    EXPECT_FALSE(pictureColour(opaque, 1, 0) == kKeyColour);
}

// Every pixel of a sheet of few colours reads back as the colour it was painted, and a clear
// one as the key: each pixel points at its own colour's palette entry.
TEST(PictureConversion, ASheetOfFewColoursReadsBackPixelForPixel) {
    const Colour paints[] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {1, 1, 0, 1},      {0.2, 0.4, 0.6, 1},
                             {1, 1, 1, 1}, {0, 0, 0, 1}, {0.5, 0.5, 0.5, 0}};
    constexpr int kCount = static_cast<int>(std::size(paints));
    Canvas canvas(kCount, kCount);
    for (int y = 0; y < kCount; ++y)
        for (int x = 0; x < kCount; ++x)
            canvas.setPixel(x, y, paints[(x + 2 * y) % kCount]);
    const PictureData sheet = sheetPicture(canvas);
    ASSERT_EQ(sheet.bitsPerPixel, 8);
    for (int y = 0; y < kCount; ++y)
        for (int x = 0; x < kCount; ++x) {
            const Colour& painted = paints[(x + 2 * y) % kCount];
            const Rgb8 read = pictureColour(sheet, x, y);
            if (painted.alpha < 0.5) {
                EXPECT_TRUE(read == kKeyColour) << x << "," << y;
                continue;
            }
            EXPECT_NEAR(read.red, painted.red * 255, 1) << x << "," << y;
            EXPECT_NEAR(read.green, painted.green * 255, 1) << x << "," << y;
            EXPECT_NEAR(read.blue, painted.blue * 255, 1) << x << "," << y;
        }
}

TEST(PaletteQuantiser, KeepsAFewColoursExactly) {
    PaletteQuantiser quantiser(254);
    const std::vector<Rgb8> colours = {{10, 20, 30}, {200, 0, 0}, {10, 20, 30}, {0, 255, 0}};
    quantiser.build(colours);
    ASSERT_EQ(quantiser.palette().size(), 3u);
    for (const Rgb8& c : colours)
        EXPECT_EQ(quantiser.palette()[quantiser.indexOf(c)], c);
}

TEST(PaletteQuantiser, ReducesManyColoursToItsLimitAndMapsToTheNearest) {
    std::vector<Rgb8> colours;
    for (int r = 0; r < 256; r += 8)
        for (int g = 0; g < 256; g += 8)
            colours.push_back({std::uint8_t(r), std::uint8_t(g), 100});
    PaletteQuantiser quantiser(16);
    quantiser.build(colours);
    EXPECT_EQ(quantiser.palette().size(), 16u);
    for (const Rgb8& c : colours) {
        const Rgb8 p = quantiser.palette()[quantiser.indexOf(c)];
        EXPECT_LT(std::abs(p.red - c.red) + std::abs(p.green - c.green), 100);
    }
}

}  // namespace
}  // namespace cindervane::assetgen
