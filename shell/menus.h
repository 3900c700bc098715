// The main menu, the three help pages and the credits: still pictures with a little text.
#pragma once

#include "stage/game_state.h"

namespace cindervane {

// Loads the help pictures and shows the first help page.
void enterHelp(GameState& state);
// Loads the credit pictures and shows the credits.
void enterCredits(GameState& state);

void drawMainMenu(GameState& state);
void drawHelpPage(GameState& state);  // whichever of the three pages is showing
void drawCredits(GameState& state);

}  // namespace cindervane
