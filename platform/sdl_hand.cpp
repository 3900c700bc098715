// A lent hand on SDL.
#include "platform/sdl_hand.h"

#include <SDL.h>

#include <algorithm>
#include <iterator>

namespace cindervane::platform {

namespace {

// The keys the hand uses: the arrows, and Z, X, Enter and C for the buttons.
struct HandKey {
    std::uint8_t bit;
    SDL_Keycode key;
};
constexpr HandKey kArrowKeys[] = {{kDirectionUp, SDLK_UP},
                                  {kDirectionDown, SDLK_DOWN},
                                  {kDirectionLeft, SDLK_LEFT},
                                  {kDirectionRight, SDLK_RIGHT}};
constexpr HandKey kButtonKeys[] = {
    {kHandA, SDLK_z}, {kHandB, SDLK_x}, {kHandStart, SDLK_RETURN}, {kHandC, SDLK_c}};
struct HandPadButton {
    std::uint8_t bit;
    SDL_GameControllerButton button;
};
constexpr HandPadButton kPadButtons[] = {{kHandA, SDL_CONTROLLER_BUTTON_A},
                                         {kHandB, SDL_CONTROLLER_BUTTON_B},
                                         {kHandStart, SDL_CONTROLLER_BUTTON_X},
                                         {kHandC, SDL_CONTROLLER_BUTTON_START}};

Sint16 axis(int value) {
    return static_cast<Sint16>(std::clamp(value, -32767, 32767));
}

}  // namespace

void SdlHand::release() {
    if (pad_) SDL_JoystickClose(pad_);
    if (padIndex_ >= 0) SDL_JoystickDetachVirtual(padIndex_);
    pad_ = nullptr;
    padIndex_ = -1;
}

bool SdlHand::hold(const HandHold& hold) {
    if (hold.hand == Hand::Keyboard) {
        for (const HandKey& arrow : kArrowKeys) {
            const bool was = keyDirections_ & arrow.bit;
            const bool now = hold.directions & arrow.bit;
            if (was != now) pushKey(arrow.key, now);
        }
        keyDirections_ = hold.directions;
        for (const HandKey& button : kButtonKeys) {
            if (!(hold.presses & button.bit)) continue;
            pushKey(button.key, true);
            pushKey(button.key, false);
        }
        return true;
    }
    if (!pad_ && !plugPad()) return false;
    SDL_JoystickSetVirtualAxis(pad_, SDL_CONTROLLER_AXIS_LEFTX, axis(hold.stickX));
    SDL_JoystickSetVirtualAxis(pad_, SDL_CONTROLLER_AXIS_LEFTY, axis(hold.stickY));
    // A pad's button must stay down across one look at the pad for SDL to see the press:
    // last frame's presses go up now and this frame's go down. A button pressed again right
    // after its last press must come up first, so that press goes down a frame later.
    const std::uint8_t wanted = hold.presses | padWaiting_;
    const std::uint8_t down = wanted & ~padPressed_;
    padWaiting_ = wanted & padPressed_;
    for (const HandPadButton& button : kPadButtons)
        if ((down | padPressed_) & button.bit)
            SDL_JoystickSetVirtualButton(pad_, button.button, (down & button.bit) ? 1 : 0);
    padPressed_ = down;
    return true;
}

bool SdlHand::plugPad() {
    // The window of an autopilot's run need not have the focus; the pad must still be read.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Autopilot's pad";
    padIndex_ = SDL_JoystickAttachVirtualEx(&desc);
    if (padIndex_ < 0) return false;
    pad_ = SDL_JoystickOpen(padIndex_);
    return pad_ != nullptr;
}

void SdlHand::pushKey(int key, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.keysym.mod = KMOD_NONE;
    SDL_PushEvent(&event);
}

}  // namespace cindervane::platform
