// Sprite sheets: the limits of loadSheet, frame cutting, the frame draws, and the turned
// and flash draws with their exact integer tables.
#include "gamelibrary/sprite_sheet.h"

#include <gtest/gtest.h>

#include "../test_folder.h"
#include "platform/draw/blit.h"
#include "test_pictures.h"

namespace cindervane {
namespace {

using platform::Bitmap;
using platform::DeviceContext;
using platform::kKeyBlue;
using platform::Rect;

constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;

// The colour of grey palette entry i of the test palette.
constexpr std::uint32_t grey(int i) {
    return static_cast<std::uint32_t>(i) * 0x010101;
}

class SpriteSheetTest : public ::testing::Test {
  protected:
    SpriteSheetTest() : target(Bitmap::createScreenFormat(32, 32)), targetDC(target.get()) {
        clearTarget();
    }

    void clearTarget() {
        platform::fillRect(targetDC, Rect{0, 0, 32, 32}, platform::Brush::solid(0x808080));
    }

    std::string write(const PictureData& picture, const char* name = "S0001.BAI") {
        const std::string path = (folder.path() / name).string();
        writePictureFile(path, picture);
        return path;
    }

    // The size x size frame drawn at (0, 0), as colours, top row first.
    std::vector<std::vector<std::uint32_t>> drawn(int size) const {
        std::vector<std::vector<std::uint32_t>> rows(size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                rows[y].push_back(target->rgbAt(x, y));
        return rows;
    }

    TestFolder folder;
    std::unique_ptr<Bitmap> target;
    DeviceContext targetDC;
};

TEST_F(SpriteSheetTest, LoadSheetRefusesArgumentsBeyondItsLimitsBeforeLoading) {
    const std::string path = write(indexedPicture(8, 8, [](int, int) { return 1; }));
    SpriteSheet sheet(&targetDC);
    EXPECT_FALSE(sheet.loadSheet(0, 17, 0, path, 8, 8));
    EXPECT_FALSE(sheet.loadSheet(0, 1, 0, path, 641, 8));
    EXPECT_FALSE(sheet.loadSheet(0, 1, 0, path, 8, 321));
    EXPECT_FALSE(sheet.loadSheet(-1, 1, 0, path, 8, 8));
    EXPECT_FALSE(sheet.loadSheet(0, 1, 0, path, 0, 8));
    EXPECT_EQ(sheet.image(), nullptr);
    EXPECT_EQ(sheet.frameCount(), 0);
    EXPECT_TRUE(sheet.loadSheet(0, 16, 0, path, 640, 320));
    EXPECT_EQ(sheet.frameCount(), 16);
    // Count zero loads the picture but gives no frames to draw.
    EXPECT_TRUE(sheet.loadSheet(0, 0, 0, path, 8, 8));
    EXPECT_NE(sheet.image(), nullptr);
    EXPECT_EQ(sheet.frameCount(), 0);
    EXPECT_FALSE(sheet.drawKeyed(kKeyBlue));
    EXPECT_EQ(target->rgbAt(0, 0), kGrey);
}

TEST_F(SpriteSheetTest, AMissingPictureLeavesASheetThatDrawsNothing) {
    SpriteSheet sheet(&targetDC);
    EXPECT_FALSE(sheet.loadSheet(0, 3, 0, (folder.path() / "S0099.BAI").string(), 8, 8));
    EXPECT_EQ(sheet.image(), nullptr);
    EXPECT_EQ(sheet.frameCount(), 0);
    for (bool drew : {sheet.drawKeyed(kKeyBlue), sheet.draw(), sheet.drawStretched(8, 8),
                      sheet.drawRotated(kKeyBlue, 90), sheet.drawFlash(kKeyBlue),
                      sheet.drawRotatedFlash(kKeyBlue, 45)})
        EXPECT_FALSE(drew);
    EXPECT_EQ(target->rgbAt(0, 0), kGrey);
}

TEST_F(SpriteSheetTest, FramesLieSideBySideInTheFirstRow) {
    const std::string path = write(indexedPicture(780, 42, [](int, int) { return 1; }));
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 13, 0, path, 60, 42));
    EXPECT_EQ(sheet.frameCount(), 13);
    EXPECT_EQ(sheet.frame(12), (Rect{720, 0, 780, 42}));
    EXPECT_EQ(sheet.currentFrame(), 0);
    sheet.setFrame(12);
    EXPECT_EQ(sheet.currentFrame(), 12);
    sheet.setFrame(13);
    sheet.setFrame(-1);
    EXPECT_EQ(sheet.currentFrame(), 12);
}

TEST_F(SpriteSheetTest, FrameDrawsShowTheCurrentFrameAtTheSheetsPosition) {
    // Three 2 x 2 frames: red, green, white, each with a blue top-left pixel.
    const std::string path = write(indexedPicture(6, 2, [](int x, int y) {
        return static_cast<std::uint8_t>(x % 2 == 0 && y == 0 ? 0 : 1 + x / 2);
    }));
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 3, 0, path, 2, 2));
    sheet.setPosition(4, 5);
    sheet.setFrame(1);
    sheet.drawKeyed(kKeyBlue);
    EXPECT_EQ(target->rgbAt(4, 5), kGrey);
    EXPECT_EQ(target->rgbAt(5, 6), 0x00FF00u);
    sheet.setFrame(2);
    sheet.draw();
    EXPECT_EQ(target->rgbAt(4, 5), 0x0000FFu);
    EXPECT_EQ(target->rgbAt(5, 6), kWhite);
    sheet.setPosition(10, 10);
    sheet.drawStretched(4, 4);
    EXPECT_EQ(target->rgbAt(11, 11), 0x0000FFu);
    EXPECT_EQ(target->rgbAt(13, 13), kWhite);
    EXPECT_EQ(target->rgbAt(14, 14), kGrey);
}

// A 3 x 3 frame of nine greys, index 10 + x + 3y.
PictureData nineGreys() {
    return indexedPicture(3, 3,
                          [](int x, int y) { return static_cast<std::uint8_t>(10 + x + 3 * y); });
}

TEST_F(SpriteSheetTest, TurningAThreeByThreeFrameByNinetyDegreesKeepsTheCentre) {
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 1, 0, write(nineGreys()), 3, 3));
    sheet.drawRotated(kKeyBlue, 90);
    // u and v run -1, 0, 1. At 90 degrees (3.1415 for pi) the sine terms are 0, 0, 1 and
    // the cosine terms all 0, so the top left of the frame lands top right and the rounding
    // repeats the middle row and column.
    EXPECT_EQ(drawn(3), (std::vector<std::vector<std::uint32_t>>{
                            {grey(13), grey(13), grey(10)},
                            {grey(14), grey(14), grey(11)},
                            {grey(14), grey(14), grey(11)},
                        }));
}

TEST_F(SpriteSheetTest, TurningByNoDegreesKeepsTheFrameUprightAsTheTablesRoundIt) {
    const std::string path = write(indexedPicture(
        5, 5, [](int x, int y) { return static_cast<std::uint8_t>(10 + x + 5 * y); }));
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 1, 0, path, 5, 5));
    sheet.drawKeyed(kKeyBlue);
    const auto keyed = drawn(5);
    sheet.drawRotated(kKeyBlue, 0);
    const auto upright = drawn(5);
    // Right of the centre column and from the centre row up, the keyed picture. The tables
    // round u + 0.5 toward zero, so the columns left of the centre and the rows below it show
    // their neighbour one pixel nearer the centre.
    const int column[] = {1, 2, 2, 3, 4};
    const int row[] = {0, 1, 2, 2, 3};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(upright[y][x], keyed[row[y]][column[x]]) << x << y;
    // A whole turn is drawn the same way.
    clearTarget();
    sheet.drawRotated(kKeyBlue, 360);
    EXPECT_EQ(drawn(5), upright);
}

TEST_F(SpriteSheetTest, TurnedDrawsAreKeyedAndKeepTheFramesBox) {
    // Blue all round a red middle: turned by 45 degrees only red and grey show, within 3 x 3.
    const std::string path = write(indexedPicture(
        3, 3, [](int x, int y) { return static_cast<std::uint8_t>(x == 1 && y == 1 ? 1 : 0); }));
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 1, 0, path, 3, 3));
    sheet.setPosition(1, 1);
    sheet.drawRotated(kKeyBlue, 45);
    EXPECT_EQ(target->rgbAt(2, 2), kRed);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool outsideTheBox = x == 0 || y == 0 || x > 3 || y > 3;
            if (outsideTheBox) {
                EXPECT_EQ(target->rgbAt(x, y), kGrey) << x << y;
            }
        }
    }
}

TEST_F(SpriteSheetTest, TheFlashTurnsEveryPixelUnlikeTheBottomLeftOneWhite) {
    // Palette entry 255 is green in the picture: the flash is white all the same.
    std::vector<platform::RgbQuad> palette = testPalette();
    palette[255] = platform::RgbQuad{0, 255, 0, 0};
    const auto index = [](int x, int y) -> std::uint8_t {
        if (y == 2 && x == 0) return 0;  // bottom left: blue
        return static_cast<std::uint8_t>((x + y) % 3 == 0 ? 0 : (x + y) % 3 == 1 ? 1 : 255);
    };
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 1, 0, write(indexedPicture(3, 3, index, palette)), 3, 3));
    sheet.drawFlash(kKeyBlue);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(target->rgbAt(x, y), index(x, y) == 0 ? kGrey : kWhite) << x << y;

    // With a red bottom-left pixel, red stays red and even blue turns white.
    const auto redCorner = [](int x, int y) -> std::uint8_t {
        return static_cast<std::uint8_t>(y == 2 || x == 1 ? 1 : 0);
    };
    SpriteSheet second(&targetDC);
    ASSERT_TRUE(
        second.loadSheet(0, 1, 0, write(indexedPicture(3, 3, redCorner), "S0002.BAI"), 3, 3));
    second.drawFlash(kKeyBlue);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(target->rgbAt(x, y), redCorner(x, y) == 1 ? kRed : kWhite) << x << y;
}

TEST_F(SpriteSheetTest, TheTurnedFlashTurnsFirstAndWhitensWhatIsUnlikeTheCorner) {
    // Blue, with red in the middle and grey 20 top left (the corner below is blue).
    const std::string path = write(indexedPicture(3, 3, [](int x, int y) -> std::uint8_t {
        if (x == 1 && y == 1) return 1;
        return x == 0 && y == 0 ? 20 : 0;
    }));
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 1, 0, path, 3, 3));
    sheet.drawRotatedFlash(kKeyBlue, 90);
    // The pixels land as in the turn of the nine greys above.
    EXPECT_EQ(drawn(3), (std::vector<std::vector<std::uint32_t>>{
                            {kGrey, kGrey, kWhite},
                            {kWhite, kWhite, kGrey},
                            {kWhite, kWhite, kGrey},
                        }));
}

TEST_F(SpriteSheetTest, AColourAtThePalettesLastEntryKeepsItsColourWhenTurned) {
    std::vector<platform::RgbQuad> palette = testPalette();
    palette[255] = platform::RgbQuad{0, 255, 0, 0};  // green
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 1, 0,
                                write(indexedPicture(
                                    3, 3, [](int, int) { return 255; }, palette)),
                                3, 3));
    sheet.drawRotated(kKeyBlue, 90);
    EXPECT_EQ(target->rgbAt(1, 1), 0x00FF00u);
}

TEST_F(SpriteSheetTest, SheetsOfOtherDepthsDrawTheirFrameUprightForTurnsAndFlashes) {
    PictureData picture;
    picture.width = 4;
    picture.height = 2;
    picture.bitsPerPixel = 24;
    for (int i = 0; i < 8; ++i)
        picture.pixels.insert(picture.pixels.end(), {0, 0, 255});
    picture.pixels[0] = 255;  // top-left pixel blue
    picture.pixels[2] = 0;
    SpriteSheet sheet(&targetDC);
    ASSERT_TRUE(sheet.loadSheet(0, 2, 0, write(picture), 2, 2));
    sheet.drawRotated(kKeyBlue, 90);
    EXPECT_EQ(target->rgbAt(0, 0), kGrey);
    EXPECT_EQ(target->rgbAt(1, 0), kRed);
    sheet.setPosition(4, 0);
    sheet.drawFlash(kKeyBlue);
    EXPECT_EQ(target->rgbAt(5, 1), kRed);
}

}  // namespace
}  // namespace cindervane
