// Effects: actors that play their animation once and then switch themselves off.
#pragma once

#include "play/actor.h"

namespace cindervane {

class Effect : public Actor {
  public:
    Effect() = default;

    // Called once per frame by the owner: a live effect shows each frame frameDelay times
    // and goes dead, back at frame 0, after its last one. Nothing happens to a dead effect.
    void stepOnce() { playOnce(); }
};

}  // namespace cindervane
