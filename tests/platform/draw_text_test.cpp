// Fonts found by the game's face names and text drawn into rectangles: alignment, line
// breaks, clipping and blending.
#include "platform/draw/draw_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/draw/blit.h"
#include "platform/draw/font.h"

namespace cindervane::platform {
namespace {

constexpr std::uint32_t kBackground = 0x000000;
constexpr ColourRef kWhite = 0xFFFFFF;

// Where a drawing left ink: the box around every changed pixel.
struct Ink {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // right, bottom inclusive
    bool any() const { return right >= 0; }
};

Ink inkOf(const Bitmap& bitmap) {
    Ink ink;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.rgbAt(x, y) == kBackground) continue;
            ink.left = std::min(ink.left, x);
            ink.top = std::min(ink.top, y);
            ink.right = std::max(ink.right, x);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

class DrawText : public ::testing::Test {
  protected:
    void SetUp() override {
        font = Font::create("Courier New", 13, 0);
        bold = Font::create("Tahoma", 20, 700);
        ASSERT_TRUE(font);
        ASSERT_TRUE(bold);
    }

    // A fresh black canvas with a context holding the font and white text.
    struct Canvas {
        std::unique_ptr<Bitmap> bitmap = Bitmap::createScreenFormat(240, 120);
        DeviceContext dc{bitmap.get()};
    };
    Canvas canvas(const Font& withFont, ColourRef colour = kWhite) {
        Canvas c;
        c.dc.selectFont(&withFont);
        c.dc.setTextColour(colour);
        return c;
    }

    std::unique_ptr<Font> font;
    std::unique_ptr<Font> bold;
};

TEST_F(DrawText, FontsAreFoundForTheGameFaceNamesAtTheirHeights) {
    EXPECT_FALSE(font->family().empty());
    EXPECT_EQ(font->lineHeight(), 13);
    EXPECT_EQ(bold->lineHeight(), 20);
    EXPECT_GT(font->ascent(), 0);
    EXPECT_LE(font->ascent(), 13);
    // A fixed-pitch stand-in for Courier New: every digit is as wide as a W.
    EXPECT_EQ(font->textWidth(u"1"), font->textWidth(u"W"));
    EXPECT_GT(bold->textWidth(u"SPECIAL THANK"), font->textWidth(u"SPECIAL THANK"));
    EXPECT_EQ(Font::create("Tahoma", 0, 700), nullptr);
}

TEST_F(DrawText, RightAlignedTextEndsAtTheRectanglesRightEdge) {
    const Rect rect{140, 10, 235, 38};
    Canvas left = canvas(*font);
    Canvas right = canvas(*font);
    drawText(left.dc, "123450", rect, TextFormat::Left);
    drawText(right.dc, "123450", rect, TextFormat::Right);
    const Ink leftInk = inkOf(*left.bitmap);
    const Ink rightInk = inkOf(*right.bitmap);
    ASSERT_TRUE(rightInk.any());
    // The same picture, moved so the text's advance ends at the right edge.
    const int shift = rect.width() - font->textWidth(u"123450");
    EXPECT_EQ(rightInk.left, leftInk.left + shift);
    EXPECT_EQ(rightInk.right, leftInk.right + shift);
    EXPECT_LT(rightInk.right, rect.right);
    EXPECT_GE(rightInk.right, rect.right - 3);
    EXPECT_EQ(rightInk.top, leftInk.top);
}

TEST_F(DrawText, CentredTextIsCentredLineByLine) {
    const Rect rect{0, 0, 240, 100};
    Canvas c = canvas(*bold);
    drawText(c.dc, "1 / 3", rect, TextFormat::Centre);
    const Ink ink = inkOf(*c.bitmap);
    ASSERT_TRUE(ink.any());
    const int width = bold->textWidth(u"1 / 3");
    const int start = (240 - width) / 2;
    EXPECT_GE(ink.left, start - 2);
    EXPECT_LE(ink.right, start + width + 1);
    // The margins left and right of the ink differ only by the glyphs' own side bearings.
    EXPECT_NEAR(ink.left, 239 - ink.right, 4);
}

TEST_F(DrawText, ALineBreakStartsANewLineOneLineHeightLower) {
    const Rect rect{8, 10, 240, 120};
    Canvas both = canvas(*font);
    Canvas second = canvas(*font);
    EXPECT_EQ(drawText(both.dc, "AB \nCD", rect, TextFormat::Left), 2 * font->lineHeight());
    drawText(second.dc, "CD", Rect{8, 10 + font->lineHeight(), 240, 120}, TextFormat::Left);
    // Below the first line the two pictures agree pixel for pixel.
    for (int y = 10 + font->lineHeight(); y < 120; ++y)
        for (int x = 0; x < 240; ++x)
            ASSERT_EQ(both.bitmap->rgbAt(x, y), second.bitmap->rgbAt(x, y)) << x << ", " << y;
    EXPECT_LT(inkOf(*both.bitmap).top, 10 + font->lineHeight());
}

TEST_F(DrawText, OnASingleLineTheBreakDoesNotBreakAndTheLineCanBeCentredVertically) {
    const Rect rect{105, 40, 200, 80};
    Canvas single = canvas(*font);
    EXPECT_EQ(drawText(single.dc, "ABC\nDEF", rect,
                       TextFormat::Right | TextFormat::VerticalCentre | TextFormat::SingleLine),
              font->lineHeight());
    const Ink ink = inkOf(*single.bitmap);
    const int top = 40 + (40 - font->lineHeight()) / 2;
    EXPECT_GE(ink.top, top);
    EXPECT_LT(ink.bottom, top + font->lineHeight());
}

TEST_F(DrawText, TextIsClippedToItsRectangle) {
    Canvas c = canvas(*bold);
    drawText(c.dc, "HYPER BEAM\nHYPER BEAM", Rect{20, 15, 60, 30}, TextFormat::Left);
    const Ink ink = inkOf(*c.bitmap);
    ASSERT_TRUE(ink.any());
    EXPECT_GE(ink.left, 20);
    EXPECT_GE(ink.top, 15);
    EXPECT_LE(ink.right, 59);
    EXPECT_LE(ink.bottom, 29);
    // Hanging off the bitmap is no fault.
    drawText(c.dc, "SHOT", Rect{-10, -5, 400, 400}, TextFormat::Right);
}

TEST_F(DrawText, GlyphsAreBlendedOverTheBackgroundInTheTextColour) {
    Canvas c = canvas(*bold, 0x0000FF);  // red
    drawText(c.dc, "EVADE", Rect{0, 0, 240, 40}, TextFormat::Left);
    int full = 0;
    int partial = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 240; ++x) {
            const std::uint32_t pixel = c.bitmap->rgbAt(x, y);
            if (pixel == 0xFF0000)
                ++full;
            else if (pixel != kBackground) {
                ++partial;
                EXPECT_EQ(pixel & 0x00FFFF, 0u);  // only ever a shade of red over black
            }
        }
    }
    EXPECT_GT(full, 0);
    EXPECT_GT(partial, 0);
}

TEST_F(DrawText, NothingIsDrawnWithoutAFont) {
    Canvas c;
    EXPECT_EQ(drawText(c.dc, "SHOT", Rect{0, 0, 240, 40}, TextFormat::Left), 0);
    EXPECT_FALSE(inkOf(*c.bitmap).any());
}

}  // namespace
}  // namespace cindervane::platform
