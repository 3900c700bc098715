// ARROWIND.
#include "enemies/kinds/arrowind.h"

namespace cindervane {
namespace {

// A red bolt, faster than the arrow itself so it flies ahead of it.
constexpr EnemyGunRow kGuns[] = {
    {7, 50, 1, 1, 250, 12, 0, 24, 0, 1},
};

}  // namespace

Arrowind::Arrowind(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {
    animates_ = false;
}

void Arrowind::script() {
    if ((getPattern() == 1 && getAge() == 3) || (getPattern() == 2 && getAge() == 10)) fire();
}

}  // namespace cindervane
