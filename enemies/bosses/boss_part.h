// The common ground of the bosses' separately destructible parts: wings, back sections and
// the sections of the last boss. A part is a boss in its own right (it never flashes and
// comes on invulnerable) but stands still: the body places it every frame and fires its guns.
#pragma once

#include <cstdint>

#include "enemies/enemy.h"

namespace cindervane {

class BossPart : public Enemy {
  public:
    // One motion step while alive, then updateOwned. Must not allocate.
    void move() override;

  protected:
    // Alive, invulnerable until the body arrives, full hit points, standing still, drawn
    // beneath the body for layer 1 and above it for layer 0, with its explosion; the part's
    // class adds its guns.
    BossPart(std::int32_t kind, std::int32_t hp, std::int32_t layer);
};

}  // namespace cindervane
