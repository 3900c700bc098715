// Loading the six sheet catalogues at start-up: order, frames, visible flags and the exact
// message of every missing picture.
#include "stage/sheet_catalogue_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../play/play_field.h"
#include "core/catalogues/box_sheets.h"
#include "core/catalogues/coin_sheets.h"
#include "core/catalogues/craft_sheets.h"
#include "core/catalogues/effect_sheets.h"
#include "core/catalogues/part_sheets.h"
#include "core/catalogues/projectile_sheets.h"

namespace cindervane {
namespace {

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

// Every file the catalogues name.
std::vector<std::string> everyFile() {
    std::vector<std::string> files;
    for (const Catalogue& catalogue : kCatalogues)
        for (const SheetRow& row : catalogue.rows)
            files.emplace_back(row.file);
    return files;
}

// The play field loads the catalogues as start-up does, from pictures of the real frame sizes.
TEST(SheetCatalogueLoader, LoadsEveryRowInTableOrderWithItsFramesAndVisibleFlag) {
    PlayField field;
    EXPECT_TRUE(field.boxes().empty());
    EXPECT_EQ(field.state.run.catalogueSheets.size(), 99u);
    for (const Catalogue& catalogue : kCatalogues) {
        SheetCatalogue::Node* node = (field.state.run.*catalogue.list).head();
        for (const SheetRow& row : catalogue.rows) {
            ASSERT_NE(node, nullptr) << catalogue.name;
            const SheetEntry* entry = node->object.get();
            EXPECT_EQ(entry->id, row.id) << catalogue.name;
            const SpriteSheet& sheet = *entry->sheet;
            EXPECT_EQ(sheet.frameCount(), row.frames) << row.symbol;
            EXPECT_EQ(sheet.width(), row.frameWidth) << row.symbol;
            EXPECT_EQ(sheet.height(), row.frameHeight) << row.symbol;
            EXPECT_EQ(sheet.visible(), catalogue.visible) << row.symbol;
            EXPECT_EQ(sheet.targetDC(), &field.backDC);
            EXPECT_TRUE(sheet.image()->path().ends_with(row.file)) << row.symbol;
            node = node->next;
        }
        EXPECT_EQ(node, nullptr) << catalogue.name;
    }
}

TEST(SheetCatalogueLoader, AMissingPictureIsReportedWithItsRowsMessageAndStillListed) {
    PlayField field({"S0013.BAI", "S0007.BAI", "S0032.BAI", "A0016.BAI", "I0001.BAI"});
    EXPECT_EQ(field.boxes(), (std::vector<std::string>{
                                 "Error loading Enemy IMG_ENEMY_KRAPHY",
                                 "Error loading IMG_ENEMY_EGMIXER",
                                 "Error loading Enemy IMG_ENEMY_POSEIDONLEFTV2",
                                 "Error loading Enemy IMG_ENEMY_POSEIDONLEFTV3",
                                 "Error loading IMG_SHOT_MISSILEUP",
                                 "Error loading IMG_SHOT_MISSILEUP",
                                 "Error loading IMG_ITEM_BOX",
                             }));
    for (const auto& box : field.host.messageBoxes())
        EXPECT_EQ(box.caption, "Fatal Error");
    EXPECT_EQ(field.state.run.catalogueSheets.size(), 99u);
    SheetEntry* kraphy = nullptr;
    ASSERT_TRUE(field.state.run.craftSheets.find(13, kraphy));
    EXPECT_EQ(kraphy->sheet->image(), nullptr);
    EXPECT_TRUE(kraphy->sheet->visible());
    // Each report asks the game to close.
    platform::Message message;
    ASSERT_TRUE(field.host.peekMessage(message));
    EXPECT_EQ(message.id, platform::WM_CLOSE);
}

TEST(SheetCatalogueLoader, WithNoPicturesEveryRowReportsInLoadingOrder) {
    PlayField field(everyFile());
    const std::vector<std::string> texts = field.boxes();
    ASSERT_EQ(texts.size(), 99u);
    EXPECT_EQ(texts[0], "Error loading Enemy IMG_ENEMY_KRAPHY");
    EXPECT_EQ(texts[98], "Error loading IMG_ITEM_BOX");
}

}  // namespace
}  // namespace cindervane
