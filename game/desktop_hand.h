// The autopilot on the desktop's keyboard or a gamepad. It turns the stylus the autopilot would
// hold into what a player's hand does without a mouse: in flight, the arrows (or the stick)
// toward the point it steers for; elsewhere, the pointer walked onto the spot it would tap,
// then the tap button. The back end plays the hold through its own controls, so the game gets
// only what a player's keys or pad would give it.
#pragma once

#include "game/autopilot_hand.h"
#include "platform/platform.h"

namespace cindervane {

class DesktopHand final : public AutopilotHand {
  public:
    DesktopHand(platform::Platform& platform, platform::Hand hand);

    void stylusDown(GameState& state, int x, int y) override;
    void stylusMove(GameState& state, int x, int y) override;
    void stylusUp(GameState& state, int x, int y) override;
    void press(GameState& state, KeyIndex key) override;
    void finishTurn(GameState& state) override;
    bool actsAfterFrame() const override { return true; }

    // The pointer is on its spot when it stands this close on both axes.
    static constexpr int kOnSpot = 2;

  private:
    // A tap it still has to walk the pointer to.
    struct Spot {
        bool wanted = false;
        int x = 0;
        int y = 0;
    };
    // Where the hand steers in flight: toward the stylus point, if it holds one.
    void steer(const GameState& state, platform::HandHold& hold) const;
    // Walks the pointer to the spot, pressing the tap button once it is there.
    void walkPointer(platform::HandHold& hold);

    platform::Platform& platform_;
    platform::Hand hand_;
    bool flying_ = false;
    bool stylusHeld_ = false;
    int stylusX_ = 0;
    int stylusY_ = 0;
    // A stylus went down this turn outside flight: its point is a tap to make.
    bool downThisTurn_ = false;
    Spot spot_;
    std::uint8_t presses_ = 0;
};

}  // namespace cindervane
