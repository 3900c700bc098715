// Generation as a whole: the same bytes on every run, one file for every name the game loads.
#include "tools/assetgen/asset_generator.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/tools/asset_reader.h"
#include "tools/assetgen/canvas.h"
#include "tools/assetgen/palette_quantiser.h"

namespace cindervane::assetgen {
namespace {

// Drawing fills cairo's and the font library's caches; they are handed back at the end so
// the sanitizer build sees no leak.
class DrawingCaches : public ::testing::Environment {
  public:
    void TearDown() override { releaseDrawingCaches(); }
};

const ::testing::Environment* const kDrawingCaches =
    ::testing::AddGlobalTestEnvironment(new DrawingCaches);

// The build wrote its files with the generator program; making them again here, in this
// process and with its own threads, must give the very same bytes.
TEST(Generation, EveryRunMakesTheSameBytes) {
    std::vector<GeneratedFile> files;
    std::string error;
    ASSERT_TRUE(AssetGenerator(2).generate(files, error)) << error;
    std::set<std::string_view> names;
    for (const AssetRow& row : kInventory)
        names.insert(row.file);
    EXPECT_EQ(files.size(), names.size());
    for (const GeneratedFile& file : files) {
        EXPECT_TRUE(names.count(file.file)) << file.file;
        EXPECT_EQ(file.bytes, test::readBytes(test::assetFolder() / file.file)) << file.file;
    }
}

TEST(Generation, AFileOutsideTheInventoryIsRefused) {
    GeneratedFile file;
    std::string error;
    EXPECT_FALSE(AssetGenerator(1).generateOne("X0000.BAI", file, error));
    EXPECT_NE(error.find("X0000.BAI"), std::string::npos);
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
