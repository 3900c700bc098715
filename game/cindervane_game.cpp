// The game behind the application shell's callbacks.
#include "game/cindervane_game.h"

#include <nlohmann/json.hpp>

namespace cindervane {

CindervaneGame::CindervaneGame(platform::Platform& platform) : platform_(platform) {}

void CindervaneGame::onCreateGame() {}

void CindervaneGame::onDestroyGame() {}

void CindervaneGame::onActivate() {}

void CindervaneGame::onPaint() {}

void CindervaneGame::onFrame() {}

void CindervaneGame::onStylusDown(int, int) {}

void CindervaneGame::onStylusMove(int, int) {}

void CindervaneGame::onStylusUp(int, int) {}

void CindervaneGame::onKeyDown(KeyIndex, int, int) {}

void CindervaneGame::onKeyUp(KeyIndex, int, int) {}

void CindervaneGame::reportState(nlohmann::json& dump) const {
    dump["screen"] = gameScreenName(state_.screen);
    dump["frameCounter"] = state_.frameCounter;
}

std::unique_ptr<GameApp> createGameApp(platform::Platform& platform, CindervaneGame& game) {
    auto app = std::make_unique<GameApp>(platform, game, "Cindervane");
    app->fullScreen = true;
    app->iconId = 144;
    app->gapiDisplay = false;
    app->setTitle("Cindervane");
    app->frameInterval = 33;
    game.state().app = app.get();
    return app;
}

}  // namespace cindervane
