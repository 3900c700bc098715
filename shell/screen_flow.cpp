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
    replacePicture(state, state.backgroundImage, "IMG_MAINMENU", "O0048.BAI");
    state.screen = GameScreen::MainMenu;
}

void setUpStageMusic(GameState& state, int stage) {
    if (stage < 1 || stage > 8) return;
    const StagePlaylist& playlist = kStagePlaylists[stage - 1];
    // Entries of an earlier, longer playlist stay behind the new count, unplayed.
    for (int i = 0; i < playlist.count; ++i)
        state.musicPlaylist[i] = playlist.entries[i];
    state.musicEntryCount = playlist.count;
}

void startNewGame(GameState& state) {
    // The menus' pictures and the logos are not needed again until the game is over.
    for (std::unique_ptr<Surface>* slot :
         {&state.helpBackground, &state.helpTitleImage, &state.buttonPanelImage,
          &state.prevButtonImage, &state.nextButtonImage, &state.goldCoinImage,
          &state.silverCoinImage, &state.itemBoxImage, &state.creditTitleImage,
          &state.highScoreTitleImage, &state.logoImage, &state.logoWwwImage}) {
        slot->reset();
    }
    replacePicture(state, state.introImage, "IMG_INTRO_ST1", "O0052.BAI");
    state.score = 0;
    state.money = 0;
    state.continuesUsed = 0;
    state.stageNumber = 1;
    loadStageOpening(state, 1);
    state.screen = GameScreen::StageIntro;
}

void beginStageFromIntro(GameState& state) {
    state.frameCounter = 0;
    state.gameOverCounter = 0;
    state.bossWarning = 0;
    state.screen = GameScreen::Play;
    setUpStageMusic(state, state.stageNumber);
    startStage(state, state.stageNumber);
}

void continueAfterStageClear(GameState& state) {
    if (state.endImage) {
        loadStageClosing(state, state.stageNumber);
        state.screen = GameScreen::StageEnding;
    } else {
        state.screen = GameScreen::Shop;
    }
    stopAllSounds(state);
    state.stageNumber += 1;
    captureShipUpgrades(state);
}

void leaveStageEnding(GameState& state) {
    if (state.stageNumber > 8) {
        endGame(state);
    } else {
        state.screen = GameScreen::Shop;
    }
}

void leaveShop(GameState& state) {
    loadStageOpening(state, state.stageNumber);
    state.screen = GameScreen::StageIntro;
}

void continueAfterGameOver(GameState& state) {
    state.frameCounter = 0;
    state.gameOverCounter = 0;
    state.bossWarning = 0;
    state.continuesUsed += 1;
    // The score starts again from the number of continues taken.
    state.score = state.continuesUsed;
    state.money = 0;
    state.screen = GameScreen::Play;
    setUpStageMusic(state, state.stageNumber);
    startStage(state, state.stageNumber);
}

void endGame(GameState& state) {
    stopAllSounds(state);
    const bool entersTable = state.highScores && state.highScores->entries[9].score < state.score;
    if (!entersTable) {
        showMainMenu(state);
        return;
    }
    state.nick.clear();
    state.screen = GameScreen::NickEntry;
}

}  // namespace cindervane
