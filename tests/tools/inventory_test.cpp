// The inventory against the files the build wrote: every file the game loads fits every row
// that uses it, and has one maker. (That every file is there, byte for byte, is the
// generation test's.)
#include "tools/assetgen/inventory.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/tools/asset_reader.h"
#include "tools/assetgen/art/art.h"
#include "tools/assetgen/painter_table.h"
#include "tools/assetgen/sound/sounds.h"

namespace cindervane::assetgen {
namespace {

using test::assetFolder;
using test::readPicture;

TEST(Inventory, RowsSharingAFileAgreeOnItsFramesAndWidth) {
    std::map<std::string_view, const AssetRow*> first;
    for (const AssetRow& row : kInventory) {
        auto [it, added] = first.emplace(row.file, &row);
        if (added) continue;
        EXPECT_EQ(row.frames, it->second->frames) << row.file;
        EXPECT_EQ(row.frameWidth, it->second->frameWidth) << row.file;
        EXPECT_EQ(isSheet(row.kind), isSheet(it->second->kind)) << row.file;
    }
}

TEST(Inventory, SheetsAreEightBitStripsLargeEnoughForEveryRow) {
    for (const AssetRow& row : kInventory) {
        if (!isSheet(row.kind)) continue;
        const auto picture = readPicture(assetFolder() / row.file);
        ASSERT_TRUE(picture) << row.file;
        EXPECT_EQ(picture->bitsPerPixel, 8) << row.file;
        EXPECT_GE(picture->width, row.frames * row.frameWidth) << row.symbol;
        EXPECT_GE(picture->height, row.frameHeight) << row.symbol;
        EXPECT_LE(row.frames, 16) << row.symbol;  // a sheet holds at most 16 frames
    }
}

TEST(Inventory, ScreenPicturesHaveTheSizeTheGameDrawsThemAt) {
    for (const AssetRow& row : kInventory) {
        if (isSheet(row.kind) || isSound(row.kind)) continue;
        const auto picture = readPicture(assetFolder() / row.file);
        ASSERT_TRUE(picture) << row.file;
        EXPECT_EQ(picture->width, row.frameWidth) << row.symbol;
        EXPECT_EQ(picture->height, row.frameHeight) << row.symbol;
        // The story and stage screens take 240-pixel-wide windows from their text pictures.
        if (row.kind == TextPicture || row.kind == KeyedTextPicture) {
            EXPECT_EQ(picture->width, 240) << row.symbol;
        }
    }
}

// The second and third forms of one boss cut the same wing pictures at 110 and 145 rows:
// at either height the frame must end in a key-coloured row and hold the whole wing.
TEST(Inventory, SharedFilesLookRightCutAtEveryHeight) {
    std::map<std::string_view, std::set<int>> heights;
    for (const AssetRow& row : kInventory)
        if (isSheet(row.kind)) heights[row.file].insert(row.frameHeight);
    int shared = 0;
    for (const auto& [file, cuts] : heights) {
        if (cuts.size() < 2) continue;
        ++shared;
        const auto picture = readPicture(assetFolder() / file);
        ASSERT_TRUE(picture) << file;
        int previousCut = 0;
        for (int cut : cuts) {
            for (int x = 0; x < picture->width; ++x)
                ASSERT_TRUE(picture->isKey(x, cut - 1)) << file << " cut at " << cut << " x " << x;
            int visible = 0;
            for (int y = previousCut; y < cut; ++y)
                for (int x = 0; x < picture->width; ++x)
                    visible += !picture->isKey(x, y);
            EXPECT_GT(visible, picture->width * 2) << file << " has nothing above row " << cut;
            previousCut = cut;
        }
    }
    EXPECT_EQ(shared, 2);  // the left and right wings
}

TEST(Inventory, EveryFileHasExactlyOneMaker) {
    std::set<std::string_view> files;
    for (const AssetRow& row : kInventory)
        files.insert(row.file);
    std::set<std::string_view> made;
    for (auto group : painterGroups())
        for (const PainterRow& row : group) {
            EXPECT_TRUE(files.count(row.file)) << row.file << " is painted but never loaded";
            EXPECT_TRUE(made.insert(row.file).second) << row.file << " has two painters";
        }
    for (auto group : {effectComposers(), musicComposers()})
        for (const ComposerRow& row : group) {
            EXPECT_TRUE(files.count(row.file)) << row.file << " is composed but never loaded";
            EXPECT_TRUE(made.insert(row.file).second) << row.file << " has two composers";
        }
    EXPECT_EQ(made, files);
}

}  // namespace
}  // namespace cindervane::assetgen
