// Shutdown: the high scores are saved first, then everything start-up and play made is
// released in the game's fixed order. Anything never made is skipped.
#include "game/shut_down.h"

#include "core/high_score_table.h"
#include "gamelibrary/game_app.h"

namespace cindervane {

void shutDownGame(GameState& state) {
    if (state.scores.highScores) {
        if (state.run.app)
            saveHighScores(*state.scores.highScores, state.run.app->platform().dataDirectory());
        state.scores.highScores.reset();
    }

    const auto releaseClip = [](std::unique_ptr<SoundClip>& clip) {
        if (!clip) return;
        clip->unload();
        clip.reset();
    };
    for (auto& clip : state.run.soundEffects)
        releaseClip(clip);
    for (auto& clip : state.run.musicPlayers)
        releaseClip(clip);

    for (auto& brush : state.run.brushes)
        brush.reset();

    state.run.backBuffer.reset();
    state.flow.backgroundImage.reset();
    state.field.ship.reset();
    for (std::unique_ptr<Surface>* slot :
         {&state.run.panelImage, &state.run.hpBarImage, &state.flow.introImage,
          &state.flow.endImage, &state.run.logoImage, &state.run.logoWwwImage,
          &state.run.speakerOnImage, &state.run.speakerOffImage}) {
        slot->reset();
    }
    state.run.backDC = nullptr;
    for (auto& caption : state.run.captions)
        caption.reset();

    state.field.enemies.clear();
    state.run.craftSheets.clear();
    state.run.projectileSheets.clear();
    state.run.effectSheets.clear();
    state.run.coinSheets.clear();
    state.run.boxSheets.clear();
    state.run.partSheets.clear();
}

}  // namespace cindervane
