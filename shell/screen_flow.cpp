// The course of a game from screen to screen.
#include "shell/screen_flow.h"

#include "shell/picture_screens.h"
#include "shell/picture_slots.h"
#include "shell/ship_upgrades.h"
#include "shell/stage_playlists.h"
#include "shell/stage_start.h"
#include "stage/stage_music.h"

namespace cindervane {

void showMainMenu(GameState& state) {
    replacePicture(state, state.flow.backgroundImage, "IMG_MAINMENU", "O0048.BAI");
    state.flow.screen = GameScreen::MainMenu;
}

void setUpStageMusic(GameState& state, int stage) {
    if (stage < 1 || stage > 8) return;
    const StagePlaylist& playlist = kStagePlaylists[stage - 1];
    // Entries of an earlier, longer playlist stay behind the new count, unplayed.
    for (int i = 0; i < playlist.count; ++i)
        state.field.musicPlaylist[i] = playlist.entries[i];
    state.field.musicEntryCount = playlist.count;
}

void startNewGame(GameState& state) {
    // The menus' pictures and the logos are not needed again until the game is over.
    for (std::unique_ptr<Surface>* slot :
         {&state.flow.helpBackground, &state.flow.helpTitleImage, &state.flow.buttonPanelImage,
          &state.flow.prevButtonImage, &state.flow.nextButtonImage, &state.flow.goldCoinImage,
          &state.flow.silverCoinImage, &state.flow.itemBoxImage, &state.flow.creditTitleImage,
          &state.flow.highScoreTitleImage, &state.run.logoImage, &state.run.logoWwwImage}) {
        slot->reset();
    }
    replacePicture(state, state.flow.introImage, "IMG_INTRO_ST1", "O0052.BAI");
    state.scores.score = 0;
    state.scores.money = 0;
    state.flow.continuesUsed = 0;
    state.flow.stageNumber = 1;
    loadStageOpening(state, 1);
    state.flow.screen = GameScreen::StageIntro;
}

void beginStageFromIntro(GameState& state) {
    state.flow.frameCounter = 0;
    state.flow.gameOverCounter = 0;
    state.flow.bossWarning = 0;
    state.flow.screen = GameScreen::Play;
    setUpStageMusic(state, state.flow.stageNumber);
    startStage(state, state.flow.stageNumber);
}

void continueAfterStageClear(GameState& state) {
    if (state.flow.endImage) {
        loadStageClosing(state, state.flow.stageNumber);
        state.flow.screen = GameScreen::StageEnding;
    } else {
        state.flow.screen = GameScreen::Shop;
    }
    stopAllSounds(state.run);
    state.flow.stageNumber += 1;
    captureShipUpgrades(state);
}

void leaveStageEnding(GameState& state) {
    if (state.flow.stageNumber > 8) {
        endGame(state);
    } else {
        state.flow.screen = GameScreen::Shop;
    }
}

void leaveShop(GameState& state) {
    loadStageOpening(state, state.flow.stageNumber);
    state.flow.screen = GameScreen::StageIntro;
}

void continueAfterGameOver(GameState& state) {
    state.flow.frameCounter = 0;
    state.flow.gameOverCounter = 0;
    state.flow.bossWarning = 0;
    state.flow.continuesUsed += 1;
    // The score starts again from the number of continues taken.
    state.scores.score = state.flow.continuesUsed;
    state.scores.money = 0;
    state.flow.screen = GameScreen::Play;
    setUpStageMusic(state, state.flow.stageNumber);
    startStage(state, state.flow.stageNumber);
}

void endGame(GameState& state) {
    stopAllSounds(state.run);
    const bool entersTable =
        state.scores.highScores && state.scores.highScores->entries[9].score < state.scores.score;
    if (!entersTable) {
        showMainMenu(state);
        return;
    }
    state.scores.nick.clear();
    state.flow.screen = GameScreen::NickEntry;
}

}  // namespace cindervane
