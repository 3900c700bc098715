// Loading the six sheet catalogues.
#include "stage/sheet_catalogue_loader.h"

#include <array>
#include <span>
#include <string>

#include "core/catalogues/box_sheets.h"
#include "core/catalogues/coin_sheets.h"
#include "core/catalogues/craft_sheets.h"
#include "core/catalogues/effect_sheets.h"
#include "core/catalogues/part_sheets.h"
#include "core/catalogues/projectile_sheets.h"
#include "gamelibrary/game_app.h"

namespace cindervane {

namespace {

struct CatalogueLoad {
    SheetCatalogue RunResources::*catalogue;
    std::span<const SheetRow> rows;
    bool visible;         // craft and part sheets are shown from the start
    bool enemyInMessage;  // their messages say "Error loading Enemy ..."
};

// The loading order of the catalogues.
const std::array<CatalogueLoad, 6> kCatalogueLoads{{
    {&RunResources::craftSheets, kCraftSheets, true, true},
    {&RunResources::partSheets, kPartSheets, true, true},
    {&RunResources::projectileSheets, kProjectileSheets, false, false},
    {&RunResources::effectSheets, kEffectSheets, false, false},
    {&RunResources::coinSheets, kCoinSheets, false, false},
    {&RunResources::boxSheets, kBoxSheets, false, false},
}};

}  // namespace

void loadSheetCatalogues(RunResources& run, platform::DeviceContext* backDC) {
    if (!run.app) return;
    for (const CatalogueLoad& load : kCatalogueLoads) {
        SheetCatalogue& catalogue = run.*load.catalogue;
        for (const SheetRow& row : load.rows) {
            auto entry = std::make_unique<SheetEntry>();
            auto sheet = std::make_unique<SpriteSheet>(backDC);
            sheet->setVisible(load.visible);
            entry->id = row.id;
            entry->sheet = sheet.get();
            if (!sheet->loadSheet(0, row.frames, 0, run.app->pathBesideProgram(row.file),
                                  row.frameWidth, row.frameHeight)) {
                std::string message = "Error loading ";
                if (load.enemyInMessage && !row.noEnemy) message += "Enemy ";
                message += row.symbol;
                run.app->fatalError(message);
            }
            run.catalogueSheets.push_back(std::move(sheet));
            catalogue.append(std::move(entry));
        }
    }
}

}  // namespace cindervane
