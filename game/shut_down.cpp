// Shutdown: the high scores are saved first, then everything start-up and play made is
// released in the game's fixed order. Anything never made is skipped.
#include "game/shut_down.h"

#include "core/high_score_table.h"
#include "gamelibrary/game_app.h"

namespace cindervane {

void shutDownGame(GameState& state) {
    if (state.highScores) {
        if (state.app) saveHighScores(*state.highScores, state.app->platform().dataDirectory());
        state.highScores.reset();
    }

    const auto releaseClip = [](std::unique_ptr<SoundClip>& clip) {
        if (!clip) return;
        clip->unload();
        clip.reset();
    };
    for (auto& clip : state.soundEffects)
        releaseClip(clip);
    for (auto& clip : state.musicPlayers)
        releaseClip(clip);

    for (auto& brush : state.brushes)
        brush.reset();

    state.backBuffer.reset();
    state.backgroundImage.reset();
    state.ship.reset();
    for (std::unique_ptr<Surface>* slot :
         {&state.panelImage, &state.hpBarImage, &state.introImage, &state.endImage,
          &state.logoImage, &state.logoWwwImage, &state.speakerOnImage, &state.speakerOffImage}) {
        slot->reset();
    }
    state.backDC = nullptr;
    for (auto& caption : state.captions)
        caption.reset();

    state.enemies.clear();
    state.craftSheets.clear();
    state.projectileSheets.clear();
    state.effectSheets.clear();
    state.coinSheets.clear();
    state.boxSheets.clear();
    state.partSheets.clear();
}

}  // namespace cindervane
