// The bosses that end the stages, built by their type number.
#pragma once

#include <memory>

#include "enemies/enemy.h"
#include "gamelibrary/random_generator.h"

namespace cindervane {

// The boss of the type, with its guns, coins (their drift drawn from the game's chance) and
// parts; null for a type that is no boss or whose boss is not built.
std::unique_ptr<Enemy> makeBoss(int type, RandomGenerator& random);

}  // namespace cindervane
