// Coins: money an enemy carries and releases when it is destroyed. A released coin jumps
// up, then falls until it is collected or leaves the bottom of the screen.
#pragma once

#include <cstdint>

#include "gamelibrary/random_generator.h"
#include "play/actor.h"

namespace cindervane {

class Coin : public Actor {
  public:
    // Kinds 1 to 4 are worth 50, 100, 500 and 1000; any other kind nothing.
    static constexpr std::int32_t valueOfKind(std::int32_t kind) {
        constexpr std::int32_t kValues[] = {50, 100, 500, 1000};
        return kind >= 1 && kind <= 4 ? kValues[kind - 1] : 0;
    }

    // Dead at (0, 0), moving up; the game's chance picks its sideways drift (none, left or
    // right) and its speed, 3 to 6 pixels a frame.
    Coin(std::int32_t kind, RandomGenerator& random);

    // Picks the drift and the speed from the game's chance, two draws, as the constructor
    // does.
    void roll(RandomGenerator& random);

    // One frame of a released coin: the motion step; dead once below the screen; the
    // spinning animation; from its sixth frame it falls straight down. Nothing happens to a
    // dead coin. Must not allocate.
    virtual void move();

    std::int32_t getValue() const { return value_; }

  private:
    std::int32_t value_ = 0;
};

}  // namespace cindervane
