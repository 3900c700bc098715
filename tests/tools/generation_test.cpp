// Generation as a whole: the same bytes on every run, one file for every name the game loads.
#include "tools/assetgen/asset_generator.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/tools/asset_reader.h"
#include "tools/assetgen/canvas.h"

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

}  // namespace
}  // namespace cindervane::assetgen
