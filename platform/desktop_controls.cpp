// Flying without a stylus.
#include "platform/desktop_controls.h"

#include <algorithm>
#include <cstdlib>

namespace cindervane::platform {

namespace {

// A stick axis past the dead zone, scaled so the dead zone's edge is rest and the stop is
// full deflection.
int stickDeflection(int axis, int full) {
    const int size = std::abs(axis);
    if (size <= DesktopControls::kDeadZone) return 0;
    const int scaled = (std::min(size, 32767) - DesktopControls::kDeadZone) * full /
                       (32767 - DesktopControls::kDeadZone);
    return axis < 0 ? -scaled : scaled;
}

int axisOf(std::uint8_t held, Direction negative, Direction positive, int full) {
    return ((held & positive) ? full : 0) - ((held & negative) ? full : 0);
}

}  // namespace

DesktopControls::DesktopControls(Poster post) : post_(std::move(post)) {}

void DesktopControls::setPlayView(const PlayView& view) {
    view_ = view;
    sync();
}

void DesktopControls::mouseButton(bool down, int x, int y) {
    handUsedLast_ = false;
    mouseDown_ = down;
    mouseMoved(x, y);
}

void DesktopControls::mouseMoved(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
    // The mouse is the stylus now: the keys' pointer hides and starts from here next time.
    if (mouseDown_) handUsedLast_ = false;
    pointerX_ = x * kSubPixels;
    pointerY_ = y * kSubPixels;
    pointerShown_ = false;
    sync();
}

void DesktopControls::setKeyDirections(std::uint8_t held) {
    if (held == keyDirections_) return;
    keyDirections_ = held;
    handUsedLast_ = true;
    sync();
}

void DesktopControls::setPadDirections(std::uint8_t held) {
    if (held == padDirections_) return;
    padDirections_ = held;
    handUsedLast_ = true;
    sync();
}

void DesktopControls::setStick(int axisX, int axisY) {
    stickX_ = axisX;
    stickY_ = axisY;
    // Only a stick that leaves its rest takes over from the mouse; its jitter there does not.
    if (stickDeflection(stickX_, kFull) != 0 || stickDeflection(stickY_, kFull) != 0)
        handUsedLast_ = true;
    sync();
}

bool DesktopControls::tapButton(Hand hand, bool down) {
    bool& held = tapHeld_[static_cast<int>(hand)];
    if (down) {
        if (held) return true;  // the key's own repeats
        if (view_.flying) return false;
        held = true;
        handUsedLast_ = true;
        sync();
        return true;
    }
    if (!held) return false;
    held = false;
    sync();
    return true;
}

void DesktopControls::update(std::uint32_t tick) {
    // Time in a long wait (the window hidden, frames stopped) does not fling the pointer.
    const std::uint32_t elapsed = ticked_ ? std::min<std::uint32_t>(tick - lastTick_, 100) : 0;
    ticked_ = true;
    lastTick_ = tick;
    int dx = 0, dy = 0;
    deflection(dx, dy);
    if (!view_.flying && (dx != 0 || dy != 0)) {
        pointerHeldMs_ = std::min<int>(pointerHeldMs_ + static_cast<int>(elapsed), kPointerRampMs);
        const int speed = kPointerStartSpeed +
                          (kPointerSpeed - kPointerStartSpeed) * pointerHeldMs_ / kPointerRampMs;
        const long long step = static_cast<long long>(speed) * elapsed * kSubPixels;
        pointerX_ = std::clamp(pointerX_ + static_cast<int>(dx * step / (kFull * 1000LL)), 0,
                               (kScreenWidth - 1) * kSubPixels);
        pointerY_ = std::clamp(pointerY_ + static_cast<int>(dy * step / (kFull * 1000LL)), 0,
                               (kScreenHeight - 1) * kSubPixels);
        pointerShown_ = true;
    } else {
        pointerHeldMs_ = 0;
    }
    sync();
}

void DesktopControls::releaseAll() {
    keyDirections_ = 0;
    padDirections_ = 0;
    stickX_ = 0;
    stickY_ = 0;
    tapHeld_[0] = tapHeld_[1] = false;
    mouseDown_ = false;
    sync();
}

void DesktopControls::deflection(int& dx, int& dy) const {
    const std::uint8_t held = keyDirections_ | padDirections_;
    dx = std::clamp(
        axisOf(held, kDirectionLeft, kDirectionRight, kFull) + stickDeflection(stickX_, kFull),
        -kFull, kFull);
    dy = std::clamp(
        axisOf(held, kDirectionUp, kDirectionDown, kFull) + stickDeflection(stickY_, kFull), -kFull,
        kFull);
}

void DesktopControls::sync() {
    int dx = 0, dy = 0;
    deflection(dx, dy);
    const bool handSteers = view_.flying && (dx != 0 || dy != 0) && (handUsedLast_ || !mouseDown_);
    bool down = true;
    int x = stylusX_, y = stylusY_;
    Holder holder = Holder::None;
    if (handSteers) {
        // Ahead of the ship in the held direction; the ship's own steering then flies it at
        // the speed its distance from the point gives.
        holder = Holder::Hand;
        x = view_.shipX + dx * kReach / kFull;
        y = view_.shipY + dy * kReach / kFull;
    } else if (mouseDown_) {
        holder = Holder::Mouse;
        x = mouseX_;
        y = mouseY_;
    } else if (tapHeld_[0] || tapHeld_[1]) {
        holder = Holder::Tap;
        x = pointerX();
        y = pointerY();
    } else {
        down = false;
        // The mouse lifts where its button came up.
        if (holder_ == Holder::Mouse) {
            x = mouseX_;
            y = mouseY_;
        }
    }
    holder_ = holder;
    // A stylus cannot leave the screen.
    x = std::clamp(x, 0, kScreenWidth - 1);
    y = std::clamp(y, 0, kScreenHeight - 1);
    if (down) {
        if (!stylusDown_) {
            postStylus(WM_LBUTTONDOWN, x, y);
        } else if (x != stylusX_ || y != stylusY_) {
            postStylus(WM_MOUSEMOVE, x, y);
        }
    } else if (stylusDown_) {
        postStylus(WM_LBUTTONUP, x, y);
    }
}

void DesktopControls::postStylus(std::uint32_t id, int x, int y) {
    stylusDown_ = id != WM_LBUTTONUP;
    stylusX_ = x;
    stylusY_ = y;
    post_(Message{id, stylusDown_ ? 1u : 0u, makePointParam(x, y)});
}

}  // namespace cindervane::platform
