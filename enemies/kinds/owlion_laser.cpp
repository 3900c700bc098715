// OWLIONLASER.
#include "enemies/kinds/owlion_laser.h"

namespace cindervane {
namespace {

constexpr EnemyGunRow kGuns[] = {
    {22, 30, 3, 20, 200, 31, 0, 10, 0, 1},
};

}  // namespace

OwlionLaser::OwlionLaser(RandomGenerator& random) : OrdinaryEnemy(kType, 2, kGuns, random) {}

void OwlionLaser::script() {
    if (getAge() == 20) head(getPattern() == 1 ? -1 : 1, 0);
    if (getAge() >= 26) fire();
}

}  // namespace cindervane
