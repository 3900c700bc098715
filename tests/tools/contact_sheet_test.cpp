// The contact sheet: one PNG for a person to review, holding every picture it is given.
#include "tools/assetgen/contact_sheet.h"

#include <gtest/gtest.h>

#include "tests/test_folder.h"
#include "tests/tools/asset_reader.h"

namespace cindervane::assetgen {
namespace {

TEST(ContactSheet, WritesOnePngWithRoomForEveryPicture) {
    const AssetGenerator generator(1);
    std::vector<GeneratedFile> files(3);
    std::string error;
    ASSERT_TRUE(generator.generateOne("S0054.BAI", files[0], error)) << error;
    ASSERT_TRUE(generator.generateOne("O0048.BAI", files[1], error)) << error;
    ASSERT_TRUE(generator.generateOne("W0001.BAS", files[2], error)) << error;
    TestFolder folder;
    const auto png = folder.path() / "sheet.png";
    ASSERT_TRUE(ContactSheet(files, 2).write(png, error)) << error;
    const auto bytes = test::readBytes(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
    const auto big = [&](std::size_t at) {
        return bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
    };
    // Zoomed twice: wider than the ship's 13 frames and taller than the menu, both doubled.
    EXPECT_GE(big(16), 2 * 13 * 60);
    EXPECT_GE(big(20), 2 * 320);
}

TEST(ContactSheet, ReportsAFolderItCannotWriteTo) {
    std::vector<GeneratedFile> none;
    std::string error;
    EXPECT_FALSE(ContactSheet(none).write("/nonexistent-folder/sheet.png", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace cindervane::assetgen
