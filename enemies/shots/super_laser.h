// Super lasers (kind 35): the bosses' broad red beam, 64 pixels wide and 280 long. It stands
// where it was fired and plays its frames through 31 times before it goes out.
#pragma once

#include <cstdint>

#include "play/projectile.h"

namespace cindervane {

class SuperLaser : public Projectile {
  public:
    static constexpr std::int32_t kKind = 35;
    // The repeats after the first pass through the frames.
    static constexpr std::int32_t kRepeats = 30;

    // Does not die on hitting.
    SuperLaser();

    // No movement: the next frame; after the last frame it starts again from frame 0 while
    // repeats are left, and is dead (repeats restored) after its 31st pass.
    void move() override;

    std::int32_t getRepeatsLeft() const { return repeatsLeft_; }
    void hashOwnState(StateHasher& hasher) const override { hasher.add(repeatsLeft_); }

  private:
    std::int32_t repeatsLeft_ = kRepeats;
};

}  // namespace cindervane
