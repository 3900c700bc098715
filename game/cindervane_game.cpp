// The game behind the application shell's callbacks.
#include "game/cindervane_game.h"

#include <nlohmann/json.hpp>

#include "enemies/stage_table.h"
#include "game/shut_down.h"
#include "game/start_up.h"
#include "play/play_dump.h"
#include "shell/frame_dispatch.h"
#include "shell/input.h"
#include "shell/picture_screens.h"
#include "shell/picture_slots.h"
#include "shell/screen_flow.h"
#include "shell/shell_dump.h"
#include "shell/ship_upgrades.h"

namespace cindervane {

namespace {

// A clip's part of a dump; null for a clip that was never made.
nlohmann::json clipReport(const std::unique_ptr<SoundClip>& clip) {
    if (!clip) return nullptr;
    return {{"playing", clip->isPlaying()},
            {"looping", clip->isLooping()},
            {"plays", clip->plays()},
            {"repeatLimit", clip->repeatLimit()},
            {"file", clip->fileName()}};
}

}  // namespace

CindervaneGame::CindervaneGame(platform::Platform& platform, GameOptions options)
    : platform_(platform), options_(options) {
    if (options_.autopilot) autopilot_ = std::make_unique<Autopilot>(*options_.autopilot);
}

void CindervaneGame::onCreateGame() {
    if (options_.statistics) {
        statistics_ = std::make_unique<PlayStatistics>();
        state_.observer = statistics_.get();
    }
    startUpGame(state_, platform_);
    if (options_.startStage >= 1 && options_.startStage <= 8)
        startGameAtStage(state_, options_.startStage);
}

void CindervaneGame::onDestroyGame() {
    if (statistics_) report_ = statistics_->report(state_);
    shutDownGame(state_);
}

void CindervaneGame::onActivate() {}

void CindervaneGame::onPaint() {
    paintWindow(state_, platform_);
}

void CindervaneGame::onFrame() {
    // The autopilot's hand acts between frames, as the stylus and buttons do.
    if (autopilot_) autopilot_->act(state_);
    if (statistics_) statistics_->beforeFrame(state_);
    runFrame(state_, platform_);
    if (statistics_) {
        const bool wasDone = statistics_->done();
        statistics_->afterFrame(state_);
        if (!wasDone && statistics_->done() && state_.app) state_.app->requestClose();
    }
}

void CindervaneGame::onStylusDown(int x, int y) {
    stylusDown(state_, x, y);
}

void CindervaneGame::onStylusMove(int x, int y) {
    stylusMove(state_, x, y);
}

void CindervaneGame::onStylusUp(int x, int y) {
    stylusUp(state_, x, y);
}

// The key's point is not used by the game.
void CindervaneGame::onKeyDown(KeyIndex key, int, int) {
    keyDown(state_, key);
}

void CindervaneGame::onKeyUp(KeyIndex key, int, int) {
    keyUp(state_, key);
}

void CindervaneGame::reportState(nlohmann::json& dump) const {
    dump["screen"] = gameScreenName(state_.screen);
    dump["frameCounter"] = state_.frameCounter;
    reportShellState(state_, dump);
    reportPlayState(state_, dump);
    dump["spawnCount"] = state_.spawnCount;
    nlohmann::json rows = nlohmann::json::array();
    for (int i = 0; i < state_.spawnCount; ++i) {
        const SpawnEntry& row = state_.spawnTable[i];
        rows.push_back(
            {row.type, row.tick, row.pattern, row.x, row.y, row.dirX, row.dirY, row.itemKind});
    }
    dump["spawnTable"] = std::move(rows);
    dump["soundOn"] = state_.soundOn;
    nlohmann::json effects = nlohmann::json::array();
    for (const auto& clip : state_.soundEffects)
        effects.push_back(clipReport(clip));
    nlohmann::json music = nlohmann::json::array();
    for (const auto& clip : state_.musicPlayers)
        music.push_back(clipReport(clip));
    dump["sounds"] = {{"effects", std::move(effects)}, {"music", std::move(music)}};
    dump["currentMusicEntry"] = state_.currentMusicEntry;
    if (state_.highScores) {
        nlohmann::json scores = nlohmann::json::array();
        for (const HighScoreEntry& entry : state_.highScores->entries)
            scores.push_back({{"nick", nickText(entry)}, {"score", entry.score}});
        dump["highScores"] = std::move(scores);
    }
}

void startGameAtStage(GameState& state, int stage) {
    if (stage < 1 || stage > 8) return;
    startNewGame(state);
    // The shop rows get the first stage's levels, then the limits of the chosen stage, both
    // by way of a ship made for the purpose and let go again.
    state.ship = std::make_unique<PlayerShip>(ShipVariant::REDPHOENIX);
    applyShipUpgrades(state, 1);
    captureShipUpgrades(state);
    applyShipUpgrades(state, stage);
    captureShipUpgrades(state);
    state.ship.reset();
    if (stage == 1) return;
    // The intro picture of stage n is the one the stage before it leaves behind.
    const StagePicture& intro = kStages[stage - 2].nextIntro;
    replacePicture(state, state.introImage, intro.symbol, intro.file);
    state.stageNumber = stage;
    loadStageOpening(state, stage);
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
