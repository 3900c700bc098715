// The game behind the application shell's callbacks.
#include "game/cindervane_game.h"

#include <nlohmann/json.hpp>

#include "enemies/stage_table.h"
#include "game/desktop_hand.h"
#include "game/shut_down.h"
#include "game/start_up.h"
#include "shell/frame_dispatch.h"
#include "shell/input.h"
#include "shell/picture_screens.h"
#include "shell/picture_slots.h"
#include "shell/screen_flow.h"
#include "shell/shell_dump.h"
#include "shell/ship_upgrades.h"
#include "stage/play_dump.h"
#include "stage/state_hash.h"

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

platform::PlayView playView(const GameState& state) {
    platform::PlayView view;
    view.pausable = state.flow.screen == GameScreen::Play;
    // Once the stage is cleared the captions wait for a tap on continue: the desktop's keys
    // and sticks then point at it instead of flying.
    view.flying = view.pausable && !state.field.stageCleared && state.field.ship;
    if (state.field.ship) {
        view.shipX = state.field.ship->getX() + state.field.ship->width() / 2;
        view.shipY = state.field.ship->getY() + state.field.ship->height() / 2;
    }
    return view;
}

CindervaneGame::CindervaneGame(platform::Platform& platform, GameOptions options)
    : platform_(platform), options_(options) {
    if (options_.autopilot) {
        // Keys or a pad: the autopilot's hand plays through the window's own controls.
        std::unique_ptr<AutopilotHand> hand;
        if (options_.autopilot->hand == AutopilotHandKind::Keys)
            hand = std::make_unique<DesktopHand>(platform_, platform::Hand::Keyboard);
        if (options_.autopilot->hand == AutopilotHandKind::Pad)
            hand = std::make_unique<DesktopHand>(platform_, platform::Hand::Gamepad);
        autopilot_ = std::make_unique<Autopilot>(*options_.autopilot, std::move(hand));
    }
}

void CindervaneGame::onCreateGame() {
    if (options_.statistics) {
        statistics_ = std::make_unique<PlayStatistics>();
        state_.run.observer = statistics_.get();
    }
    startUpGame(state_, platform_);
    if (options_.replayHighScores && state_.scores.highScores) {
        state_.scores.highScores->entries = {};
        const auto& given = *options_.replayHighScores;
        for (std::size_t i = 0; i < given.size() && i < state_.scores.highScores->entries.size();
             ++i) {
            HighScoreEntry& entry = state_.scores.highScores->entries[i];
            entry.score = given[i].score;
            for (std::size_t c = 0; c < given[i].nick.size() && c + 1 < entry.nick.size(); ++c)
                entry.nick[c] = given[i].nick[c];
        }
    }
    if (options_.startStage >= 1 && options_.startStage <= 8)
        startGameAtStage(state_, options_.startStage);

    // What a replay of this session must start from.
    platform::ScriptHeader header;
    if (options_.startStage >= 1 && options_.startStage <= 8) header.stage = options_.startStage;
    if (state_.scores.highScores) {
        for (const HighScoreEntry& entry : state_.scores.highScores->entries) {
            platform::ScriptHighScore line{entry.score, {}};
            for (std::size_t c = 0; c < entry.nick.size() && entry.nick[c] != 0; ++c)
                line.nick += entry.nick[c];
            header.highScores.push_back(std::move(line));
        }
    }
    platform_.recordStart(header);
}

void CindervaneGame::onDestroyGame() {
    // A replay's table was never the player's: it goes unsaved.
    if (options_.replayHighScores) state_.scores.highScores.reset();
    if (statistics_) report_ = statistics_->report(state_);
    shutDownGame(state_);
}

void CindervaneGame::onActivate() {}

void CindervaneGame::onPaint() {
    paintWindow(state_.run, platform_);
}

void CindervaneGame::onFrame() {
    // The autopilot's hand acts between frames, as the stylus and buttons do.
    const bool handAfterFrame = autopilot_ && autopilot_->actsAfterFrame();
    if (autopilot_ && !handAfterFrame) autopilot_->act(state_);
    if (statistics_) statistics_->beforeFrame(state_);
    runFrame(state_, platform_);
    platform_.setPlayView(playView(state_));
    if (handAfterFrame) autopilot_->act(state_);
    if (statistics_) {
        const bool wasDone = statistics_->done();
        statistics_->afterFrame(state_);
        if (!wasDone && statistics_->done() && state_.run.app) state_.run.app->requestClose();
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

platform::StateHash CindervaneGame::stateHash() const {
    return hashGameState(state_).forChecks();
}

void CindervaneGame::reportState(nlohmann::json& dump) const {
    const StateHashes hashes = hashGameState(state_);
    dump["stateHash"] = hashText(hashes.whole());
    nlohmann::json parts = nlohmann::json::object();
    for (std::size_t i = 0; i < hashes.parts.size(); ++i)
        parts[std::string(StateHashes::kNames[i])] = hashText(hashes.parts[i]);
    dump["stateHashes"] = std::move(parts);
    dump["screen"] = gameScreenName(state_.flow.screen);
    dump["frameCounter"] = state_.flow.frameCounter;
    reportShellState(state_, dump);
    reportPlayState(state_.field, dump);
    dump["spawnCount"] = state_.field.spawnCount;
    nlohmann::json rows = nlohmann::json::array();
    for (int i = 0; i < state_.field.spawnCount; ++i) {
        const SpawnEntry& row = state_.field.spawnTable[i];
        rows.push_back(
            {row.type, row.tick, row.pattern, row.x, row.y, row.dirX, row.dirY, row.itemKind});
    }
    dump["spawnTable"] = std::move(rows);
    dump["soundOn"] = state_.run.soundOn;
    nlohmann::json effects = nlohmann::json::array();
    for (const auto& clip : state_.run.soundEffects)
        effects.push_back(clipReport(clip));
    nlohmann::json music = nlohmann::json::array();
    for (const auto& clip : state_.run.musicPlayers)
        music.push_back(clipReport(clip));
    dump["sounds"] = {{"effects", std::move(effects)}, {"music", std::move(music)}};
    dump["currentMusicEntry"] = state_.field.currentMusicEntry;
    if (state_.scores.highScores) {
        nlohmann::json scores = nlohmann::json::array();
        for (const HighScoreEntry& entry : state_.scores.highScores->entries)
            scores.push_back({{"nick", nickText(entry)}, {"score", entry.score}});
        dump["highScores"] = std::move(scores);
    }
}

void startGameAtStage(GameState& state, int stage) {
    if (stage < 1 || stage > 8) return;
    startNewGame(state);
    // The shop rows get the first stage's levels, then the limits of the chosen stage, both
    // by way of a ship made for the purpose and let go again.
    state.field.ship = std::make_unique<PlayerShip>(ShipVariant::REDPHOENIX);
    applyShipUpgrades(state, 1);
    captureShipUpgrades(state);
    applyShipUpgrades(state, stage);
    captureShipUpgrades(state);
    state.field.ship.reset();
    if (stage == 1) return;
    // The intro picture of stage n is the one the stage before it leaves behind.
    const StagePicture& intro = kStages[stage - 2].nextIntro;
    replacePicture(state, state.flow.introImage, intro.symbol, intro.file);
    state.flow.stageNumber = stage;
    loadStageOpening(state, stage);
}

bool adoptScriptHeader(const platform::ScriptHeader& header, platform::PlatformOptions& options,
                       GameOptions& game, std::string& error) {
    if (header.seed) {
        if (options.seed && *options.seed != *header.seed) {
            error = "--seed " + std::to_string(*options.seed) +
                    " disagrees with the script's seed " + std::to_string(*header.seed);
            return false;
        }
        options.seed = header.seed;
    }
    if (header.stage) {
        if (game.startStage != 0 && game.startStage != *header.stage) {
            error = "--stage " + std::to_string(game.startStage) +
                    " disagrees with the script's stage " + std::to_string(*header.stage);
            return false;
        }
        game.startStage = *header.stage;
    }
    if (!header.highScores.empty()) game.replayHighScores = header.highScores;
    return true;
}

std::unique_ptr<GameApp> createGameApp(platform::Platform& platform, CindervaneGame& game) {
    auto app = std::make_unique<GameApp>(platform, game, "Cindervane");
    app->fullScreen = true;
    app->iconId = 144;
    app->gapiDisplay = false;
    app->setTitle("Cindervane");
    app->frameInterval = 33;
    game.state().run.app = app.get();
    return app;
}

}  // namespace cindervane
