// The course of a game from screen to screen: new game, stage intro, play, stage clear,
// ending, shop, game over, continue, give up, and the end of a game.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// Back to the main menu picture.
void showMainMenu(GameState& state);
// Fills the music playlist with stage n's pieces.
void setUpStageMusic(GameState& state, int stage);

// Main menu, new game: the intro of stage 1.
void startNewGame(GameState& state);
// A tap on a stage intro: the stage begins.
void beginStageFromIntro(GameState& state);
// The continue caption after a boss fell: the ending, then the shop.
void continueAfterStageClear(GameState& state);
// A tap on a stage ending: the shop, or the end of the game after the last stage.
void leaveStageEnding(GameState& state);
// The shop's done button: the intro of the next stage.
void leaveShop(GameState& state);
// Continue on the game over screen: the same stage again, with the money gone.
void continueAfterGameOver(GameState& state);
// Giving up on the game over screen, or the last stage cleared: the nick entry when the
// score beats the tenth best, else the main menu.
void endGame(GameState& state);

}  // namespace cindervane
