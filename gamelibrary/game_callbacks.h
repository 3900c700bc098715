// The game's side of the application shell: the callbacks the shell calls as window
// messages arrive and frames fall due.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include "gamelibrary/key_mapping.h"
#include "platform/headless_script.h"

namespace cindervane {

class GameCallbacks {
  public:
    virtual ~GameCallbacks() = default;

    // The window has just been made: load and create everything the whole run needs.
    virtual void onCreateGame() = 0;
    // The window is going away (or the shell could not be made): save and release
    // whatever start-up made, coping with anything that was never made.
    virtual void onDestroyGame() = 0;
    // The window was activated or deactivated.
    virtual void onActivate() = 0;
    // The window must be redrawn: copy the back buffer to it.
    virtual void onPaint() = 0;
    // One frame, once every frame interval while the game is not suspended.
    virtual void onFrame() = 0;
    // The stylus touched, moved on or left the screen at (x, y).
    virtual void onStylusDown(int x, int y) = 0;
    virtual void onStylusMove(int x, int y) = 0;
    virtual void onStylusUp(int x, int y) = 0;
    // A button went down or up; (x, y) is the button's point in the key list.
    virtual void onKeyDown(KeyIndex key, int x, int y) = 0;
    virtual void onKeyUp(KeyIndex key, int x, int y) = 0;

    // Adds the game's own fields to a state dump of a scripted run.
    virtual void reportState(nlohmann::json& dump) const = 0;
    // The hash of everything play depends on, whole and in parts, for check lines. A game
    // without one gives an empty hash.
    virtual platform::StateHash stateHash() const { return {}; }
};

}  // namespace cindervane
