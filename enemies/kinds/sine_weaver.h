// The sine weave that several kinds fly (ZAPHONG told in full; OWLION, LIGHTNING8, KRAPHY,
// VAZNA, WHITECROSS and WRIDER within their own scripts): x follows a sine of the weave
// angle across the screen while the enemy flies down (or up), the sprite leaning with the
// swing, until the weave angle has gone round and the enemy turns back the way it came.
#pragma once

#include "enemies/kinds/ordinary_enemy.h"

namespace cindervane {

class SineWeaver : public OrdinaryEnemy {
  protected:
    using OrdinaryEnemy::OrdinaryEnemy;

    // The weave's first frame: the weave angle at 45, the sprite at its lean and flying
    // straight up or down.
    void startWeave(std::int32_t drawingAngle, std::int32_t dirY);
    // The weave angle's step a frame: 270 / ((300 - height) / speedY) on integers, so a
    // taller or slower enemy weaves more slowly.
    std::int32_t weaveStep() const;
    // One frame of the weave: the weave angle steps on, x = 100 - sin(angle) x factor, and
    // the sprite leans by the step: for a lean of +1 less in 45..150, more in 210..510 and
    // less again in 570..675 (the other way round for -1), upright where it swings back.
    void weave(std::int32_t factor, std::int32_t lean);
};

}  // namespace cindervane
