// The autopilot's plain hand: the device's stylus and buttons.
#include "game/autopilot_hand.h"

#include "shell/input.h"

namespace cindervane {

void StylusHand::stylusDown(GameState& state, int x, int y) {
    cindervane::stylusDown(state, x, y);
}

void StylusHand::stylusMove(GameState& state, int x, int y) {
    cindervane::stylusMove(state, x, y);
}

void StylusHand::stylusUp(GameState& state, int x, int y) {
    cindervane::stylusUp(state, x, y);
}

void StylusHand::press(GameState& state, KeyIndex key) {
    keyDown(state, key);
    keyUp(state, key);
}

}  // namespace cindervane
