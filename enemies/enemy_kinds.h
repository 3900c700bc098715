// The registry of the ordinary enemy kinds: the class that plays each enemy type.
#pragma once

#include <cstdint>
#include <memory>

#include "enemies/enemy.h"
#include "gamelibrary/random_generator.h"

namespace cindervane {

// The ordinary enemy of a type, built by its class's constructor: alive at (0, 0), upright,
// falling, with the hit points, speeds, guns, coins and item box of its type (the random
// generator gives its coins their drift and speed). Its score value and its pictures are
// the factory's to set, and its spawn row places it. Null for the bosses (types 1, 6, 28,
// 29, 30, 31, 38 and 44, built with the stages) and for numbers that are no enemy type.
std::unique_ptr<Enemy> makeEnemyOfType(std::int32_t type, RandomGenerator& random);

}  // namespace cindervane
