// The one record of the game: everything the game knows, owned by the game and handed to
// the code that needs it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/game_screen.h"
#include "game/sheet_catalogue.h"
#include "gamelibrary/sprite_sheet.h"

namespace cindervane {

class GameApp;

struct GameState {
    // The application shell the game runs in: fatal errors, closing, paths.
    GameApp* app = nullptr;

    GameScreen screen = GameScreen::Logo;
    std::int32_t frameCounter = 0;

    // Every catalogue's sheets: made once at start-up and kept for the whole run.
    std::vector<std::unique_ptr<SpriteSheet>> catalogueSheets;
    // The sprite catalogues, filled at start-up, in which play objects find their sheets
    // by id.
    SheetCatalogue craftSheets;
    SheetCatalogue projectileSheets;
    SheetCatalogue effectSheets;
    SheetCatalogue coinSheets;
    SheetCatalogue boxSheets;
    SheetCatalogue partSheets;
};

}  // namespace cindervane
