// The game behind the application shell's callbacks.
#pragma once

#include <memory>
#include <optional>

#include "game/autopilot.h"
#include "game/game_state.h"
#include "game/play_statistics.h"
#include "gamelibrary/game_app.h"

namespace cindervane {

// What the command line asks of the game itself.
struct GameOptions {
    // 1..8: after start-up, straight to the intro of this stage of a new game; 0: the logo.
    int startStage = 0;
    // The autopilot plays, with these settings.
    std::optional<AutopilotSettings> autopilot;
    // Keep the statistics of the first game for the balance report, and close the game once
    // that game has ended and its high score table or the main menu shows.
    bool statistics = false;
};

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

// Makes the application object with the game's settings and hands it to the game.
std::unique_ptr<GameApp> createGameApp(platform::Platform& platform, CindervaneGame& game);

}  // namespace cindervane
