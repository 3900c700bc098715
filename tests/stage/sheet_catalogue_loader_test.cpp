// Loading the six sheet catalogues at start-up: order, frames, visible flags and the exact
// message of every missing picture.
#include "stage/sheet_catalogue_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../gamelibrary/recording_game.h"
#include "../test_folder.h"
#include "core/catalogues/box_sheets.h"
#include "core/catalogues/coin_sheets.h"
#include "core/catalogues/craft_sheets.h"
#include "core/catalogues/effect_sheets.h"
#include "core/catalogues/part_sheets.h"
#include "core/catalogues/projectile_sheets.h"
#include "gamelibrary/picture_writer.h"
#include "platform/headless_platform.h"

namespace cindervane {
namespace {

using platform::HeadlessPlatform;

struct Catalogue {
    const char* name;
    SheetCatalogue RunResources::*list;
    std::span<const SheetRow> rows;
    bool visible;
};

const Catalogue kCatalogues[] = {
    {"craft", &RunResources::craftSheets, kCraftSheets, true},
    {"part", &RunResources::partSheets, kPartSheets, true},
    {"projectile", &RunResources::projectileSheets, kProjectileSheets, false},
    {"effect", &RunResources::effectSheets, kEffectSheets, false},
    {"coin", &RunResources::coinSheets, kCoinSheets, false},
    {"box", &RunResources::boxSheets, kBoxSheets, false},
};

class SheetCatalogueLoader : public ::testing::Test {
  protected:
    SheetCatalogueLoader()
        : host(options(), {}),
          game(host),
          app(makeTestApp(host, game)),
          backBuffer(platform::Bitmap::createScreenFormat(240, 320)),
          backDC(backBuffer.get()) {
        state.run.app = app.get();
    }

    platform::PlatformOptions options() {
        platform::PlatformOptions chosen;
        chosen.assetDirectory = folder.path();
        return chosen;
    }

    // Every picture the tables name, each a small 8-bit picture.
    void writeEveryPicture() {
        PictureData picture;
        picture.width = 4;
        picture.height = 4;
        picture.pixels.assign(16, 1);
        for (const Catalogue& catalogue : kCatalogues)
            for (const SheetRow& row : catalogue.rows)
                ASSERT_TRUE(writePictureFile(folder.path() / std::string(row.file), picture));
    }

    std::vector<std::string> boxes() const {
        std::vector<std::string> texts;
        for (const auto& box : host.messageBoxes()) {
            EXPECT_EQ(box.caption, "Fatal Error");
            texts.push_back(box.text);
        }
        return texts;
    }

    TestFolder folder;
    HeadlessPlatform host;
    RecordingGame game;
    std::unique_ptr<GameApp> app;
    std::unique_ptr<platform::Bitmap> backBuffer;
    platform::DeviceContext backDC;
    GameState state;
};

TEST_F(SheetCatalogueLoader, LoadsEveryRowInTableOrderWithItsFramesAndVisibleFlag) {
    writeEveryPicture();
    loadSheetCatalogues(state.run, &backDC);
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(state.run.catalogueSheets.size(), 99u);
    for (const Catalogue& catalogue : kCatalogues) {
        SheetCatalogue::Node* node = (state.run.*catalogue.list).head();
        for (const SheetRow& row : catalogue.rows) {
            ASSERT_NE(node, nullptr) << catalogue.name;
            const SheetEntry* entry = node->object.get();
            EXPECT_EQ(entry->id, row.id) << catalogue.name;
            const SpriteSheet& sheet = *entry->sheet;
            EXPECT_EQ(sheet.frameCount(), row.frames) << row.symbol;
            EXPECT_EQ(sheet.width(), row.frameWidth) << row.symbol;
            EXPECT_EQ(sheet.height(), row.frameHeight) << row.symbol;
            EXPECT_EQ(sheet.visible(), catalogue.visible) << row.symbol;
            EXPECT_EQ(sheet.targetDC(), &backDC);
            EXPECT_TRUE(sheet.image()->path().ends_with(row.file)) << row.symbol;
            node = node->next;
        }
        EXPECT_EQ(node, nullptr) << catalogue.name;
    }
}

TEST_F(SheetCatalogueLoader, AMissingPictureIsReportedWithItsRowsMessageAndStillListed) {
    writeEveryPicture();
    for (const char* file : {"S0013.BAI", "S0007.BAI", "S0032.BAI", "A0016.BAI", "I0001.BAI"})
        std::filesystem::remove(folder.path() / file);
    loadSheetCatalogues(state.run, &backDC);
    EXPECT_EQ(boxes(), (std::vector<std::string>{
                           "Error loading Enemy IMG_ENEMY_KRAPHY",
                           "Error loading IMG_ENEMY_EGMIXER",
                           "Error loading Enemy IMG_ENEMY_POSEIDONLEFTV2",
                           "Error loading Enemy IMG_ENEMY_POSEIDONLEFTV3",
                           "Error loading IMG_SHOT_MISSILEUP",
                           "Error loading IMG_SHOT_MISSILEUP",
                           "Error loading IMG_ITEM_BOX",
                       }));
    EXPECT_EQ(state.run.catalogueSheets.size(), 99u);
    SheetEntry* kraphy = nullptr;
    ASSERT_TRUE(state.run.craftSheets.find(13, kraphy));
    EXPECT_EQ(kraphy->sheet->image(), nullptr);
    EXPECT_TRUE(kraphy->sheet->visible());
    // Each report asks the game to close.
    platform::Message message;
    ASSERT_TRUE(host.peekMessage(message));
    EXPECT_EQ(message.id, platform::WM_CLOSE);
}

TEST_F(SheetCatalogueLoader, WithNoPicturesEveryRowReportsInLoadingOrder) {
    loadSheetCatalogues(state.run, &backDC);
    const std::vector<std::string> texts = boxes();
    ASSERT_EQ(texts.size(), 99u);
    EXPECT_EQ(texts[0], "Error loading Enemy IMG_ENEMY_KRAPHY");
    EXPECT_EQ(texts[98], "Error loading IMG_ITEM_BOX");
}

}  // namespace
}  // namespace cindervane
