// A watcher of play for statistics (the balance report): told of every hit the ship takes.
// The game only ever calls it; nothing the game decides reads what it keeps, so watching a
// game never changes it.
#pragma once

#include <cstdint>

namespace cindervane {

class Enemy;

class PlayObserver {
  public:
    virtual ~PlayObserver() = default;
    // The ship lost `hpLost` hit points to `enemy` (the enemy in the enemy list): to a shot of
    // gun `gun` of the enemy itself (part -1) or of its part `part`, or to ramming the enemy
    // or the part (gun -1). Called in the frame of the hit, after the hit points have gone.
    virtual void shipHit(const Enemy& enemy, int part, int gun, std::int32_t hpLost) = 0;
};

}  // namespace cindervane
