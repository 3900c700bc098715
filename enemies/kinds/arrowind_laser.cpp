// ARROWINDLASER.
#include "enemies/kinds/arrowind_laser.h"

namespace cindervane {
namespace {

// The laser line stands ten frames under its muzzle.
constexpr EnemyGunRow kGuns[] = {
    {6, 58, 1, 1, 40, 34, 0, 0, 0, 1},
};

constexpr std::int32_t kShots[] = {35, 55, 75, 95, 115, 135, 155, 175};

}  // namespace

ArrowindLaser::ArrowindLaser(RandomGenerator& random) : OrdinaryEnemy(kType, 1, kGuns, random) {
    animates_ = false;
}

void ArrowindLaser::script() {
    if (getAge() == 35) stop();
    if (ageIsOneOf(kShots)) fire();
    if (getAge() == 194) head(getPattern() == 1 ? 1 : -1, -1);
}

}  // namespace cindervane
