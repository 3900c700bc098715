// The one record of the game: everything the game knows, owned by the game and handed to
// the code that needs it.
#pragma once

#include <cstdint>

#include "game/game_screen.h"

namespace cindervane {

class GameApp;

struct GameState {
    // The application shell the game runs in: fatal errors, closing, paths.
    GameApp* app = nullptr;

    GameScreen screen = GameScreen::Logo;
    std::int32_t frameCounter = 0;
};

}  // namespace cindervane
