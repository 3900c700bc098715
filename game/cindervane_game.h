// The game behind the application shell's callbacks.
#pragma once

#include <memory>

#include "game/game_state.h"
#include "gamelibrary/game_app.h"

namespace cindervane {

class CindervaneGame : public GameCallbacks {
  public:
    explicit CindervaneGame(platform::Platform& platform);

    void onCreateGame() override;
    void onDestroyGame() override;
    void onActivate() override;
    void onPaint() override;
    void onFrame() override;
    void onStylusDown(int x, int y) override;
    void onStylusMove(int x, int y) override;
    void onStylusUp(int x, int y) override;
    void onKeyDown(KeyIndex key, int x, int y) override;
    void onKeyUp(KeyIndex key, int x, int y) override;
    void reportState(nlohmann::json& dump) const override;

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }

  private:
    platform::Platform& platform_;
    GameState state_;
};

// Makes the application object with the game's settings and hands it to the game.
std::unique_ptr<GameApp> createGameApp(platform::Platform& platform, CindervaneGame& game);

}  // namespace cindervane
