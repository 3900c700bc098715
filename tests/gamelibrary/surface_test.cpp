// Surfaces and sprites: loading, the four draws, the back buffer reaching the window, and
// the overlap tests of the collisions.
#include "gamelibrary/surface.h"

#include <gtest/gtest.h>

#include "../test_folder.h"
#include "gamelibrary/sprite.h"
#include "platform/draw/blit.h"
#include "platform/headless_platform.h"
#include "test_pictures.h"

namespace cindervane {
namespace {

using platform::Bitmap;
using platform::DeviceContext;
using platform::kKeyBlue;
using platform::Point;
using platform::Rect;

constexpr std::uint32_t kGrey = 0x808080;

class SurfaceTest : public ::testing::Test {
  protected:
    SurfaceTest() : target(Bitmap::createScreenFormat(64, 64)), targetDC(target.get()) {
        platform::fillRect(targetDC, Rect{0, 0, 64, 64}, platform::Brush::solid(0x808080));
        // 5 x 4: a blue frame (index 0) around red, green and white.
        writePictureFile(picturePath(), indexedPicture(5, 4, [](int x, int y) {
                             if (x == 0 || y == 0 || x == 4 || y == 3) return std::uint8_t{0};
                             return static_cast<std::uint8_t>(x);
                         }));
    }

    std::string picturePath() const { return (folder.path() / "O0001.BAI").string(); }

    std::vector<std::uint32_t> pixels() const {
        std::vector<std::uint32_t> all;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                all.push_back(target->rgbAt(x, y));
        return all;
    }

    TestFolder folder;
    std::unique_ptr<Bitmap> target;
    DeviceContext targetDC;
};

TEST_F(SurfaceTest, ALoadedPictureKeepsItsSizeDepthAndColours) {
    Surface surface(&targetDC);
    ASSERT_TRUE(surface.loadImage(picturePath()));
    EXPECT_EQ(surface.width(), 5);
    EXPECT_EQ(surface.height(), 4);
    EXPECT_EQ(surface.path(), picturePath());
    ASSERT_NE(surface.memoryDC(), nullptr);
    EXPECT_EQ(surface.description().bitsPerPixel, 8);
    EXPECT_EQ(surface.description().bytesPerRow, 8);
    EXPECT_EQ(surface.bitmap()->rgbAt(1, 1), 0xFF0000u);  // index 1, red
    EXPECT_EQ(surface.bitmap()->rgbAt(3, 2), 0xFFFFFFu);  // index 3, white
}

TEST_F(SurfaceTest, AFailedLoadOrBlankKeepsOnlyThePathAndDrawsNothing) {
    Surface surface(&targetDC);
    const std::string missing = (folder.path() / "O0099.BAI").string();
    EXPECT_FALSE(surface.loadImage(missing));
    EXPECT_EQ(surface.path(), missing);
    EXPECT_EQ(surface.header(), nullptr);
    EXPECT_EQ(surface.memoryDC(), nullptr);
    EXPECT_EQ(surface.width(), 0);
    EXPECT_EQ(surface.height(), 0);
    for (bool drew : {surface.drawAt(0, 0), surface.drawKeyedAt(0, 0, kKeyBlue),
                      surface.drawStretchedAt(0, 0, 10, 10), surface.drawAtOn(targetDC, 0, 0)})
        EXPECT_FALSE(drew);
    EXPECT_EQ(target->rgbAt(0, 0), kGrey);
    // Nor can a blank surface have a size no bitmap can have.
    EXPECT_FALSE(surface.createBlank(0, 320));
    EXPECT_FALSE(surface.createBlank(240, 5000));
    EXPECT_EQ(surface.memoryDC(), nullptr);
}

TEST_F(SurfaceTest, KeyedDrawLeavesTheBlueFrameOutAndOpaqueDrawKeepsIt) {
    Surface surface(&targetDC);
    ASSERT_TRUE(surface.loadImage(picturePath()));
    surface.drawKeyedAt(10, 20, kKeyBlue);
    EXPECT_EQ(target->rgbAt(10, 20), kGrey);
    EXPECT_EQ(target->rgbAt(11, 21), 0xFF0000u);
    EXPECT_EQ(target->rgbAt(14, 23), kGrey);
    surface.drawAt(30, 20);
    EXPECT_EQ(target->rgbAt(30, 20), 0x0000FFu);
    EXPECT_EQ(target->rgbAt(32, 21), 0x00FF00u);
}

TEST_F(SurfaceTest, AStretchedDrawCoversTheBoxItIsGiven) {
    Surface surface(&targetDC);
    ASSERT_TRUE(surface.loadImage(picturePath()));
    surface.drawStretchedAt(40, 40, 10, 8);
    EXPECT_EQ(target->rgbAt(40, 40), 0x0000FFu);
    EXPECT_EQ(target->rgbAt(43, 43), 0xFF0000u);
    EXPECT_EQ(target->rgbAt(49, 47), 0x0000FFu);
    EXPECT_EQ(target->rgbAt(50, 48), kGrey);
}

TEST_F(SurfaceTest, TheBackBufferIsCopiedIntoTheWindowPicture) {
    platform::HeadlessPlatform host({}, {});
    Surface backBuffer(&host.windowContext());
    ASSERT_TRUE(backBuffer.createBlank(240, 320));
    EXPECT_EQ(backBuffer.bitmap()->format(), platform::PixelFormat::Rgb32);
    DeviceContext& backDC = *backBuffer.memoryDC();
    Surface picture(&backDC);
    ASSERT_TRUE(picture.loadImage(picturePath()));
    picture.drawAt(235, 316);  // hangs over the bottom-right corner
    platform::bitBlt(host.windowContext(), 0, 0, 240, 320, backDC, 0, 0);
    EXPECT_EQ(host.windowPicture().rgbAt(235, 316), 0x0000FFu);
    EXPECT_EQ(host.windowPicture().rgbAt(236, 317), 0xFF0000u);
    EXPECT_EQ(host.windowPicture().rgbAt(0, 0), 0u);
}

// Sprites whose picture is a plain w x h block, for the overlap tests.
class OverlapTest : public SurfaceTest {
  protected:
    std::unique_ptr<Sprite> sprite(int width, int height, int x, int y) {
        const std::string path =
            (folder.path() / ("B" + std::to_string(width) + "x" + std::to_string(height))).string();
        writePictureFile(path, indexedPicture(width, height, [](int, int) { return 1; }));
        auto made = std::make_unique<Sprite>(&targetDC);
        EXPECT_TRUE(made->loadImage(path));
        made->setPosition(x, y);
        return made;
    }
};

TEST_F(OverlapTest, TheMiddleHalvesOfTheBoxesMustOverlap) {
    auto a = sprite(40, 40, 0, 0);
    auto b = sprite(40, 40, 39, 0);
    Rect out{7, 7, 7, 7};
    Point centre{5, 5};
    // Boxes 10..30 and 49..69.
    EXPECT_FALSE(a->overlaps(*b, out));
    EXPECT_FALSE(a->overlapCentre(*b, centre));
    EXPECT_EQ(out, (Rect{7, 7, 7, 7}));
    EXPECT_EQ(centre, (Point{5, 5}));
    // Boxes 10..30 and 29..49: they share the column 29, centred at integer half of 59.
    b->setPosition(19, 0);
    EXPECT_TRUE(a->overlaps(*b, out));
    EXPECT_EQ(out, (Rect{29, 10, 30, 30}));
    EXPECT_TRUE(b->overlapCentre(*a, centre));
    EXPECT_EQ(centre, (Point{29, 20}));
}

TEST_F(OverlapTest, ATwoPixelWideSpriteHasNoQuarterToLose) {
    auto thin = sprite(2, 3, 10, 10);
    Rect box;
    ASSERT_TRUE(thin->overlaps(*thin, box));
    EXPECT_EQ(box, (Rect{10, 10, 12, 13}));
    // A quarter of 5 is 1 on each side.
    auto wider = sprite(5, 9, -10, -20);
    ASSERT_TRUE(wider->overlaps(*wider, box));
    EXPECT_EQ(box, (Rect{-9, -18, -6, -13}));
}

TEST_F(OverlapTest, CentresOfNegativeOverlapsRoundTowardZero) {
    auto a = sprite(4, 4, -4, -4);
    auto b = sprite(4, 4, -4, -4);
    Point centre;
    ASSERT_TRUE(a->overlapCentre(*b, centre));
    // The box is -3..-1: (-3 + -1) / 2 = -2.
    EXPECT_EQ(centre, (Point{-2, -2}));
    // One pixel to the left the overlap is -3..-2: (-3 + -2) / 2 is -2, not -3.
    b->setPosition(-5, -4);
    ASSERT_TRUE(a->overlapCentre(*b, centre));
    EXPECT_EQ(centre.x, -2);
}

TEST_F(OverlapTest, SpritesDrawAtTheirPosition) {
    auto block = sprite(3, 3, 50, 60);
    block->drawKeyed(kKeyBlue);
    EXPECT_EQ(target->rgbAt(52, 62), 0xFF0000u);
    EXPECT_EQ(target->rgbAt(53, 62), kGrey);
    block->setPosition(0, 0);
    block->drawStretched(6, 6);
    EXPECT_EQ(target->rgbAt(5, 5), 0xFF0000u);
    EXPECT_FALSE(block->visible());
}

}  // namespace
}  // namespace cindervane
