// How the autopilot's decisions reach the game. Its plain hand is the device's: the stylus and
// the buttons, straight into the game's input. A desktop hand (desktop_hand.h) plays the same
// decisions on the desktop's keyboard or a gamepad, as a player without a mouse would.
#pragma once

#include "gamelibrary/key_mapping.h"
#include "stage/game_state.h"

namespace cindervane {

class AutopilotHand {
  public:
    virtual ~AutopilotHand() = default;
    virtual void stylusDown(GameState& state, int x, int y) = 0;
    virtual void stylusMove(GameState& state, int x, int y) = 0;
    virtual void stylusUp(GameState& state, int x, int y) = 0;
    // A device button pressed and let go.
    virtual void press(GameState& state, KeyIndex key) = 0;
    // The autopilot has made this frame's decisions.
    virtual void finishTurn(GameState& /*state*/) {}
    // The device's hand acts on the game right before a frame. A desktop hand acts right
    // after one instead, as a player answers the picture just shown: what it holds then
    // reaches the game through the window's events before the next frame, so it sees and
    // answers the same frame the device's hand does.
    virtual bool actsAfterFrame() const { return false; }
};

// The stylus and the buttons, as the device has them.
class StylusHand final : public AutopilotHand {
  public:
    void stylusDown(GameState& state, int x, int y) override;
    void stylusMove(GameState& state, int x, int y) override;
    void stylusUp(GameState& state, int x, int y) override;
    void press(GameState& state, KeyIndex key) override;
};

}  // namespace cindervane
