// The desktop's icons: the window's emblem at every size of the icon theme, with a clear
// ground around it.
#include "tools/assetgen/desktop_icons.h"

#include <gtest/gtest.h>

#include "tools/assetgen/asset_generator.h"

namespace cindervane::assetgen {
namespace {

bool opaque(Canvas& canvas, int x, int y) {
    return canvas.pixel(x, y).alpha > 0.5;
}

// Whether a pixel of the window's icon is its left-out pure blue.
bool keyed(const PictureData& picture, int x, int y) {
    const int at = y * picture.width + x;
    if (picture.bitsPerPixel == 24)
        return picture.pixels[at * 3] == 0xFF && picture.pixels[at * 3 + 1] == 0 &&
               picture.pixels[at * 3 + 2] == 0;
    const platform::RgbQuad& c = picture.palette[picture.pixels[at]];
    return c.blue == 0xFF && c.green == 0 && c.red == 0;
}

TEST(DesktopIcons, EverySizeShowsTheWindowsEmblemOnAClearGround) {
    GeneratedFile window;
    std::string error;
    ASSERT_TRUE(AssetGenerator().generateOne(kEmblemFile, window, error)) << error;
    ASSERT_EQ(window.picture.width, kEmblemSize);
    // The window's icon leaves out its pure blue; the desktop's leaves the same place clear.
    Canvas same(kEmblemSize, kEmblemSize);
    ASSERT_TRUE(paintEmblem(same, kEmblemSize));
    int agree = 0;
    for (int y = 0; y < kEmblemSize; ++y)
        for (int x = 0; x < kEmblemSize; ++x)
            agree += keyed(window.picture, x, y) != opaque(same, x, y);
    EXPECT_GE(agree, kEmblemSize * kEmblemSize * 97 / 100);

    for (const int size : kDesktopIconSizes) {
        Canvas icon(size, size);
        ASSERT_TRUE(paintEmblem(icon, size));
        EXPECT_TRUE(opaque(icon, size / 2, size / 2)) << size;
        EXPECT_FALSE(opaque(icon, 0, 0)) << size;
        EXPECT_FALSE(opaque(icon, size - 1, size - 1)) << size;
        // Scaled, not cut or framed: the emblem reaches the same share of each edge.
        EXPECT_EQ(opaque(icon, size / 2, size / 16), opaque(same, 24, 3)) << size;
    }
    // Every size lands in the icon theme's folders (the install test reads them); a folder
    // that cannot be made is reported, not ignored.
    EXPECT_FALSE(writeDesktopIcons("/proc/no-such-folder", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace cindervane::assetgen
