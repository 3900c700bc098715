// The game behind the application shell's callbacks.
#pragma once

#include <memory>
#include <optional>

#include "game/autopilot.h"
#include "game/game_options.h"
#include "game/play_statistics.h"
#include "gamelibrary/game_app.h"
#include "platform/options.h"
#include "stage/game_state.h"

namespace cindervane {

class CindervaneGame : public GameCallbacks {
  public:
    explicit CindervaneGame(platform::Platform& platform, GameOptions options = {});

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
    platform::StateHash stateHash() const override;

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    // The first game's statistics as the game closed, or null when they are not kept.
    const nlohmann::json* statisticsReport() const { return statistics_ ? &report_ : nullptr; }

  private:
    platform::Platform& platform_;
    GameOptions options_;
    GameState state_;
    std::unique_ptr<Autopilot> autopilot_;
    std::unique_ptr<PlayStatistics> statistics_;
    nlohmann::json report_;
};

// A new game that begins at the intro of stage n (1..8). The shop rows hold the levels a
// first stage's ship starts with, under the limits of stage n, so any stage can be played
// on its own with the ship the game starts with.
void startGameAtStage(GameState& state, int stage);

// What the platform's desktop controls are told after every frame: whether the ship is
// flown, where it is, and whether C would pause the game.
platform::PlayView playView(const GameState& state);

// Takes a script's header into the options: its seed, its stage and its high score table.
// A seed or stage already chosen on the command line must agree with the header; false with
// the reason when one does not.
bool adoptScriptHeader(const platform::ScriptHeader& header, platform::PlatformOptions& options,
                       GameOptions& game, std::string& error);

// Makes the application object with the game's settings and hands it to the game.
std::unique_ptr<GameApp> createGameApp(platform::Platform& platform, CindervaneGame& game);

}  // namespace cindervane
