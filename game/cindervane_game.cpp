// The game behind the application shell's callbacks.
#include "game/cindervane_game.h"

#include <nlohmann/json.hpp>

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
