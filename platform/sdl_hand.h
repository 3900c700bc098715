// A lent hand on SDL: what the autopilot holds on the keyboard becomes SDL key events, and
// what it holds on a gamepad moves a virtual game controller, so both travel the same road
// as a player's keys and pad (SDL's queue, the bindings, the desktop controls).
#pragma once

#include <cstdint>

#include "platform/hand_hold.h"

struct _SDL_Joystick;

namespace cindervane::platform {

class SdlHand {
  public:
    SdlHand() = default;
    SdlHand(const SdlHand&) = delete;
    SdlHand& operator=(const SdlHand&) = delete;
    ~SdlHand() { release(); }

    // Plays one frame's hold: changed arrows go down or up, pressed buttons go down now (and,
    // on the pad, up with the next frame, so SDL sees each press); the pad is plugged in on
    // its first use. False when SDL cannot make the pad.
    bool hold(const HandHold& hold);
    // Unplugs the pad; before SDL shuts down.
    void release();

  private:
    bool plugPad();
    void pushKey(int key, bool down);

    std::uint8_t keyDirections_ = 0;
    _SDL_Joystick* pad_ = nullptr;
    int padIndex_ = -1;
    std::uint8_t padPressed_ = 0;  // buttons put down at the last frame
    std::uint8_t padWaiting_ = 0;  // presses that wait for their button to come up
};

}  // namespace cindervane::platform
