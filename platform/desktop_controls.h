// Flying without a stylus: the desktop's keys, mouse and gamepads turned into the stylus and
// button messages the device would send. While the ship flies, held direction keys, the d-pad
// or the left stick hold a virtual stylus ahead of the ship; elsewhere they move a pointer that
// the tap buttons press on the screen. The mouse stays the stylus, and whichever was used last
// wins. Every stylus message goes out through the one poster, as the mouse's own did.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/hand_hold.h"
#include "platform/messages.h"
#include "platform/platform.h"

namespace cindervane::platform {

class DesktopControls {
  public:
    // How far ahead of the ship's centre the virtual stylus is held at full deflection: the
    // ship flies at its full speed from 19 pixels away, so this leaves a margin.
    static constexpr int kReach = 32;
    // How fast the pointer moves at full deflection, in pixels a second: slowly at first, so
    // a short press places it on a menu item, then faster the longer it is held.
    static constexpr int kPointerStartSpeed = 60;
    static constexpr int kPointerSpeed = 240;
    static constexpr int kPointerRampMs = 500;
    // Stick deflections below this (of 32767) are the stick's rest.
    static constexpr int kDeadZone = 8000;

    using Poster = std::function<void(const Message&)>;

    explicit DesktopControls(Poster post);

    // What the game reported after its latest frame.
    void setPlayView(const PlayView& view);
    const PlayView& playView() const { return view_; }

    // The mouse, in screen pixels (already held to the screen).
    void mouseButton(bool down, int x, int y);
    void mouseMoved(int x, int y);

    // Held directions of the keyboard and of the d-pad, and the left stick's axes.
    void setKeyDirections(std::uint8_t held);
    void setPadDirections(std::uint8_t held);
    void setStick(int axisX, int axisY);

    // A tap button (Z, Space and Enter; the pad's A) went down or up. Outside flight it taps
    // at the pointer and returns true; in flight it returns false and the caller sends the
    // device's key instead. A release returns true when its press was a tap.
    bool tapButton(Hand hand, bool down);

    // Moves the pointer by the time gone since the last call, and brings the stylus to where
    // the held inputs want it. Called whenever the platform looks for messages.
    void update(std::uint32_t tick);

    // Lets go of everything held (the window lost the keyboard and the pads).
    void releaseAll();

    // The pointer the keys and the stick move outside flight, in screen pixels, and whether
    // it is to be shown (it hides once the mouse moves).
    int pointerX() const { return pointerX_ / kSubPixels; }
    int pointerY() const { return pointerY_ / kSubPixels; }
    bool pointerShown() const { return pointerShown_ && !view_.flying; }
    bool stylusDown() const { return stylusDown_; }

  private:
    static constexpr int kSubPixels = 256;

    // The combined deflection of keys, d-pad and stick, each axis -kFull..kFull.
    static constexpr int kFull = 1024;
    void deflection(int& dx, int& dy) const;
    // Moves, puts down or lifts the stylus to match what the inputs hold now.
    void sync();
    void postStylus(std::uint32_t id, int x, int y);

    // What holds the stylus down now.
    enum class Holder : std::uint8_t { None, Hand, Mouse, Tap };

    Poster post_;
    Holder holder_ = Holder::None;
    PlayView view_;
    std::uint8_t keyDirections_ = 0;
    std::uint8_t padDirections_ = 0;
    int stickX_ = 0;
    int stickY_ = 0;
    bool handUsedLast_ = false;  // keys or pad touched after the mouse
    bool mouseDown_ = false;
    int mouseX_ = 0;
    int mouseY_ = 0;
    bool tapHeld_[2] = {false, false};
    int pointerX_ = kScreenWidth / 2 * kSubPixels;
    int pointerY_ = kScreenHeight / 2 * kSubPixels;
    bool pointerShown_ = false;
    int pointerHeldMs_ = 0;  // how long the pointer has been moving, up to the ramp's end
    bool ticked_ = false;
    std::uint32_t lastTick_ = 0;
    bool stylusDown_ = false;
    int stylusX_ = 0;
    int stylusY_ = 0;
};

}  // namespace cindervane::platform
