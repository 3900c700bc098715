// The autopilot on the desktop's keyboard or a gamepad.
#include "game/desktop_hand.h"

#include <algorithm>
#include <cstdlib>

#include "game/cindervane_game.h"
#include "platform/desktop_controls.h"

namespace cindervane {

namespace {

using platform::DesktopControls;

// The device's buttons as the hand presses them: the direction keys charge (the desktop's
// Start), 4 is A, 5 is B, and the C key and the second extra key pause.
std::uint8_t handButton(KeyIndex key) {
    if (key >= 0 && key <= 3) return platform::kHandStart;
    if (key == 4) return platform::kHandA;
    if (key == 5) return platform::kHandB;
    if (key == 6 || key == 9) return platform::kHandC;
    return 0;
}

// The arrows that lead from one point toward another, ignoring axes already within `near`.
std::uint8_t arrowsToward(int dx, int dy, int near) {
    std::uint8_t held = 0;
    if (dx > near) held |= platform::kDirectionRight;
    if (dx < -near) held |= platform::kDirectionLeft;
    if (dy > near) held |= platform::kDirectionDown;
    if (dy < -near) held |= platform::kDirectionUp;
    return held;
}

// The stick deflection that holds the controls' virtual stylus `offset` pixels from the
// ship: the controls put it kReach pixels away at full deflection, and nothing inside the
// dead zone.
int stickFor(int offset) {
    if (offset == 0) return 0;
    const int size = std::min(std::abs(offset), DesktopControls::kReach);
    const int axis = DesktopControls::kDeadZone +
                     (32767 - DesktopControls::kDeadZone) * size / DesktopControls::kReach;
    return offset < 0 ? -axis : axis;
}

// Full deflection toward the spot on each axis not yet within `near`.
int stickToward(int d, int near) {
    if (d > near) return 32767;
    if (d < -near) return -32767;
    return 0;
}

}  // namespace

DesktopHand::DesktopHand(platform::Platform& platform, platform::Hand hand)
    : platform_(platform), hand_(hand) {}

void DesktopHand::stylusDown(GameState& state, int x, int y) {
    stylusHeld_ = true;
    stylusX_ = x;
    stylusY_ = y;
    if (!playView(state).flying) downThisTurn_ = true;
}

void DesktopHand::stylusMove(GameState&, int x, int y) {
    stylusX_ = x;
    stylusY_ = y;
}

void DesktopHand::stylusUp(GameState& state, int x, int y) {
    stylusHeld_ = false;
    // Down and up in one turn outside flight is a tap; in flight only the autopilot's own
    // corners are tapped, which no key reaches (it is never asked to refill).
    if (downThisTurn_ && !playView(state).flying) spot_ = Spot{true, x, y};
    downThisTurn_ = false;
}

void DesktopHand::press(GameState&, KeyIndex key) {
    presses_ |= handButton(key);
}

void DesktopHand::finishTurn(GameState& state) {
    platform::HandHold hold;
    hold.hand = hand_;
    const bool flying = playView(state).flying;
    // A new flight forgets a tap left over from the screens before it, and the screens
    // forget the stylus of the flight.
    if (flying != flying_) {
        spot_ = Spot{};
        if (!flying) stylusHeld_ = false;
        flying_ = flying;
    }
    if (flying)
        steer(state, hold);
    else
        walkPointer(hold);
    hold.presses |= presses_;
    presses_ = 0;
    downThisTurn_ = false;
    platform_.holdHand(hold);
}

void DesktopHand::steer(const GameState& state, platform::HandHold& hold) const {
    if (!stylusHeld_ || !state.field.ship) return;
    const PlayerShip& ship = *state.field.ship;
    const int dx = stylusX_ - (ship.getX() + ship.width() / 2);
    const int dy = stylusY_ - (ship.getY() + ship.height() / 2);
    if (hand_ == platform::Hand::Keyboard) {
        hold.directions = arrowsToward(dx, dy, 0);
    } else {
        hold.stickX = stickFor(dx);
        hold.stickY = stickFor(dy);
    }
}

void DesktopHand::walkPointer(platform::HandHold& hold) {
    int x = 0, y = 0;
    if (!spot_.wanted || !platform_.handPointer(x, y)) return;
    const int dx = spot_.x - x, dy = spot_.y - y;
    if (std::abs(dx) <= kOnSpot && std::abs(dy) <= kOnSpot) {
        hold.presses |= platform::kHandA;
        spot_ = Spot{};
        return;
    }
    if (hand_ == platform::Hand::Keyboard) {
        hold.directions = arrowsToward(dx, dy, kOnSpot);
    } else {
        hold.stickX = stickToward(dx, kOnSpot);
        hold.stickY = stickToward(dy, kOnSpot);
    }
}

}  // namespace cindervane
