// Stylus and button input.
#include "shell/input.h"

namespace cindervane {

void stylusDown(GameState&, int, int) {}

void stylusMove(GameState&, int, int) {}

void stylusUp(GameState&, int, int) {}

void keyDown(GameState&, KeyIndex) {}

void keyUp(GameState&, KeyIndex) {}

}  // namespace cindervane
